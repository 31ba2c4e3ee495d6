#include "zoneblueprint.h"

#include "common/errorstackexception.h"
#include "common/validation.h"
#include "records/aaaarecord.h"
#include "records/arecord.h"
#include "records/nsrecord.h"
#include "records/primaryserver.h"
#include "records/soarecord.h"
#include "records/soaserial.h"

#include <QObject>

namespace {
const QLatin1Char labelSeparator('.');
const QLatin1Char mailSeparator('@');
const QString primaryTypeSynonym = QStringLiteral("primary");
const QString secondaryTypeSynonym = QStringLiteral("secondary");
const QString defaultNameServerLabel = QStringLiteral("ns1");
const QString defaultMailbox = QStringLiteral("hostmaster");
// Within the ranges of RFC 1912 (refresh 20 minutes to 12 hours, retry 2 minutes to 2 hours,
// expire 2 to 4 weeks) and RFC 2308 (a negative-cache TTL of 1 to 3 hours): secondaries without
// NOTIFY still pick a change up within the hour and retry four times as often, they keep
// answering through two weeks without their primary, and a name that does not exist is
// remembered for an hour.
constexpr quint64 refreshSeconds = 3600;
constexpr quint64 retrySeconds = 900;
constexpr quint64 expireSeconds = 1209600;
constexpr quint64 negativeTtl = 3600;

[[noreturn]] void refuse(const QString &problem, const QString &context)
{
    ErrorStackException error(problem);
    if (!context.isEmpty())
        error.push(context);
    throw error;
}

void checkDomainName(const QString &name, NameRule rule, const QString &context)
{
    const ValidationResult result = validateDomainName(name, rule);
    if (!result.valid)
        refuse(result.message, context);
}

QString parentDomain(const QString &absoluteName)
{
    const int separator = absoluteName.indexOf(labelSeparator);
    const QString parent = absoluteName.mid(separator + 1);
    return parent.isEmpty() ? QString(labelSeparator) : parent;
}

template <class AddressRecord> PRecord addressRecord(const QString &owner, const QString &address)
{
    auto record = QSharedPointer<AddressRecord>::create();
    record->setName(owner);
    record->setAddress(address);
    record->setTtl(ZoneBlueprint::recordTtl);
    return record;
}
} // namespace

void ZoneBlueprint::startOfAuthority(SOARecord &soa, const QDate &created)
{
    soa.setTtl(recordTtl);
    soa.setSerial(SoaSerial::firstOf(created).value());
    soa.setRefresh(refreshSeconds);
    soa.setRetry(retrySeconds);
    soa.setExpire(expireSeconds);
    soa.setMinimum(negativeTtl);
}

const QString &ZoneBlueprint::masterType()
{
    static const QString type = QStringLiteral("master");
    return type;
}

const QString &ZoneBlueprint::slaveType()
{
    static const QString type = QStringLiteral("slave");
    return type;
}

