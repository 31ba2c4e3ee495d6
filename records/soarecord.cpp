#include "soarecord.h"

#include "records/zone.h"

#include <QObject>

namespace {
const QLatin1Char labelSeparator('.');
const QLatin1Char mailSeparator('@');
const QLatin1Char escape('\\');
const QString escapedSeparator = QStringLiteral("\\.");
} // namespace

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
    if (zone() &&
        absoluteName(QStringLiteral("@"), zone()->name()).compare(name(), Qt::CaseInsensitive) != 0)
        messages.append(QObject::tr("The SOA record stands at the apex of zone %1, not at %2")
                            .arg(zone()->name(), name()));
    checkName(&messages, m_mname, NameRule::Host,
              QT_TRANSLATE_NOOP("QObject", "Name server name is not valid.\n%1"));
    const ValidationResult mailbox = validateMailbox(m_rname);
    if (!mailbox.valid)
        messages.append(QObject::tr("Email address is not valid.\n%1").arg(mailbox.message));
    checkRange(&messages, QObject::tr("Serial"), m_serial, maximumUInt32);
    checkRange(&messages, QObject::tr("Refresh"), m_refresh, maximumUInt32);
    checkRange(&messages, QObject::tr("Retry"), m_retry, maximumUInt32);
    checkRange(&messages, QObject::tr("Expire"), m_expire, maximumUInt32);
    checkRange(&messages, QObject::tr("Negative cache TTL"), m_minimum, maximumUInt32);
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

QString SOARecord::mailboxOf(const QString &email)
{
    const int at = email.lastIndexOf(mailSeparator);
    if (at <= 0 || at == email.size() - 1)
        return QString();
    QString domain = email.mid(at + 1);
    if (!domain.endsWith(labelSeparator))
        domain += labelSeparator;
    return QString(email.left(at)).replace(labelSeparator, escapedSeparator) + labelSeparator +
           domain;
}

QString SOARecord::emailOf(const QString &mailbox)
{
    int end = 0;
    while (end < mailbox.size() && mailbox.at(end) != labelSeparator)
        end += mailbox.at(end) == escape ? 2 : 1;
    QString domain = mailbox.mid(end + 1);
    domain.chop(domain.endsWith(labelSeparator) ? 1 : 0);
    if (end == 0 || domain.isEmpty())
        return QString();
    return QString(mailbox.left(end)).replace(escapedSeparator, QString(labelSeparator)) +
           mailSeparator + domain;
}
