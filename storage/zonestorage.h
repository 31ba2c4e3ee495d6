#pragma once

#include "records/zone.h"

#include <QObject>

// Writes zone changes to disk: the managed include file, the include line of the server
// configuration, foreign statements cut out, and zone files after the checker accepted them.
// Every file is replaced whole or left as it was.
class ZoneStorage : public QObject
{
    Q_OBJECT

public:
    using QObject::QObject;

    static void addZone(const PZone &zone, const QList<PZone> &zones);
    // A zone declared outside the managed file is found there by declaredName, its name as the
    // statement has it, when the zone was renamed since.
    static void saveZone(const PZone &zone, const QList<PZone> &zones,
                         const QString &declaredName = QString());
    static void removeZone(const PZone &zone, const QList<PZone> &zones);
    // Writes the zone's file whole from its records.
    static void saveZoneRecords(const PZone &zone);
    // Changes only the text of the records that differ from previousRecords in the zone's file,
    // after BIND read the changed text as exactly the zone's records; a file not there yet is
    // written whole.
    static void saveZoneRecords(const PZone &zone, const QList<PRecord> &previousRecords);
    static bool isManaged(const PZone &zone);

private:
    static void setManaged(const PZone &zone);
    static void saveZones(const QList<PZone> &zones);
    static bool hasInclude(const QByteArray &serverConfiguration);
    static void appendInclude(QByteArray serverConfiguration);
    static void ensureInclude();
    // Returns the file's bytes as they were, for undoing the cut.
    static QByteArray removeZoneFromConf(const PZone &zone, const QString &declaredName);
    static void removeZoneFile(const PZone &zone, const QList<PZone> &zones);
};
