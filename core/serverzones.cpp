#include "serverzones.h"

#include "common/errorstackexception.h"
#include "common/filestamps.h"
#include "common/offthread.h"
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
#include "storage/zonerename.h"
#include "storage/zonestorage.h"
#include "zoneblueprint.h"
#include "zonefreeze.h"

#include <QDate>
#include <QDateTime>
#include <QFileInfo>
#include <QSet>
#include <QThread>

#include <algorithm>
#include <vector>

namespace {
// named tells zones apart by name and class, within a view.
bool isSameZone(const QString &name, const QString &zoneClass, const QString &view,
                const Zone &other)
{
    return Zone::isSameName(name, other.name()) &&
           zoneClass.compare(other.zoneClass(), Qt::CaseInsensitive) == 0 && view == other.view();
}

// The records as zone file lines in one order, whatever order they were read or added in.
QStringList sortedLines(const QVector<PRecord> &records)
{
    QStringList lines;
    lines.reserve(records.size());
    for (const PRecord &record : records)
        lines.append(record->toString());
    lines.sort();
    return lines;
}

const SOARecord *soaOf(const QVector<PRecord> &records)
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
    m_loader.reset();
    m_loading = true;
    try {
        readConfiguration();
    } catch (const ErrorStackException &) {
        m_loading = false;
        throw;
    }
    QList<PZone> unread;
    for (const PZone &zone : qAsConst(m_zones)) {
        if (!zone->isLoaded())
            unread.append(zone);
    }
    m_loader = std::make_unique<ZoneLoader>(unread);
    m_loaded = 0;
    connect(m_loader.get(), &ZoneLoader::zoneRead, this, &ServerZones::onZoneRead);
    connect(m_loader.get(), &ZoneLoader::finished, this, &ServerZones::onLoadFinished);
    if (m_backgroundWork)
        m_loader->start();
    else
        m_loader->readAll();
}

void ServerZones::readConfiguration()
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
    const PNamedConf configuration = m_hParser.parseZones(root);
    m_zones = configuration->zones();
    m_views = configuration->views();
    rememberConfigurationFiles();
    emit zonesReset();
}

void ServerZones::onZoneRead(const PZone &zone, const QVector<PRecord> &records,
                             const QString &problem)
{
    zone->setRecords(records);
    zone->setReadProblem(problem);
    zone->setLoaded(true);
    if (!problem.isEmpty())
        emit readProblem(tr("Zone %1 could not be read: %2").arg(zone->name(), problem));
    emit zoneLoaded(zone);
    emit loadProgress(++m_loaded, m_loader->total());
}

void ServerZones::onLoadFinished()
{
    m_loading = false;
    emit loadFinished();
}

void ServerZones::prioritize(const PZone &zone)
{
    if (m_loader && !zone->isLoaded())
        m_loader->prioritize(zone);
}

void ServerZones::store(const std::function<void()> &step) const
{
    if (m_backgroundWork)
        runOffThread(step);
    else
        step();
}

// Committing hashes what the change wrote, which may be a big zone's file.
void ServerZones::commit(ChangeBackup &backup) const
{
    store([&backup] { backup.commit(); });
}

void ServerZones::refuseUnloaded(const Zone &zone)
{
    if (!zone.isLoaded())
        throw ErrorStackException(
            tr("The records of zone %1 are still being read; change them once they are listed.")
                .arg(zone.name()));
    if (!zone.readProblem().isEmpty())
        throw ErrorStackException(
            tr("Zone %1 could not be read, so its records cannot be changed: %2")
                .arg(zone.name(), zone.readProblem()));
}

// Many zones share a configuration file, which is read once for all of them.
QSet<QString> ServerZones::configurationFiles() const
{
    QSet<QString> files{Paths::serverConfiguration(), Paths::managedIncludeFile()};
    for (const QString &view : m_views)
        files.insert(Paths::managedIncludeFile(view));
    for (const PZone &zone : m_zones)
        files.insert(zone->conf());
    return files;
}

void ServerZones::rememberConfigurationFiles() const
{
    for (const QString &file : configurationFiles())
        FileStamps::remember(file);
}

