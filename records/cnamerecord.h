#pragma once

#include "record.h"

class CNAMERecord : public Record
{
public:
    CNAMERecord();
    CNAMERecord(const CNAMERecord &) = default;
    CNAMERecord &operator=(const CNAMERecord &) = default;
    CNAMERecord(CNAMERecord &&) = default;
    CNAMERecord &operator=(CNAMERecord &&) = default;

    QString fullName() const override { return name(); }
    QString content() const override { return m_cname; }
    QString toString() const override { return line(ownerName(), m_cname); }
    QStringList validate() const override;
    CNAMERecord *clone() const override { return new CNAMERecord(*this); }
    CNAMERecord &assign(const Record &other) override;

    QString cname() const { return m_cname; }
    void setCname(const QString &cname) { m_cname = cname; }

private:
    QString m_cname;
};
