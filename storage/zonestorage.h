#pragma once

#include "records/zone.h"

#include <QObject>
#include <QVector>

// Writes zone changes to disk: one statement at a time in the configuration files (the managed
// include file and the files of zones declared elsewhere), the include line of the server
// configuration, and zone files after the checker accepted them. Every file is replaced whole or
// left as it was, never when it changed since it was read; a change that named-checkconf refuses
// puts every file back.
class ZoneStorage : public QObject
{
    Q_OBJECT

public:
    using QObject::QObject;

    // A secondary's file is left to named, which writes it once it has transferred the zone.
    static void addZone(const PZone &zone, const QList<PZone> &zones);
    // A zone declared outside the managed file is found there by declaredName, its name as the
    // statement has it, when the zone was renamed since; its statement moves into the managed
    // file with every option and comment it holds.
    static void saveZone(const PZone &zone, const QList<PZone> &zones,
                         const QString &declaredName = QString());
    // Renames the statement, and in the zone's file the names at or below previousName, token
    // by token: zone holds the new name and the renamed records, which BIND must read from the
    // changed text. A secondary's file is left to named.
    static void renameZone(const PZone &zone, const QString &previousName,
                           const QList<PZone> &zones);
    // Takes the statement out; the file stays for removeZoneFile(), once named let the zone go.
    static void removeZone(const PZone &zone, const QList<PZone> &zones);
    // Deletes the zone's file and its journal.
    static void removeZoneFile(const PZone &zone);
    // Writes the zone's file whole from its records.
    static void saveZoneRecords(const PZone &zone);
    // Changes only the text of the records that differ from previousRecords in the zone's file,
    // after BIND read the changed text as exactly the zone's records; a file not there yet, or
    // one with a journal, is written whole.
    static void saveZoneRecords(const PZone &zone, const QVector<PRecord> &previousRecords);
    static bool isManaged(const PZone &zone);

    // The other zones whose statements name the zone's file.
    static QList<PZone> zonesSharingFile(const PZone &zone, const QList<PZone> &zones);
    // Throws, naming them, when other zones share the file that a change would write; the zone
    // is named shownName where given (its name before a rename).
    static void refuseSharedChange(const PZone &zone, const QList<PZone> &zones,
                                   const QString &shownName = QString());
    // Whether removing the zone deletes its file: only a file the application made, in its own
    // folder, or named made for a secondary the application added, and that no other zone uses.
    static bool removalDeletesFile(const PZone &zone, const QList<PZone> &zones);
    // Gives the zone a copy of its file in the application's folder; its statement names the copy
    // and moves into the managed file.
    static void giveOwnFile(const PZone &zone, const QList<PZone> &zones);
};
