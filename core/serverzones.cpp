#include "serverzones.h"

#include "common/errorstackexception.h"
#include "common/filestamps.h"
#include "common/paths.h"
#include "control/checkconf.h"
#include "control/checkzone.h"
#include "control/compilezone.h"
#include "storage/changebackup.h"
#include "storage/filestore.h"
#include "storage/recordsources.h"
#include "storage/zonestorage.h"

#include <vector>

namespace {
const QLatin1String includeSource("$INCLUDE ");

// named tells zones apart by name and class.
bool isSameZone(const QString &name, const QString &zoneClass, const Zone &other)
{
    return Zone::isSameName(name, other.name()) &&
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
    FileStamps::forgetAll();
    rememberConfigurationFiles();
    const PISCType root = m_iscParser.parse(Paths::serverConfiguration());
    m_zones = m_hParser.parseZones(root)->zones();
    for (const PZone &zone : qAsConst(m_zones))
        RecordSources::mark(zone);
    rememberConfigurationFiles();
    emit zonesReset();
}

void ServerZones::rememberConfigurationFiles() const
{
    FileStamps::remember(Paths::serverConfiguration());
    FileStamps::remember(Paths::managedIncludeFile());
    for (const PZone &zone : m_zones)
        FileStamps::remember(zone->conf());
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
    ChangeBackup backup(tr("Add zone %1").arg(zone->name()));
    m_zones.append(zone);
    try {
        ZoneStorage::addZone(zone, m_zones);
    } catch (const ErrorStackException &) {
        m_zones.removeLast();
        readAgainIfChanged(PZone());
        throw;
    }
    backup.commit();
    emit zoneAdded(zone);
}

void ServerZones::editZone(const PZone &zone, const ZoneSettings &settings)
{
    const ZoneSettings before = ZoneSettings::of(*zone);
    // Nothing to store: a foreign zone stays where it is declared, and no file is touched.
    if (settings == before)
        return;
    refuseNamesake(zone, settings.name);
    ChangeBackup backup(tr("Edit zone %1").arg(zone->name()));
    settings.applyTo(*zone);
    try {
        ZoneStorage::saveZone(zone, m_zones, before.name);
    } catch (const ErrorStackException &) {
        before.applyTo(*zone);
        readAgainIfChanged(PZone());
        throw;
    }
    backup.commit();
    emit zoneChanged(zone);
}

void ServerZones::removeZone(const PZone &zone)
{
    const int index = m_zones.indexOf(zone);
    if (index < 0)
        return;
    ChangeBackup backup(tr("Remove zone %1").arg(zone->name()));
    m_zones.removeAt(index);
    try {
        ZoneStorage::removeZone(zone, m_zones);
    } catch (const ErrorStackException &) {
        m_zones.insert(index, zone);
        readAgainIfChanged(PZone());
        throw;
    }
    backup.commit();
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

QList<PZone> ServerZones::zonesSharingFile(const PZone &zone) const
{
    return ZoneStorage::zonesSharingFile(zone, m_zones);
}

bool ServerZones::removalDeletesFile(const PZone &zone) const
{
    QList<PZone> others = m_zones;
    others.removeAll(zone);
    return ZoneStorage::removalDeletesFile(zone, others);
}

void ServerZones::giveOwnFile(const PZone &zone)
{
    ChangeBackup backup(tr("Give zone %1 a file of its own").arg(zone->name()));
    try {
        ZoneStorage::giveOwnFile(zone, m_zones);
    } catch (const ErrorStackException &) {
        readAgainIfChanged(zone);
        throw;
    }
    backup.commit();
    emit zoneChanged(zone);
}

void ServerZones::refuseSharedFile(const PZone &zone) const
{
    const QList<PZone> sharing = zonesSharingFile(zone);
    if (sharing.isEmpty())
        return;
    QStringList names;
    for (const PZone &other : sharing)
        names.append(other->name());
    throw ErrorStackException(
        tr("Zone file %1 is also the file of %2, whose records would change too. Give zone %3 a "
           "file of its own first.")
            .arg(zone->filePath(), names.join(QStringLiteral(", ")), zone->name()));
}

void ServerZones::saveRecords(const PZone &zone, const QList<PRecord> &records)
{
    refuseSharedFile(zone);
    ChangeBackup backup(tr("Change the records of zone %1").arg(zone->name()));
    const QList<PRecord> before = zone->records();
    for (const PRecord &record : records)
        record->setZone(zone.data());
    zone->setRecords(records);
    try {
        ZoneStorage::saveZoneRecords(zone, before);
    } catch (const ErrorStackException &) {
        zone->setRecords(before);
        readAgainIfChanged(zone);
        throw;
    }
    backup.commit();
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

void ServerZones::readAgainIfChanged(const PZone &zone)
{
    bool configurationChanged = !FileStamps::isUnchanged(Paths::serverConfiguration()) ||
                                !FileStamps::isUnchanged(Paths::managedIncludeFile());
    for (const PZone &held : qAsConst(m_zones))
        configurationChanged = configurationChanged || !FileStamps::isUnchanged(held->conf());
    if (configurationChanged) {
        try {
            load();
        } catch (const ErrorStackException &error) {
            emit readProblem(error.text());
        }
        return;
    }
    if (!zone || FileStamps::isUnchanged(zone->filePath()))
        return;
    try {
        readZoneRecords(zone);
        RecordSources::mark(zone);
    } catch (const ErrorStackException &error) {
        zone->setRecords({});
        emit readProblem(error.text());
    }
    emit recordsChanged(zone);
}

QString ServerZones::lastChange()
{
    const QStringList folders = ChangeBackup::folders();
    return folders.isEmpty() ? QString() : ChangeBackup::description(folders.last());
}

void ServerZones::undo()
{
    const QStringList folders = ChangeBackup::folders();
    if (folders.isEmpty())
        throw ErrorStackException(tr("There is no change to undo"));
    const QString folder = folders.last();
    const QList<ChangeBackup::Entry> entries = ChangeBackup::entries(folder);
    for (const ChangeBackup::Entry &entry : entries) {
        if (FileStamps::contentHash(entry.path).toHex() != entry.hashAfter)
            throw ErrorStackException(
                tr("File %1 was changed after \"%2\"; that change is not undone")
                    .arg(entry.path, ChangeBackup::description(folder)));
    }
    struct Now
    {
        QString path;
        QByteArray bytes;
        bool existed;
    };
    std::vector<Now> now;
    try {
        for (const ChangeBackup::Entry &entry : entries) {
            Now current{entry.path, {}, false};
            current.existed = FileStore::read(entry.path, &current.bytes);
            if (entry.action == ChangeBackup::Created) {
                FileStore::remove(entry.path);
            } else {
                bool ok = false;
                const QByteArray bytes = ChangeBackup::copyOf(folder, entry.path, &ok);
                if (!ok)
                    throw ErrorStackException(
                        tr("Can't read the copy of %1 in %2").arg(entry.path, folder));
                FileStore::replace(entry.path, bytes);
            }
            now.push_back(current);
        }
        checkPutBack(entries);
    } catch (ErrorStackException &error) {
        for (auto it = now.rbegin(); it != now.rend(); ++it) {
            try {
                if (it->existed)
                    FileStore::replace(it->path, it->bytes);
                else
                    FileStore::remove(it->path);
            } catch (const ErrorStackException &) {
                error.push(tr("Can't restore file %1").arg(it->path));
            }
        }
        error.push(tr("Can't undo \"%1\"").arg(ChangeBackup::description(folder)));
        throw;
    }
    ChangeBackup::discard(folder);
    load();
}

void ServerZones::checkPutBack(const QList<ChangeBackup::Entry> &entries) const
{
    const CheckResult configuration = CheckConf().checkConf();
    if (!configuration.ok)
        throw ErrorStackException(
            tr("named-checkconf refuses the configuration: %1").arg(configuration.report));
    for (const ChangeBackup::Entry &entry : entries) {
        for (const PZone &zone : m_zones) {
            if (entry.action == ChangeBackup::Created || zone->filePath() != entry.path)
                continue;
            const CheckResult check = CheckZone().checkZone(zone->name(), entry.path);
            if (!check.ok)
                throw ErrorStackException(
                    tr("Zone %1 contains errors: %2").arg(zone->name(), check.report));
        }
    }
}
