#include "compilezone.h"

#include "common/errorstackexception.h"
#include "recordparser.h"

#include <QProcess>

namespace {
const QString compilerProgram = QStringLiteral("/usr/bin/named-compilezone");
const QLatin1Char commentStart(';');

QString decodeOutput(const QByteArray &bytes)
{
    const int end = bytes.indexOf('\0');
    return QString::fromUtf8(bytes.constData(), end < 0 ? bytes.size() : end);
}
} // namespace

CompileZone::CompileZone(QObject *parent) : QObject(parent) {}

CompileResult CompileZone::compile(const QString &zoneName, const QString &fileName,
                                   const QString &workingDirectory)
{
    QProcess process;
    process.setWorkingDirectory(workingDirectory);
    process.start(compilerProgram,
                  {QStringLiteral("-s"), QStringLiteral("full"), QStringLiteral("-o"),
                   QStringLiteral("-"), zoneName, fileName},
                  QIODevice::ReadWrite);
    // A compiler that never ran printed nothing; taking that for an empty zone could later
    // overwrite the real file with nothing.
    if (!process.waitForStarted(-1))
        return {false,
                tr("%1 could not be started: %2").arg(compilerProgram, process.errorString())};
    process.waitForFinished(-1);
    if (process.exitStatus() != QProcess::NormalExit)
        return {false, tr("Process crashed")};
    if (process.exitCode() != 0)
        return {false, tr("%1 exited with code %2.\n%3")
                           .arg(compilerProgram)
                           .arg(process.exitCode())
                           .arg(decodeOutput(process.readAllStandardError()))};
    return {true, decodeOutput(process.readAllStandardOutput())};
}

void readZoneRecords(const PZone &zone)
{
    CompileZone compiler;
    const CompileResult result =
        compiler.compile(zone->name(), zone->filePath(), zone->directory());
    if (!result.ok)
        throw ErrorStackException(QObject::tr("Zone compiler failed: %1").arg(result.text));

    QList<PRecord> records;
    const auto lines = result.text.splitRef(QLatin1Char('\n'), Qt::SkipEmptyParts);
    records.reserve(lines.size());
    for (const QStringRef &line : lines) {
        // The compiler notes the re-signing time of signed records on a comment line of its own.
        if (line.startsWith(commentStart))
            continue;
        PRecord record = parseRecordLine(line);
        record->setZone(zone.data());
        records.append(record);
    }
    zone->setRecords(records);
}
