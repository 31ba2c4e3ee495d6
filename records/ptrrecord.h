#pragma once

#include "record.h"

class PTRRecord : public Record
{
public:
    PTRRecord();
    PTRRecord(const PTRRecord &) = default;
    PTRRecord &operator=(const PTRRecord &) = default;
    PTRRecord(PTRRecord &&) = default;
    PTRRecord &operator=(PTRRecord &&) = default;

    QString fullName() const override { return name(); }
    QString content() const override { return m_ptrdName; }
    QString toString() const override { return line(ownerName(), m_ptrdName); }
    QStringList validate() const override;
    PTRRecord *clone() const override { return new PTRRecord(*this); }
    PTRRecord &assign(const Record &other) override;

    QString ptrdName() const { return m_ptrdName; }
    void setPtrdName(const QString &ptrdName) { m_ptrdName = ptrdName; }

    QString addressFromName() const;
    bool isIPv4() const;

private:
    QString m_ptrdName;
};