PZone ZoneBlueprint::build() const
{
    const QString zone = zoneName(name);
    const QString word = typeWord(type);
    const QStringList servers = checkedPrimaries(word, primaries);
    if (word == slaveType())
        return secondary(zone, servers);
    const QString origin = zone + labelSeparator;
    // The name server of a reverse zone has its name, and its address, in some forward zone.
    if (isReverseName(zone) && nameServer.isEmpty())
        throw ErrorStackException(
            QObject::tr("The reverse zone %1 needs the name of its name server").arg(zone));
    const QString server = nameServer.isEmpty() ? defaultNameServerLabel + labelSeparator + origin
                                                : absoluteName(nameServer, zone);
    checkDomainName(server, NameRule::Host,
                    QObject::tr("The name server's name %1 is invalid").arg(server));

    auto soa = QSharedPointer<SOARecord>::create();
    soa->setName(origin);
    soa->setMname(server);
    soa->setRname(mailbox(zone, server));
    startOfAuthority(*soa, created);
    auto ns = QSharedPointer<NSRecord>::create();
    ns->setName(origin);
    ns->setTtl(recordTtl);
    ns->setNsdName(server);
    QVector<PRecord> records{soa, ns};

    const bool serverInside = isInside(server, zone);
    if (serverInside && nameServerAddress.isEmpty())
        throw ErrorStackException(
            QObject::tr("The name server %1 lies inside zone %2 and needs an address")
                .arg(server, zone));
    if (!serverInside && !nameServerAddress.isEmpty())
        throw ErrorStackException(
            QObject::tr("The name server %1 lies outside zone %2: its address belongs in its own "
                        "zone")
                .arg(server, zone));
    if (isValidIPv4(nameServerAddress))
        records.append(addressRecord<ARecord>(server, nameServerAddress));
    else if (isValidIPv6(nameServerAddress))
        records.append(addressRecord<AAAARecord>(server, nameServerAddress));
    else if (!nameServerAddress.isEmpty())
        throw ErrorStackException(
            QObject::tr("%1 is neither an IPv4 nor an IPv6 address").arg(nameServerAddress));

    PZone result = PZone::create();
    result->setName(zone);
    result->setType(word);
    for (const PRecord &record : qAsConst(records))
        record->setZone(result.data());
    result->setRecords(records);
    return result;
}

QString ZoneBlueprint::zoneName(const QString &typed)
{
    QString zone = typed;
    if (zone.endsWith(labelSeparator))
        zone.chop(1);
    // Without a final dot an empty name would pass as the root's.
    if (typed.isEmpty())
        refuse(validateDomainName(typed).message, QString());
    checkDomainName(zone + labelSeparator, NameRule::Any,
                    QObject::tr("The zone name %1 is invalid").arg(typed));
    return zone;
}

QString ZoneBlueprint::typeWord(const QString &typed)
{
    const QString word = typed.trimmed().toLower();
    if (word == masterType() || word == primaryTypeSynonym)
        return masterType();
    if (word == slaveType() || word == secondaryTypeSynonym)
        return slaveType();
    throw ErrorStackException(
        QObject::tr("The zone type %1 is none of %2 (or %3) and %4 (or %5)")
            .arg(typed, masterType(), primaryTypeSynonym, slaveType(), secondaryTypeSynonym));
}

QStringList ZoneBlueprint::checkedPrimaries(const QString &type, const QStringList &primaries)
{
    QStringList checked;
    for (const QString &entry : primaries)
        checked.append(PrimaryServer(entry).toString());
    if (type != slaveType() && !checked.isEmpty())
        throw ErrorStackException(QObject::tr("Only a slave zone has primaries"));
    if (type == slaveType() && checked.isEmpty())
        throw ErrorStackException(
            QObject::tr("A slave zone needs at least one primary server to transfer it from"));
    return checked;
}

// named fills a secondary from its primaries and writes its file itself.
PZone ZoneBlueprint::secondary(const QString &zone, const QStringList &servers) const
{
    if (!nameServer.isEmpty() || !nameServerAddress.isEmpty() || !email.isEmpty())
        throw ErrorStackException(
            QObject::tr("The records of slave zone %1 come from its primaries: it takes no name "
                        "server, address or contact of its own")
                .arg(zone));
    PZone result = PZone::create();
    result->setName(zone);
    result->setType(slaveType());
    result->setPrimaries(servers);
    result->takeNewFile();
    return result;
}

QString ZoneBlueprint::mailbox(const QString &zone, const QString &nameServer) const
{
    const QString given = email.isEmpty() ? defaultMailbox + mailSeparator +
                                                (isReverseName(zone) ? parentDomain(nameServer)
                                                                     : zone + labelSeparator)
                                          : email;
    if (!given.contains(mailSeparator))
        return absoluteName(given, zone);
    const QString mailbox = SOARecord::mailboxOf(given);
    if (mailbox.isEmpty())
        throw ErrorStackException(QObject::tr("%1 is no email address").arg(given));
    return mailbox;
}
