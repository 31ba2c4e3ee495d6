#include "record.h"

#include "records/zone.h"

#include <QObject>

#include <algorithm>

Record::~Record() = default;

bool Record::isDnssecType(const QString &type)
{
    static const QStringList dnssecTypes = {QStringLiteral("RRSIG"),  QStringLiteral("NSEC"),
                                            QStringLiteral("NSEC3"),  QStringLiteral("NSEC3PARAM"),
                                            QStringLiteral("DNSKEY"), QStringLiteral("CDS"),
                                            QStringLiteral("CDNSKEY")};
    return dnssecTypes.contains(type, Qt::CaseInsensitive);
}

QString Record::readOnlyReason() const
{
    static const QLatin1String includeSource("$INCLUDE ");
    if (m_source.startsWith(includeSource))
        return QObject::tr("This record comes from $INCLUDE file %1; edit that file instead.")
            .arg(m_source.mid(includeSource.size()));
    if (!m_source.isEmpty())
        return QObject::tr("This record is made by %1; change that line of the zone file instead.")
            .arg(m_source);
    if (!isDnssec())
        return QString();
    return QObject::tr("%1 records are made by DNSSEC signing, not by hand; they can't be changed "
                       "here.")
        .arg(m_type);
}

QString Record::toString() const
{
    return line(fullName(), content());
}

QString Record::line(const QString &owner, const QString &content) const
{
    const QLatin1Char separator(' ');
    return owner + separator + QString::number(m_ttl) + separator + m_recordClass + separator +
           m_type + separator + content;
}

QStringList Record::validate() const
{
    QStringList messages;
    const QString owner = fullName();
    checkName(&messages, owner, ownerRule(),
              QT_TRANSLATE_NOOP("QObject", "Domain name is invalid.\n%1"));
    const ValidationResult inside =
        m_zone && messages.isEmpty() ? validateInside(owner, m_zone->name()) : ValidationResult();
    if (!inside.valid)
        messages.append(inside.message);
    checkRange(&messages, QObject::tr("TTL"), m_ttl, maximumTtl);
    // Zone files are read line by line: a line break would end the record or start another.
    const QString text = toString();
    if (std::any_of(text.cbegin(), text.cend(),
                    [](QChar c) { return c.unicode() < 0x20 || c.unicode() == 0x7f; }))
        messages.append(QObject::tr("The record holds a line break or another control character"));
    return messages;
}

void Record::checkName(QStringList *messages, const QString &name, NameRule rule,
                       const char *message) const
{
    if (m_zone && m_zone->checkNames() != QLatin1String("fail")) {
        if (rule == NameRule::Host)
            rule = NameRule::Any;
        else if (rule == NameRule::HostOwner)
            rule = NameRule::AnyOwner;
    }
    const ValidationResult result = validateDomainName(name, rule);
    if (!result.valid)
        messages->append(QObject::tr(message).arg(result.message));
}

void Record::checkRange(QStringList *messages, const QString &field, quint64 value, quint64 maximum)
{
    if (value > maximum)
        messages->append(
            QObject::tr("%1 %2 is out of range 0 to %3").arg(field).arg(value).arg(maximum));
}

void Record::assignRecord(const Record &other)
{
    m_zone = other.m_zone;
    m_name = other.m_name;
    m_ttl = other.m_ttl;
    m_recordClass = other.m_recordClass;
    m_type = other.m_type;
    m_source = other.m_source;
}

QString Record::joinFields(const QStringList &fields)
{
    return fields.join(QLatin1Char(' '));
}
