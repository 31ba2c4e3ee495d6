#include "arecord.h"

#include <QObject>

ARecord::ARecord() : Record(QStringLiteral("A")) {}

ARecord &ARecord::assign(const Record &other)
{
    const auto &source = dynamic_cast<const ARecord &>(other);
    assignRecord(source);
    m_address = source.m_address;
    return *this;
}

QStringList ARecord::validate() const
{
    QStringList messages = Record::validate();
    if (!isValidIPv4(m_address))
        messages.append(QObject::tr("%1 is not a valid IPv4 address").arg(m_address));
    return messages;
}
