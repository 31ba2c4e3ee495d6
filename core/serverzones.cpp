#include "serverzones.h"

#include "common/errorstackexception.h"
#include "common/filestamps.h"
#include "common/paths.h"
#include "control/checkconf.h"
#include "control/checkzone.h"
#include "control/compilezone.h"
#include "control/systemctl.h"
#include "records/soarecord.h"
#include "records/soaserial.h"
#include "storage/changebackup.h"
#include "storage/filestore.h"
#include "storage/recordsources.h"
#include "storage/zonestorage.h"
#include "zonefreeze.h"

#include <QDate>
#include <QFileInfo>

#include <algorithm>
#include <vector>

namespace {
// named tells zones apart by name and class.
bool isSameZone(const QString &name, const QString &zoneClass, const Zone &other)
{
    return Zone::isSameName(name, other.name()) &&
           zoneClass.compare(other.zoneClass(), Qt::CaseInsensitive) == 0;
}

// The records as zone file lines in one order, whatever order they were read or added in.
QStringList sortedLines(const QList<PRecord> &records)
{
    QStringList lines;
    lines.reserve(records.size());
    for (const PRecord &record : records)
        lines.append(record->toString());
    lines.sort();
    return lines;
}

const SOARecord *soaOf(const QList<PRecord> &records)
{
    for (const PRecord &record : records) {
        if (const auto *soa = dynamic_cast<const SOARecord *>(record.data()))
            return soa;
    }
    return nullptr;
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
    const bool running = serverRuns();
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
    reconfigure(running);
}

void ServerZones::editZone(const PZone &zone, const ZoneSettings &settings)
{
    const ZoneSettings before = ZoneSettings::of(*zone);
    // Nothing to store: a foreign zone stays where it is declared, and no file is touched.
    if (settings == before)
        return;
    refuseNamesake(zone, settings.name);
    const bool running = serverRuns();
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
    reconfigure(running);
}

void ServerZones::removeZone(const PZone &zone)
{
    const int index = m_zones.indexOf(zone);
    if (index < 0)
        return;
    const bool deletesFile = removalDeletesFile(zone);
    const bool running = serverRuns();
    ChangeBackup backup(tr("Remove zone %1").arg(zone->name()));
    m_zones.removeAt(index);
    try {
        ZoneStorage::removeZone(zone, m_zones);
    } catch (const ErrorStackException &) {
        m_zones.insert(index, zone);
        readAgainIfChanged(PZone());
        throw;
    }
    // named serves the zone until it has read the configuration without it: the file stays until
    // then.
    const Rndc::Result told = running ? Rndc::reconfig() : Rndc::Result{Rndc::Result::Done, {}};
    if (deletesFile && told.ok())
        ZoneStorage::removeZoneFile(zone);
    backup.commit();
    emit zoneRemoved(zone);
    if (!running)
        reportServerStopped();
    else if (deletesFile && !told.ok())
        emit serverNotified(notTold(told) + QLatin1Char(' ') +
                                tr("Zone file %1 is kept while named may still serve zone %2.")
                                    .arg(zone->filePath(), zone->name()),
                            false);
    else
        report(told, tr("named read the configuration again"));
}

void ServerZones::addRecord(const PZone &zone, const PRecord &record)
{
    refuseReadOnly(*zone, {record});
    record->setZone(zone.data());
    validate(*record);
    saveRecords(zone, zone->records() << record);
}

void ServerZones::editRecord(const PZone &zone, const PRecord &record, const PRecord &replacement)
{
    QList<PRecord> records = zone->records();
    const int index = records.indexOf(record);
    if (index < 0)
        throw ErrorStackException(tr("The record is no longer in zone %1").arg(zone->name()));
    refuseReadOnly(*zone, {record, replacement});
    replacement->setZone(zone.data());
    validate(*replacement);
    records.replace(index, replacement);
    saveRecords(zone, records);
}

void ServerZones::removeRecord(const PZone &zone, const PRecord &record)
{
    QList<PRecord> records = zone->records();
    if (!records.removeOne(record))
        throw ErrorStackException(tr("The record is no longer in zone %1").arg(zone->name()));
    refuseReadOnly(*zone, {record});
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
    const bool running = serverRuns();
    ChangeBackup backup(tr("Give zone %1 a file of its own").arg(zone->name()));
    try {
        ZoneStorage::giveOwnFile(zone, m_zones);
    } catch (const ErrorStackException &) {
        readAgainIfChanged(zone);
        throw;
    }
    backup.commit();
    emit zoneChanged(zone);
    reconfigure(running);
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
    const bool running = serverRuns();
    ChangeBackup backup(tr("Change the records of zone %1").arg(zone->name()));
    const QList<PRecord> before = zone->records();
    const ZoneFreeze freeze(zone, running && zone->isDynamic(), [this, zone](const auto &result) {
        report(result, tr("named thawed zone %1 and loads it again").arg(zone->name()));
    });
    if (freeze.isFrozen())
        refuseUpdatedSinceRead(zone);
    else
        FileStore::refuseChanged(zone->journalPath());
    const QList<PRecord> saved = withRaisedSerial(before, records);
    for (const PRecord &record : saved)
        record->setZone(zone.data());
    zone->setRecords(saved);
    try {
        ZoneStorage::saveZoneRecords(zone, before);
        dropJournal(*zone);
    } catch (const ErrorStackException &) {
        zone->setRecords(before);
        readAgainIfChanged(zone);
        throw;
    }
    backup.commit();
    emit recordsChanged(zone);
    if (freeze.isFrozen())
        return;
    if (running)
        report(Rndc::reload(zone->name(), zone->zoneClass()),
               tr("named loads zone %1 again").arg(zone->name()));
    else
        reportServerStopped();
}

// The user's own serial, set in this very change, stands; otherwise the new SOA record is a copy
// of the old one with the next serial, in its place.
QList<PRecord> ServerZones::withRaisedSerial(const QList<PRecord> &before, QList<PRecord> records)
{
    const SOARecord *old = soaOf(before);
    const auto found = std::find_if(records.begin(), records.end(), [](const PRecord &record) {
        return dynamic_cast<const SOARecord *>(record.data()) != nullptr;
    });
    if (!old || found == records.end())
        return records;
    const auto *soa = static_cast<const SOARecord *>(found->data());
    if (!before.contains(*found) && soa->serial() != old->serial())
        return records;
    const QSharedPointer<SOARecord> raised(soa->clone());
    raised->setSerial(SoaSerial(quint32(old->serial())).next(QDate::currentDate()).value());
    *found = raised;
    return records;
}

void ServerZones::refuseReadOnly(const Zone &zone, const QList<PRecord> &touched)
{
    const QString reason = zone.recordsReadOnlyReason();
    if (!reason.isEmpty())
        throw ErrorStackException(reason);
    for (const PRecord &record : touched) {
        if (!record->readOnlyReason().isEmpty())
            throw ErrorStackException(record->readOnlyReason());
    }
}

// While the zone is frozen, its file holds every update named took; an update that came after
// the records were read would be lost with the old file.
void ServerZones::refuseUpdatedSinceRead(const PZone &zone)
{
    const PZone current = PZone::create();
    current->setName(zone->name());
    current->setZoneClass(zone->zoneClass());
    current->setType(zone->type());
    current->setFile(zone->file());
    current->setDirectory(zone->directory());
    current->setFileFormat(zone->fileFormat());
    current->setJournal(zone->journal());
    readZoneRecords(current);
    if (sortedLines(current->records()) == sortedLines(zone->records()))
        return;
    const QList<PRecord> records = current->records();
    for (const PRecord &record : records)
        record->setZone(zone.data());
    zone->setRecords(records);
    emit recordsChanged(zone);
    throw ErrorStackException(tr("Zone %1 took dynamic updates since it was read; it is shown as "
                                 "it is now, and nothing was written. Make the change again.")
                                  .arg(zone->name()));
}

// The new file holds the journal's updates, as the records were read with them; a journal left
// behind would no longer fit the file, and named would refuse the zone at its next start.
void ServerZones::dropJournal(const Zone &zone)
{
    if (QFileInfo::exists(zone.journalPath()))
        FileStore::remove(zone.journalPath());
}

bool ServerZones::serverRuns()
{
    return SystemCtl().checkActive();
}

void ServerZones::report(const Rndc::Result &result, const QString &done)
{
    if (result.ok()) {
        const QString message = result.message.isEmpty()
                                    ? QString(done + QLatin1Char('.'))
                                    : QString(done + QStringLiteral(": ") + result.message);
        emit serverNotified(message, true);
        return;
    }
    emit serverNotified(notTold(result), false);
}

QString ServerZones::notTold(const Rndc::Result &result)
{
    return tr("The files are changed, but named was not told: %1").arg(result.failure());
}

void ServerZones::reportServerStopped()
{
    emit serverNotified(tr("The BIND server is not running; it reads the changes when it starts."),
                        true);
}

void ServerZones::reconfigure(bool running)
{
    if (running)
        report(Rndc::reconfig(), tr("named read the configuration again"));
    else
        reportServerStopped();
}

void ServerZones::validate(const Record &record)
{
    const QStringList problems = record.validate();
    if (problems.isEmpty())
        return;
    // The first problem is the one to read first.
    ErrorStackException error;
    for (auto problem = problems.crbegin(); problem != problems.crend(); ++problem)
        error.push(*problem);
    throw error;
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
    if (!zone ||
        (FileStamps::isUnchanged(zone->filePath()) && FileStamps::isUnchanged(zone->journalPath())))
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
    if (serverRuns())
        report(Rndc::reload(), tr("named loads the configuration and the changed zones again"));
    else
        reportServerStopped();
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
