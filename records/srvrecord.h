#pragma once

#include "record.h"

// The owner name of a service record is service label, protocol label and domain; name() holds
// the domain alone.
class SRVRecord : public Record
{
public:
    SRVRecord();
    SRVRecord(const SRVRecord &) = default;
    SRVRecord &operator=(const SRVRecord &) = default;
    SRVRecord(SRVRecord &&) = default;
    SRVRecord &operator=(SRVRecord &&) = default;

    QString fullName() const override;
    QString content() const override;
    QStringList validate() const override;
    SRVRecord *clone() const override { return new SRVRecord(*this); }
    SRVRecord &assign(const Record &other) override;

    QString service() const { return m_service; }
    void setService(const QString &service) { m_service = service; }
    QString proto() const { return m_proto; }
    void setProto(const QString &proto) { m_proto = proto; }
    quint64 priority() const { return m_priority; }
    void setPriority(const quint64 &priority) { m_priority = priority; }
    quint64 weight() const { return m_weight; }
    void setWeight(const quint64 &weight) { m_weight = weight; }
    quint64 port() const { return m_port; }
    void setPort(const quint64 &port) { m_port = port; }
    QString target() const { return m_target; }
    void setTarget(const QString &target) { m_target = target; }

private:
    QString m_service;
    QString m_proto = QStringLiteral("_tcp");
    quint64 m_priority = 0;
    quint64 m_weight = 0;
    quint64 m_port = 65535;
    QString m_target;
};
