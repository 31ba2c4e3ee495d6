#include "aaaarecord.h"

#include <QObject>

AAAARecord::AAAARecord() : Record(QStringLiteral("AAAA")) {}

AAAARecord &AAAARecord::assign(const Record &other)
{
    const auto &source = dynamic_cast<const AAAARecord &>(other);
    assignRecord(source);
    m_address = source.m_address;
    return *this;
}

QStringList AAAARecord::validate() const
{
    QStringList messages = Record::validate();
    if (!isValidIPv6(m_address))
        messages.append(QObject::tr("%1 is not a valid IPv6 address").arg(m_address));
    return messages;
}
