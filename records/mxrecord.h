#pragma once

#include "record.h"

class MXRecord : public Record
{
public:
    MXRecord();
    MXRecord(const MXRecord &) = default;
    MXRecord &operator=(const MXRecord &) = default;
    MXRecord(MXRecord &&) = default;
    MXRecord &operator=(MXRecord &&) = default;

    QString fullName() const override { return name(); }
    QString content() const override;
    QString toString() const override;
    QStringList validate() const override;
    MXRecord *clone() const override { return new MXRecord(*this); }
    MXRecord &assign(const Record &other) override;

    quint64 preference() const { return m_preference; }
    void setPreference(const quint64 &preference) { m_preference = preference; }
    QString exchange() const { return m_exchange; }
    void setExchange(const QString &exchange) { m_exchange = exchange; }

protected:
    NameRule ownerRule() const override { return NameRule::HostOwner; }

private:
    quint64 m_preference = 0;
    QString m_exchange;
};
