#include "soarecord.h"

#include "common/validation.h"

#include <QObject>

SOARecord::SOARecord() : Record(QStringLiteral("SOA")) {}

QString SOARecord::content() const
{
    return joinFields({m_mname, m_rname, QString::number(m_serial), QString::number(m_refresh),
                       QString::number(m_retry), QString::number(m_expire),
                       QString::number(m_minimum)});
}

QStringList SOARecord::validate() const
{
    QStringList messages = Record::validate();
    const QString dot = QStringLiteral(".");
    const ValidationResult server = validateDomainName(m_mname, dot);
    if (!server.valid)
        messages.append(QObject::tr("Name server name is not valid.\n%1").arg(server.message));
    const ValidationResult mailbox = validateDomainName(m_rname, dot);
    if (!mailbox.valid)
        messages.append(QObject::tr("Email address is not valid.\n%1").arg(mailbox.message));
    if (m_retry >= m_refresh)
        messages.append(QObject::tr("Retry must be less than Refresh"));
    if (m_refresh + m_retry >= m_expire)
        messages.append(QObject::tr("Expire must be bigger than the sum of Refresh and Retry"));
    return messages;
}

SOARecord &SOARecord::assign(const Record &other)
{
    const auto &source = dynamic_cast<const SOARecord &>(other);
    assignRecord(source);
    m_mname = source.m_mname;
    m_rname = source.m_rname;
    m_serial = source.m_serial;
    m_refresh = source.m_refresh;
    m_retry = source.m_retry;
    m_expire = source.m_expire;
    m_minimum = source.m_minimum;
    return *this;
}
