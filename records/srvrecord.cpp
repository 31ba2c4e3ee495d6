#include "srvrecord.h"

#include <QObject>

SRVRecord::SRVRecord() : Record(QStringLiteral("SRV")) {}

QString SRVRecord::fullName() const
{
    const QLatin1Char separator('.');
    return m_service + separator + m_proto + separator + ownerName();
}

QString SRVRecord::content() const
{
    const QLatin1Char separator(' ');
    return QString::number(m_priority) + separator + QString::number(m_weight) + separator +
           QString::number(m_port) + separator + m_target;
}

QStringList SRVRecord::validate() const
{
    QStringList messages = Record::validate();
    const ValidationResult service = validateServiceLabel(m_service);
    if (!service.valid)
        messages.append(QObject::tr("Service name %1").arg(service.message));
    const ValidationResult proto = validateServiceLabel(m_proto);
    if (!proto.valid)
        messages.append(QObject::tr("Proto name %1").arg(proto.message));
    checkRange(&messages, QObject::tr("Priority"), m_priority, maximumUInt16);
    checkRange(&messages, QObject::tr("Weight"), m_weight, maximumUInt16);
    checkRange(&messages, QObject::tr("Port"), m_port, maximumUInt16);
    checkName(&messages, m_target, NameRule::Host,
              QT_TRANSLATE_NOOP("QObject", "Target name is not valid.\n%1"));
    return messages;
}

SRVRecord &SRVRecord::assign(const Record &other)
{
    const auto &source = dynamic_cast<const SRVRecord &>(other);
    assignRecord(source);
    m_service = source.m_service;
    m_proto = source.m_proto;
    m_priority = source.m_priority;
    m_weight = source.m_weight;
    m_port = source.m_port;
    m_target = source.m_target;
    return *this;
}
