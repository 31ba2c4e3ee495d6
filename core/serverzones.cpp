#include "serverzones.h"

#include "common/errorstackexception.h"
#include "common/paths.h"
#include "control/checkconf.h"
#include "storage/recordsources.h"
#include "storage/zonestorage.h"

namespace {
const QLatin1String includeSource("$INCLUDE ");

// named tells zones apart by name and class, with or without the root's final dot.
QString zoneKey(QString name)
{
    if (name.endsWith(QLatin1Char('.')))
        name.chop(1);
    return name.toLower();
}

bool isSameZone(const QString &name, const QString &zoneClass, const Zone &other)
{
    return zoneKey(name) == zoneKey(other.name()) &&
           zoneClass.compare(other.zoneClass(), Qt::CaseInsensitive) == 0;
}
} // namespace

ServerZones::ServerZones(QObject *parent) : QObject(parent)
{
    connect(&m_hParser, &HParser::error, this, &ServerZones::readProblem);
}

ServerZones::~ServerZones() = default;

void ServerZones::load()
{
    const CheckResult check = CheckConf().checkConf();
    // The checker may refuse without a word on standard output; the message must still say why.
    if (!check.ok)
        throw ErrorStackException(check.report.isEmpty()
                                      ? tr("BIND configuration file contains syntax errors.")
                                      : check.report);
    const PISCType root = m_iscParser.parse(Paths::serverConfiguration());
    m_zones = m_hParser.parseZones(root)->zones();
    for (const PZone &zone : qAsConst(m_zones))
        RecordSources::mark(zone);
    emit zonesReset();
}

PZone ServerZones::find(const QString &name, const QString &zoneClass) const
{
    for (const PZone &zone : m_zones) {
        if (isSameZone(name, zoneClass, *zone))
            return zone;
    }
    return PZone();
}

bool ServerZones::isManaged(const PZone &zone)
{
    return ZoneStorage::isManaged(zone);
}

void ServerZones::addZone(const PZone &zone)
{
    refuseNamesake(zone, zone->name());
    m_zones.append(zone);
    try {
        ZoneStorage::addZone(zone, m_zones);
    } catch (const ErrorStackException &) {
        m_zones.removeLast();
        throw;
    }
    emit zoneAdded(zone);
}

void ServerZones::editZone(const PZone &zone, const ZoneSettings &settings)
{
    const ZoneSettings before = ZoneSettings::of(*zone);
    // Nothing to store: a foreign zone stays where it is declared, and no file is touched.
    if (settings == before)
        return;
    refuseNamesake(zone, settings.name);
    settings.applyTo(*zone);
    try {
        ZoneStorage::saveZone(zone, m_zones, before.name);
    } catch (const ErrorStackException &) {
        before.applyTo(*zone);
        throw;
    }
    emit zoneChanged(zone);
}

void ServerZones::removeZone(const PZone &zone)
{
    const int index = m_zones.indexOf(zone);
    if (index < 0)
        return;
    m_zones.removeAt(index);
    try {
        ZoneStorage::removeZone(zone, m_zones);
    } catch (const ErrorStackException &) {
        m_zones.insert(index, zone);
        throw;
    }
    emit zoneRemoved(zone);
}

void ServerZones::addRecord(const PZone &zone, const PRecord &record)
{
    validate(*record);
    saveRecords(zone, zone->records() << record);
}

void ServerZones::editRecord(const PZone &zone, const PRecord &record, const PRecord &replacement)
{
    QList<PRecord> records = zone->records();
    const int index = records.indexOf(record);
    if (index < 0)
        throw ErrorStackException(tr("The record is no longer in zone %1").arg(zone->name()));
    refuseForeign(*record);
    validate(*replacement);
    records.replace(index, replacement);
    saveRecords(zone, records);
}

void ServerZones::removeRecord(const PZone &zone, const PRecord &record)
{
    QList<PRecord> records = zone->records();
    if (!records.removeOne(record))
        throw ErrorStackException(tr("The record is no longer in zone %1").arg(zone->name()));
    refuseForeign(*record);
    saveRecords(zone, records);
}

void ServerZones::saveRecords(const PZone &zone, const QList<PRecord> &records)
{
    const QList<PRecord> before = zone->records();
    for (const PRecord &record : records)
        record->setZone(zone.data());
    zone->setRecords(records);
    try {
        ZoneStorage::saveZoneRecords(zone, before);
    } catch (const ErrorStackException &) {
        zone->setRecords(before);
        throw;
    }
    emit recordsChanged(zone);
}

void ServerZones::validate(const Record &record)
{
    const QStringList problems = record.validate();
    if (problems.isEmpty())
        return;
    ErrorStackException error;
    for (const QString &problem : problems)
        error.push(problem);
    throw error;
}

void ServerZones::refuseForeign(const Record &record)
{
    const QString source = record.source();
    if (source.isEmpty())
        return;
    if (source.startsWith(includeSource))
        throw ErrorStackException(tr("Record %1 comes from $INCLUDE file %2; edit that file "
                                     "instead.")
                                      .arg(record.toString(), source.mid(includeSource.size())));
    throw ErrorStackException(
        tr("Record %1 is made by %2; change that line of the zone file instead.")
            .arg(record.toString(), source));
}

PZone ServerZones::namesake(const PZone &zone, const QString &name) const
{
    for (const PZone &other : m_zones) {
        if (other != zone && isSameZone(name, zone->zoneClass(), *other))
            return other;
    }
    return PZone();
}

void ServerZones::refuseNamesake(const PZone &zone, const QString &name) const
{
    if (const PZone twin = namesake(zone, name))
        throw ErrorStackException(tr("Zone %1 already exists").arg(twin->name()));
}
