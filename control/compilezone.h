#pragma once

#include "common/errorstackexception.h"
#include "records/zone.h"

#include <QObject>
#include <QVector>

#include <functional>
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

// What the compiler of one zone needs, copied from the zone, so that a read on another thread
// never touches the zone itself; the zone only goes along to be named as its records' owner.
struct ZoneReadJob
{
    PZone zone;
    QString name;
    QString filePath;
    QString directory;
    QString fileFormat;
    QString journalPath;
    // named's check-names level for the zone: names it serves must not make the read fail.
    QString checkNames;
    bool secondary = false;

    static ZoneReadJob of(const PZone &zone);
};

using ZoneReadFailure = std::optional<ErrorStackException>;

// A zone's records, or why they could not be read.
struct ZoneReadOutcome
{
    QVector<PRecord> records;
    ZoneReadFailure failure;
};

// Reads the files of the zones that `next` hands out until it has none left, each exactly as
// readZoneRecords() reads it, with as many compilers running at once as there are processors;
// `done` gets each outcome as its compiler ends. Both are called on the calling thread, whose
// events are handled meanwhile, user input excepted.
void readZoneFiles(const std::function<std::optional<ZoneReadJob>()> &next,
                   const std::function<void(const ZoneReadJob &, ZoneReadOutcome)> &done);