PZone ServerZones::find(const QString &name, const QString &view, const QString &zoneClass) const
{
    for (const PZone &zone : m_zones) {
        if (isSameZone(name, zoneClass, view, *zone))
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
    refuseOutsideViews(*zone);
    refuseNamesake(zone, zone->name());
    const ZoneSettings settings = withCheckedServers(ZoneSettings::of(*zone));
    settings.applyTo(*zone);
    const bool running = serverRuns();
    ChangeBackup backup(tr("Add zone %1").arg(zone->name()));
    m_zones.append(zone);
    try {
        store([zone, zones = m_zones] { ZoneStorage::addZone(zone, zones); });
    } catch (const ErrorStackException &) {
        m_zones.removeLast();
        readAgainIfChanged(PZone());
        throw;
    }
    commit(backup);
    emit zoneAdded(zone);
    reconfigure(running);
}

void ServerZones::editZone(const PZone &zone, const ZoneSettings &wanted)
{
    const ZoneSettings before = ZoneSettings::of(*zone);
    // A zone keeps servers it was read with, whatever this reader makes of them, while they stay.
    const bool serversChange = wanted.type != before.type || wanted.primaries != before.primaries;
    const ZoneSettings settings = serversChange ? withCheckedServers(wanted) : wanted;
    // Nothing to store: a foreign zone stays where it is declared, and no file is touched.
    if (settings == before)
        return;
    refuseSharedStatement(*zone);
    refuseNamesake(zone, settings.name);
    const bool renamed = !Zone::isSameName(settings.name, before.name);
    if (renamed)
        refuseRename(*zone);
    const bool running = serverRuns();
    ChangeBackup backup(tr("Edit zone %1").arg(zone->name()));
    const QVector<PRecord> records = zone->records();
    settings.applyTo(*zone);
    try {
        // The records move with the zone; a secondary has none until its primary sends the zone
        // of the new name.
        if (renamed && zone->isSecondary()) {
            zone->setRecords({});
        } else if (renamed) {
            zone->setRecords(ZoneRename(before.name, settings.name).records(records));
            for (const PRecord &record : zone->records())
                record->setZone(zone.data());
        }
        store([zone, zones = m_zones, name = before.name, renamed] {
            if (renamed)
                ZoneStorage::renameZone(zone, name, zones);
            else
                ZoneStorage::saveZone(zone, zones, name);
        });
    } catch (const ErrorStackException &) {
        before.applyTo(*zone);
        zone->setRecords(records);
        readAgainIfChanged(PZone());
        throw;
    }
    commit(backup);
    emit zoneChanged(zone);
    if (renamed)
        emit recordsChanged(zone);
    reconfigure(running);
}

void ServerZones::removeZone(const PZone &zone)
{
    const int index = m_zones.indexOf(zone);
    if (index < 0)
        return;
    refuseSharedStatement(*zone);
    const bool deletesFile = removalDeletesFile(zone);
    const bool running = serverRuns();
    ChangeBackup backup(tr("Remove zone %1").arg(zone->name()));
    m_zones.removeAt(index);
    try {
        store([zone, zones = m_zones] { ZoneStorage::removeZone(zone, zones); });
    } catch (const ErrorStackException &) {
        m_zones.insert(index, zone);
        readAgainIfChanged(PZone());
        throw;
    }
    // named serves the zone until it has read the configuration without it: the file stays until
    // then.
    const Rndc::Result told =
        running ? tell(&Rndc::reconfig) : Rndc::Result{Rndc::Result::Done, {}};
    if (deletesFile && told.ok())
        ZoneStorage::removeZoneFile(zone);
    commit(backup);
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
    QVector<PRecord> records = zone->records();
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
    QVector<PRecord> records = zone->records();
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
    refuseSharedStatement(*zone);
    const bool running = serverRuns();
    ChangeBackup backup(tr("Give zone %1 a file of its own").arg(zone->name()));
    try {
        store([zone, zones = m_zones] { ZoneStorage::giveOwnFile(zone, zones); });
    } catch (const ErrorStackException &) {
        readAgainIfChanged(zone);
        throw;
    }
    commit(backup);
    emit zoneChanged(zone);
    reconfigure(running);
}

void ServerZones::refuseSharedFile(const PZone &zone) const
{
    ZoneStorage::refuseSharedChange(zone, m_zones);
}

void ServerZones::saveRecords(const PZone &zone, const QVector<PRecord> &records)
{
    refuseUnloaded(*zone);
    refuseSharedFile(zone);
    const bool running = serverRuns();
    ChangeBackup backup(tr("Change the records of zone %1").arg(zone->name()));
    const QVector<PRecord> before = zone->records();
    const ZoneFreeze freeze(
        zone, running && zone->isDynamic(), [this](const auto &command) { return tell(command); },
        [this, zone](const auto &result) {
            report(result, tr("named thawed zone %1 and loads it again").arg(zone->name()));
        });
    if (freeze.isFrozen())
        refuseUpdatedSinceRead(zone);
    else
        FileStore::refuseChanged(zone->journalPath());
    const QVector<PRecord> saved = withRaisedSerial(before, records);
    // Only new records change: the table may be painting the others meanwhile.
    for (const PRecord &record : saved) {
        if (record->zone() != zone.data())
            record->setZone(zone.data());
    }
    zone->setRecords(saved);
    try {
        store([zone, before] { ZoneStorage::saveZoneRecords(zone, before); });
        dropJournal(*zone);
    } catch (const ErrorStackException &) {
        zone->setRecords(before);
        readAgainIfChanged(zone);
        throw;
    }
    commit(backup);
    emit recordsChanged(zone);
    if (freeze.isFrozen())
        return;
    if (running)
        report(tell([&] { return Rndc::reload(zone->name(), zone->zoneClass(), zone->view()); }),
               tr("named loads zone %1 again").arg(zone->name()));
    else
        reportServerStopped();
}

// The user's own serial, set in this very change, stands; otherwise the new SOA record is a copy
// of the old one with the next serial, in its place.
QVector<PRecord> ServerZones::withRaisedSerial(const QVector<PRecord> &before,
                                               QVector<PRecord> records)
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

void ServerZones::refuseReadOnly(const Zone &zone, const QVector<PRecord> &touched)
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
    // named may still be writing the journal's updates into the file when rndc has answered the
    // freeze; the file is read once it has stopped changing.
    QFileInfo file(zone->filePath());
    for (int poll = 0; poll < 30; ++poll) {
        const QDateTime modified = file.lastModified();
        const qint64 size = file.size();
        QThread::msleep(100);
        file.refresh();
        if (file.lastModified() == modified && file.size() == size)
            break;
    }
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
    const QVector<PRecord> records = current->records();
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

// Asking systemctl takes a program's run, which the window's loop need not wait for.
bool ServerZones::serverRuns() const
{
    bool running = false;
    store([&running] { running = SystemCtl().checkActive(); });
    return running;
}

Rndc::Result ServerZones::tell(const std::function<Rndc::Result()> &command) const
{
    Rndc::Result result{Rndc::Result::NotRun, {}};
    store([&] { result = command(); });
    return result;
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
        report(tell(&Rndc::reconfig), tr("named read the configuration again"));
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

ZoneSettings ServerZones::withCheckedServers(ZoneSettings settings)
{
    settings.type = ZoneBlueprint::typeWord(settings.type);
    settings.primaries = ZoneBlueprint::checkedPrimaries(settings.type, settings.primaries);
    return settings;
}

PZone ServerZones::namesake(const PZone &zone, const QString &name) const
{
    for (const PZone &other : m_zones) {
        if (other != zone && isSameZone(name, zone->zoneClass(), zone->view(), *other))
            return other;
    }
    return PZone();
}

void ServerZones::refuseNamesake(const PZone &zone, const QString &name) const
{
    if (const PZone twin = namesake(zone, name))
        throw ErrorStackException(tr("Zone %1 already exists").arg(twin->name()));
}

// The records must be known to move them, and named's journal of updates names the old zone.
void ServerZones::refuseRename(const Zone &zone) const
{
    if (!zone.isSecondary())
        refuseUnloaded(zone);
    if (QFileInfo::exists(zone.journalPath()))
        throw ErrorStackException(
            tr("Zone %1 has a journal of dynamic updates (%2), which holds the old name. Let "
               "named write the updates into the file and remove the journal (rndc sync -clean "
               "%1), then rename the zone.")
                .arg(zone.name(), zone.journalPath()));
}

// A file included in several views declares its zones in each: one statement, several zones.
void ServerZones::refuseSharedStatement(const Zone &zone) const
{
    QStringList views;
    for (const PZone &other : m_zones) {
        if (other.data() != &zone && other->view() != zone.view() && zone.statementLine() > 0 &&
            other->statementLine() == zone.statementLine() &&
            isSameZone(zone.name(), zone.zoneClass(), other->view(), *other) &&
            QFileInfo(other->conf()).canonicalFilePath() ==
                QFileInfo(zone.conf()).canonicalFilePath())
            views.append(other->view());
    }
    if (!views.isEmpty())
        throw ErrorStackException(
            tr("The statement of zone %1 in %2 declares it in the views %3 too, as the file is "
               "included in each; a change to it would change those zones as well. Declare the "
               "zone in each view of its own, then change it.")
                .arg(zone.name(), zone.conf(), views.join(QStringLiteral(", "))));
}

// named takes zones either all in views or none in one.
void ServerZones::refuseOutsideViews(const Zone &zone) const
{
    if (m_views.isEmpty() && !zone.view().isEmpty())
        throw ErrorStackException(
            tr("The configuration has no views, so zone %1 can't go into view %2")
                .arg(zone.name(), zone.view()));
    if (!m_views.isEmpty() && !m_views.contains(zone.view()))
        throw ErrorStackException(
            zone.view().isEmpty()
                ? tr("The configuration has views, so zone %1 must go into one of them: %2")
                      .arg(zone.name(), m_views.join(QStringLiteral(", ")))
                : tr("The configuration has no view %1; its views are %2")
                      .arg(zone.view(), m_views.join(QStringLiteral(", "))));
}

void ServerZones::readAgainIfChanged(const PZone &zone)
{
    const QSet<QString> files = configurationFiles();
    if (!std::all_of(files.cbegin(), files.cend(), FileStamps::isUnchanged)) {
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
        if (!FileStamps::holdsHash(entry.path, entry.hashAfter))
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
        report(tell([] { return Rndc::reload(); }),
               tr("named loads the configuration and the changed zones again"));
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
            const CheckResult check =
                CheckZone().checkZone(zone->name(), entry.path, zone->checkNames());
            if (!check.ok)
                throw ErrorStackException(
                    tr("Zone %1 contains errors: %2").arg(zone->name(), check.report));
        }
    }
}
