#pragma once

#include "record.h"

class ARecord : public Record
{
public:
    ARecord();
    ARecord(const ARecord &) = default;
    ARecord &operator=(const ARecord &) = default;
    ARecord(ARecord &&) = default;
    ARecord &operator=(ARecord &&) = default;

    QString fullName() const override { return name(); }
    QString content() const override { return m_address; }
    QString toString() const override { return line(ownerName(), m_address); }
    QStringList validate() const override;
    ARecord *clone() const override { return new ARecord(*this); }
    ARecord &assign(const Record &other) override;

    QString address() const { return m_address; }
    void setAddress(const QString &address) { m_address = address; }

protected:
    NameRule ownerRule() const override { return NameRule::HostOwner; }

private:
    QString m_address;
};
