#include "mxrecord.h"

#include <QObject>

MXRecord::MXRecord() : Record(QStringLiteral("MX")) {}

QString MXRecord::content() const
{
    return QString::number(m_preference) + QLatin1Char(' ') + m_exchange;
}

QString MXRecord::toString() const
{
    return line(ownerName(), QString::number(m_preference) + QLatin1Char(' ') + m_exchange);
}

QStringList MXRecord::validate() const
{
    QStringList messages = Record::validate();
    checkRange(&messages, QObject::tr("Preference"), m_preference, maximumUInt16);
    checkName(&messages, m_exchange, NameRule::Host,
              QT_TRANSLATE_NOOP("QObject", "Mail server name is invalid.\n%1"));
    return messages;
}

MXRecord &MXRecord::assign(const Record &other)
{
    const auto &source = dynamic_cast<const MXRecord &>(other);
    assignRecord(source);
    m_preference = source.m_preference;
    m_exchange = source.m_exchange;
    return *this;
}
