#pragma once

#include "record.h"

class TXTRecord : public Record
{
public:
    TXTRecord();
    TXTRecord(const TXTRecord &) = default;
    TXTRecord &operator=(const TXTRecord &) = default;
    TXTRecord(TXTRecord &&) = default;
    TXTRecord &operator=(TXTRecord &&) = default;

    QString fullName() const override { return name(); }
    QString content() const override { return m_text; }
    QString toString() const override { return line(ownerName(), m_text); }
    TXTRecord *clone() const override { return new TXTRecord(*this); }
    TXTRecord &assign(const Record &other) override;

    QString text() const { return m_text; }
    void setText(const QString &text) { m_text = text; }

private:
    QString m_text;
};
