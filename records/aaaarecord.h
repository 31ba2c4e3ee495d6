#pragma once

#include "record.h"

class AAAARecord : public Record
{
public:
    AAAARecord();
    AAAARecord(const AAAARecord &) = default;
    AAAARecord &operator=(const AAAARecord &) = default;
    AAAARecord(AAAARecord &&) = default;
    AAAARecord &operator=(AAAARecord &&) = default;

    QString fullName() const override { return name(); }
    QString content() const override { return m_address; }
    QString toString() const override { return line(ownerName(), m_address); }
    QStringList validate() const override;
    AAAARecord *clone() const override { return new AAAARecord(*this); }
    AAAARecord &assign(const Record &other) override;

    QString address() const { return m_address; }
    void setAddress(const QString &address) { m_address = address; }

protected:
    NameRule ownerRule() const override { return NameRule::HostOwner; }

private:
    QString m_address;
};
