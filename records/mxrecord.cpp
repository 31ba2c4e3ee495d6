#include "mxrecord.h"

#include "common/validation.h"

#include <QObject>

MXRecord::MXRecord() : Record(QStringLiteral("MX")) {}

QString MXRecord::content() const
{
    return QString::number(m_preference) + QLatin1Char(' ') + m_exchange;
}

QStringList MXRecord::validate() const
{
    QStringList messages = Record::validate();
    const ValidationResult result = validateDomainName(m_exchange, QStringLiteral("."));
    if (!result.valid)
        messages.append(QObject::tr("Mail server name is invalid.\n%1").arg(result.message));
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
