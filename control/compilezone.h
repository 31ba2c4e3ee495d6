#pragma once

#include "common/errorstackexception.h"
#include "records/zone.h"

#include <QObject>

#include <optional>
#include <vector>

struct CompileResult
{
    bool ok = false;
    QString text;
};

// Runs named-compilezone, which prints a zone one complete record per line.
class CompileZone : public QObject
{
    Q_OBJECT

public:
    explicit CompileZone(QObject *parent = nullptr);

    // A relative $INCLUDE in the zone file is resolved against workingDirectory, as named
    // resolves it against its `directory`; empty means the current directory.
    CompileResult compile(const QString &zoneName, const QString &fileName,
                          const QString &workingDirectory = QString());
};

// The format of the zone's file: the configured one, or else what the file's first bytes show.
QString fileFormatOf(const Zone &zone);

// Reads the zone's file through the compiler, in its format and with its journal applied, and
// gives the zone its records.
void readZoneRecords(const PZone &zone);

// Reads the files of several zones, each exactly as readZoneRecords() reads it, with as many
// compilers running at once as there are processors. Holds, in the zones' order, why a zone's
// read failed, or nothing for a zone that got its records.
using ZoneReadFailure = std::optional<ErrorStackException>;
std::vector<ZoneReadFailure> readRecordsOfZones(const QList<PZone> &zones);
