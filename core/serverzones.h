#pragma once

#include "config/hparser.h"
#include "config/iscparser.h"
#include "core/zonesettings.h"
#include "records/record.h"
#include "records/zone.h"

#include <QObject>

// The zones that the server's configuration declares, and every change made to them. Each change
// is one transaction: it is validated, written through ZoneStorage, and on any failure the zones
// and their records in memory are left exactly as they were (the storage leaves the files so).
// A failure throws ErrorStackException; the signals tell the models what changed.
class ServerZones : public QObject
{
    Q_OBJECT

public:
    explicit ServerZones(QObject *parent = nullptr);
    ~ServerZones() override;

    // Checks and reads the configuration and the records of every zone, replacing what was held.
    // Throws when the configuration cannot be read; single zones that cannot be read are left out
    // and reported through readProblem().
    void load();

    QList<PZone> zones() const { return m_zones; }
    // The held zone of that name (with or without the final dot, in any case) and class.
    PZone find(const QString &name, const QString &zoneClass = QStringLiteral("IN")) const;
    static bool isManaged(const PZone &zone);

    void addZone(const PZone &zone);
    // Gives the zone the settings; a zone declared outside the managed file moves into it.
    void editZone(const PZone &zone, const ZoneSettings &settings);
    void removeZone(const PZone &zone);

    void addRecord(const PZone &zone, const PRecord &record);
    // Puts the replacement in the record's place; the record itself is left untouched.
    void editRecord(const PZone &zone, const PRecord &record, const PRecord &replacement);
    void removeRecord(const PZone &zone, const PRecord &record);

signals:
    void zonesReset();
    void zoneAdded(PZone zone);
    void zoneChanged(PZone zone);
    void zoneRemoved(PZone zone);
    void recordsChanged(PZone zone);
    void readProblem(QString message);

private:
    // Another held zone that the server would take for one named so.
    PZone namesake(const PZone &zone, const QString &name) const;
    void refuseNamesake(const PZone &zone, const QString &name) const;
    void saveRecords(const PZone &zone, const QList<PRecord> &records);
    static void validate(const Record &record);
    // A record that an $INCLUDE or $GENERATE line brings in is changed where it is written.
    static void refuseForeign(const Record &record);

    ISCParser m_iscParser;
    HParser m_hParser;
    QList<PZone> m_zones;
};
