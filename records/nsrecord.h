#pragma once

#include "record.h"

class NSRecord : public Record
{
public:
    NSRecord();
    NSRecord(const NSRecord &) = default;
    NSRecord &operator=(const NSRecord &) = default;
    NSRecord(NSRecord &&) = default;
    NSRecord &operator=(NSRecord &&) = default;

    QString fullName() const override { return name(); }
    QString content() const override { return m_nsdName; }
    QString toString() const override { return line(ownerName(), m_nsdName); }
    QStringList validate() const override;
    NSRecord *clone() const override { return new NSRecord(*this); }
    NSRecord &assign(const Record &other) override;

    QString nsdName() const { return m_nsdName; }
    void setNsdName(const QString &nsdName) { m_nsdName = nsdName; }

private:
    QString m_nsdName;
};
