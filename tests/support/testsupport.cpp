#include "testsupport.h"

#include "control/compilezone.h"
#include "records/recordparser.h"
#include "sandbox.h"

#include <QFile>
#include <QHash>
#include <QProcess>

#include <cstdio>

namespace TestSupport {

QString corpusDirectory()
{
    return qEnvironmentVariable("TAMZOR_CORPUS");
}

QString corpusZoneOrigin(const QString &fileName)
{
    static const QHash<QString, QString> origins = {
        {QStringLiteral("crashzone.db"), QStringLiteral("dyn.example.net.")},
        {QStringLiteral("delegating-ns-address-below-dname.db"), QStringLiteral("example.com.")},
        {QStringLiteral("ns-address-below-dname.db"), QStringLiteral("example.com.")},
        {QStringLiteral("zone1.db"), QStringLiteral("zone1.com.")}};
    return origins.value(fileName, QStringLiteral("example."));
}

bool isCI()
{
    return qEnvironmentVariable("CI") == QLatin1String("true");
}

int sandboxUnavailable(const QString &reason)
{
    std::fprintf(stderr, "%s: the /etc/bind sandbox cannot be made: %s\n", isCI() ? "FAIL" : "SKIP",
                 reason.toLocal8Bit().constData());
    return isCI() ? 1 : 77;
}

bool fits(const QString &text, const QString &expected)
{
    return expected.endsWith(QLatin1String("...")) ? text.startsWith(expected.chopped(3))
                                                   : text == expected;
}

QByteArray outputOf(const QString &program, const QStringList &arguments,
                    const QString &workingDirectory)
{
    QProcess process;
    process.setWorkingDirectory(workingDirectory);
    process.start(program, arguments);
    const bool ok = process.waitForFinished(-1) && process.exitStatus() == QProcess::NormalExit &&
                    process.exitCode() == 0;
    return ok ? process.readAllStandardOutput() + '\n' : QByteArray();
}

QString standIn(const QString &program, const QByteArray &script)
{
    const QString log = Sandbox::scratchDirectory() + QStringLiteral("/arguments");
    if (script == "missing")
        Sandbox::removeProgram(program);
    else if (!script.isEmpty())
        Sandbox::replaceProgram(program, "#!/bin/bash\necho \"$@\" > " + QFile::encodeName(log) +
                                             '\n' + script + '\n');
    return log;
}

QVector<PRecord> parsedRecords(const QStringList &lines)
{
    QVector<PRecord> records;
    for (const QString &line : lines)
        records.append(parseRecordLine(line));
    return records;
}

QStringList recordLines(const QVector<PRecord> &records)
{
    QStringList lines;
    for (const PRecord &record : records)
        lines.append(record->toString());
    return lines;
}

PRecord findRecord(const PZone &zone, const QString &owner, const QString &type)
{
    for (const PRecord &record : zone->records()) {
        if (record->fullName() == owner && record->type() == type)
            return record;
    }
    return PRecord();
}

QStringList recordsOnDisk(const QString &zone, const QString &file, const QString &directory)
{
    const PZone read(new Zone);
    read->setName(zone);
    read->setFile(file);
    read->setDirectory(directory);
    const QString failure = failureOf([&] { readZoneRecords(read); });
    return failure.isEmpty() ? recordLines(read->records()) : QStringList(failure);
}

QByteArray masterStatement(const QString &name, const QString &file, const QString &zoneClass)
{
    return QStringLiteral("zone \"%1\"%3 {\n\ttype master;\n\tfile \"%2\";\n};\n")
        .arg(name, file, zoneClass)
        .toUtf8();
}

} // namespace TestSupport
