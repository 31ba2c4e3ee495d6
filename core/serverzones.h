#pragma once

#include "config/hparser.h"
#include "config/iscparser.h"
#include "control/rndc.h"
#include "core/zoneloader.h"
#include "core/zonesettings.h"
#include "records/record.h"
#include "records/zone.h"
#include "storage/changebackup.h"

#include <QObject>
#include <QSet>
#include <QVector>

#include <functional>
#include <memory>

// The zones that the server's configuration declares, and every change made to them. Each change
// is one transaction: it is validated, written through ZoneStorage, and on any failure the zones
// and their records in memory are left exactly as they were (the storage leaves the files so).
// A failure throws ErrorStackException; the signals tell the models what changed.
//
// Once a change is on disk, a running named is told through rndc: a zone whose records changed
// is reloaded, a changed configuration is read again. Every change of records raises the zone's
// SOA serial, so that secondaries take the new records. A dynamic zone is frozen in named while
// its file is written, and its journal, whose updates the records read include, goes with the
// old file. Records that named or a signer keep are refused before anything is written.
class ServerZones : public QObject
{
    Q_OBJECT

public:
    explicit ServerZones(QObject *parent = nullptr);
    ~ServerZones() override;

    // Checks and reads the configuration, replacing what was held, and lists its zones at once
    // (zonesReset); then reads the records of every zone, before it returns or, with background
    // work on, while the event loop runs on (zoneLoaded for each, loadFinished at the end). Throws
    // when the configuration cannot be read; a zone whose file cannot be read stays listed with
    // its readProblem(), which readProblem() reports too.
    void load();

    // Reads the configuration and every zone again, as the files now are.
    void reload() { load(); }

    // The window's way: records are read, and files checked and written, on other threads while
    // the event loop goes on. A shell waits instead.
    void setBackgroundWork(bool on) { m_backgroundWork = on; }
    // Reads the zone's records before the others still waiting.
    void prioritize(const PZone &zone);
    // From the start of load() until loadFinished.
    bool isLoading() const { return m_loading; }

    QList<PZone> zones() const { return m_zones; }
    // The held zone of that name (with or without the final dot, in any case), view and class.
    PZone find(const QString &name, const QString &view = QString(),
               const QString &zoneClass = QStringLiteral("IN")) const;
    // The configuration's views, in their order; empty when it has none, and then no zone is in
    // a view.
    QStringList views() const { return m_views; }
    static bool isManaged(const PZone &zone);

    // A slave zone comes with its primaries and without records, which named transfers.
    void addZone(const PZone &zone);
    // Gives the zone the settings; a zone declared outside the managed file moves into it. A slave
    // zone needs its primaries, a master none. A new name moves the records: names at or below
    // the old one go below the new one, in memory and in the zone's file, which BIND must read as
    // exactly the renamed records.
    void editZone(const PZone &zone, const ZoneSettings &wanted);
    void removeZone(const PZone &zone);

    // The other zones whose statements name this zone's file: their records are the same text,
    // so a record change to one of them is refused until the zone has a file of its own.
    QList<PZone> zonesSharingFile(const PZone &zone) const;
    void giveOwnFile(const PZone &zone);
    // Whether removing the zone deletes its file, which only a file the application made and no
    // other zone uses is.
    bool removalDeletesFile(const PZone &zone) const;

    void addRecord(const PZone &zone, const PRecord &record);
    // Puts the replacement in the record's place; the record itself is left untouched.
    void editRecord(const PZone &zone, const PRecord &record, const PRecord &replacement);
    void removeRecord(const PZone &zone, const PRecord &record);

    // Puts back every file of the newest change kept in the backups, after the same checks as
    // any change, then reads the zones again. What it undid is no longer offered.
    void undo();
    // What the newest kept change did, for the command's text; empty when there is none.
    static QString lastChange();

signals:
    void zonesReset();
    void zoneAdded(PZone zone);
    void zoneChanged(PZone zone);
    void zoneRemoved(PZone zone);
    void recordsChanged(PZone zone);
    void readProblem(QString message);
    // The zone's records have been read, or its readProblem() says why they could not be.
    void zoneLoaded(PZone zone);
    void loadProgress(int loaded, int total);
    void loadFinished();
    // After a change on disk: what named answered when told of it, or why it was not told.
    void serverNotified(QString message, bool ok);

private:
    void readConfiguration();
    void onZoneRead(const PZone &zone, const QVector<PRecord> &records, const QString &problem);
    void onLoadFinished();
    // Runs a step that checks or writes files, off the event loop's thread with background work.
    void store(const std::function<void()> &step) const;
    void commit(ChangeBackup &backup) const;
    static void refuseUnloaded(const Zone &zone);
    // Another held zone that the server would take for one named so.
    PZone namesake(const PZone &zone, const QString &name) const;
    void refuseNamesake(const PZone &zone, const QString &name) const;
    void refuseOutsideViews(const Zone &zone) const;
    void refuseRename(const Zone &zone) const;
    void refuseSharedStatement(const Zone &zone) const;
    void saveRecords(const PZone &zone, const QVector<PRecord> &records);
    static QVector<PRecord> withRaisedSerial(const QVector<PRecord> &before,
                                             QVector<PRecord> records);
    static void refuseReadOnly(const Zone &zone, const QVector<PRecord> &touched);
    void refuseUpdatedSinceRead(const PZone &zone);
    static void dropJournal(const Zone &zone);
    bool serverRuns() const;
    // Runs an rndc command the way store() runs a step: named may take long to answer, or never.
    Rndc::Result tell(const std::function<Rndc::Result()> &command) const;
    // Reports what named answered; `done` says what it did.
    void report(const Rndc::Result &result, const QString &done);
    void reportServerStopped();
    static QString notTold(const Rndc::Result &result);
    void reconfigure(bool running);
    void refuseSharedFile(const PZone &zone) const;
    // After a failure: a file changed behind the application's back is read again, so that the
    // zones are shown as they now are.
    void readAgainIfChanged(const PZone &zone);
    QSet<QString> configurationFiles() const;
    void rememberConfigurationFiles() const;
    void checkPutBack(const QList<ChangeBackup::Entry> &entries) const;
    static void validate(const Record &record);
    // The type in a statement's word and the primaries as they are written; throws unless a slave
    // has primaries and a master none.
    static ZoneSettings withCheckedServers(ZoneSettings settings);

    ISCParser m_iscParser;
    HParser m_hParser;
    QList<PZone> m_zones;
    QStringList m_views;
    std::unique_ptr<ZoneLoader> m_loader;
    bool m_loading = false;
    int m_loaded = 0;
    bool m_backgroundWork = false;
};
