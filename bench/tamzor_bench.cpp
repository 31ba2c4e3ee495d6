// Measures the system's reading, saving, start-up, memory and record table against BIND's own
// programs on the same generated data, and prints one ratio or figure per line.
#include "benchdata.h"
#include "config/hparser.h"
#include "config/iscparser.h"
#include "config/zonestorage.h"
#include "models/recordmodel.h"
#include "records/compilezone.h"
#include "tests/support/sandbox.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QTableView>
#include <QTemporaryDir>

#include <algorithm>
#include <cstdio>
#include <functional>
#include <vector>

namespace {

const QString bigOrigin = QStringLiteral("bench.example.");
const QString compiler = QStringLiteral("/usr/bin/named-compilezone");
const QString zoneChecker = QStringLiteral("/usr/bin/named-checkzone");
const QString confChecker = QStringLiteral("/usr/bin/named-checkconf");

struct Options
{
    int records = 100000;
    int zones = 500;
    int zoneRecords = 20;
    int runs = 5;
};

double median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    const size_t middle = values.size() / 2;
    return values.size() % 2 ? values[middle] : (values[middle - 1] + values[middle]) / 2;
}

double seconds(const std::function<void()> &work)
{
    QElapsedTimer timer;
    timer.start();
    work();
    return timer.nsecsElapsed() / 1e9;
}

double medianSeconds(int runs, const std::function<void()> &work)
{
    std::vector<double> times;
    for (int run = 0; run < runs; ++run)
        times.push_back(seconds(work));
    return median(times);
}

void runQuietly(const QString &program, const QStringList &arguments)
{
    QProcess process;
    process.setStandardOutputFile(QProcess::nullDevice());
    process.setStandardErrorFile(QProcess::nullDevice());
    process.start(program, arguments);
    if (!process.waitForFinished(-1) || process.exitStatus() != QProcess::NormalExit ||
        process.exitCode() != 0)
        qFatal("%s failed on %s", qPrintable(program), qPrintable(arguments.join(' ')));
}

void writeFile(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size())
        qFatal("cannot write %s", qPrintable(path));
}

PZone bigZone(const QString &file)
{
    PZone zone(new Zone);
    zone->setName(bigOrigin);
    zone->setFile(file);
    return zone;
}

void info(const char *format, double a, double b)
{
    std::printf(format, a, b);
    std::fflush(stdout);
}

double benchRead(const Options &options, const QString &file)
{
    const double system = medianSeconds(options.runs, [&] { readZoneRecords(bigZone(file)); });
    const double bind = medianSeconds(options.runs, [&] {
        runQuietly(compiler, {QStringLiteral("-s"), QStringLiteral("full"), QStringLiteral("-o"),
                              QStringLiteral("-"), bigOrigin, file});
    });
    info("read: system %.3f s, named-compilezone %.3f s\n", system, bind);
    return system / bind;
}

double benchSave(const Options &options, const QString &file)
{
    const PZone zone = bigZone(QStringLiteral("/etc/bind/bench.db"));
    writeFile(zone->file(), {});
    readZoneRecords(bigZone(file));
    PZone source = bigZone(file);
    readZoneRecords(source);
    zone->setRecords(source->records());
    const double system =
        medianSeconds(options.runs, [&] { ZoneStorage::saveZoneRecords(zone); });
    const double bind = medianSeconds(options.runs, [&] {
        runQuietly(zoneChecker, {QStringLiteral("-i"), QStringLiteral("full"), bigOrigin, file});
    });
    info("save: system %.3f s, named-checkzone %.3f s\n", system, bind);
    return system / bind;
}

double benchStartup(const Options &options, const QString &directory)
{
    const QString configuration =
        BenchData::manyZonesConfiguration(directory, options.zones, options.zoneRecords);
    const double system = medianSeconds(options.runs, [&] {
        ISCParser parser;
        HParser reader;
        const PNamedConf result = reader.parseZones(parser.parse(configuration));
        if (result->zones().size() != options.zones)
            qFatal("the reader listed %d zones", int(result->zones().size()));
    });
    const double sequential = medianSeconds(options.runs, [&] {
        for (int index = 0; index < options.zones; ++index)
            runQuietly(compiler, {QStringLiteral("-s"), QStringLiteral("full"),
                                  QStringLiteral("-o"), QStringLiteral("-"),
                                  BenchData::zoneName(index),
                                  QDir(directory).filePath(QStringLiteral("zone%1.db").arg(index))});
    });
    const double checkconf = medianSeconds(options.runs, [&] {
        runQuietly(confChecker, {QStringLiteral("-z"), configuration});
    });
    info("startup: system %.3f s, named-compilezone one by one %.3f s", system, sequential);
    std::printf(", named-checkconf -z %.3f s\n", checkconf);
    return system / sequential;
}

qint64 peakResidentKilobytes()
{
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return 0;
    for (const QByteArray &line : status.readAll().split('\n')) {
        if (line.startsWith("VmHWM:"))
            return line.mid(6).trimmed().split(' ').value(0).toLongLong();
    }
    return 0;
}

// Each measurement runs in a fresh process, so that nothing of another run stays resident.
qint64 childPeak(const QString &file)
{
    QProcess child;
    child.start(QCoreApplication::applicationFilePath(),
                {QStringLiteral("--memory-child"), file});
    child.waitForFinished(-1);
    return child.readAllStandardOutput().trimmed().toLongLong();
}

double benchMemory(const QString &file, const QString &emptyFile)
{
    const qint64 full = childPeak(file);
    const qint64 empty = childPeak(emptyFile);
    info("memory: peak %.1f MB holding the records, %.1f MB for an empty zone\n", full / 1024.0,
         empty / 1024.0);
    return (full - empty) / 1024.0;
}

double benchTable(const Options &options, const QString &file)
{
    PZone zone = bigZone(file);
    readZoneRecords(zone);
    const QList<PRecord> records = zone->records();
    std::vector<double> times;
    for (int run = 0; run < options.runs; ++run) {
        RecordModel model;
        QTableView view;
        view.resize(785, 520);
        view.setModel(&model);
        view.show();
        QCoreApplication::processEvents();
        times.push_back(seconds([&] {
            model.setRecords(records);
            view.viewport()->grab();
        }));
    }
    return median(times);
}

int memoryChild(const QString &file)
{
    PZone zone = bigZone(file);
    readZoneRecords(zone);
    std::printf("%lld\n", static_cast<long long>(peakResidentKilobytes()));
    return zone->records().isEmpty() && file.isEmpty() ? 1 : 0;
}

Options parseOptions(const QStringList &arguments)
{
    QCommandLineParser parser;
    const QCommandLineOption records(QStringLiteral("records"), QStringLiteral("Big zone size."),
                                     QStringLiteral("n"));
    const QCommandLineOption zones(QStringLiteral("zones"), QStringLiteral("Zones at start."),
                                   QStringLiteral("n"));
    const QCommandLineOption zoneRecords(QStringLiteral("zone-records"),
                                         QStringLiteral("Records per small zone."),
                                         QStringLiteral("n"));
    const QCommandLineOption runs(QStringLiteral("runs"), QStringLiteral("Runs per figure."),
                                  QStringLiteral("n"));
    parser.addOptions({records, zones, zoneRecords, runs});
    parser.addHelpOption();
    parser.process(arguments);
    Options options;
    if (parser.isSet(records))
        options.records = parser.value(records).toInt();
    if (parser.isSet(zones))
        options.zones = parser.value(zones).toInt();
    if (parser.isSet(zoneRecords))
        options.zoneRecords = parser.value(zoneRecords).toInt();
    if (parser.isSet(runs))
        options.runs = std::max(1, parser.value(runs).toInt());
    return options;
}

} // namespace

int main(int argc, char *argv[])
{
    if (argc == 3 && qstrcmp(argv[1], "--memory-child") == 0) {
        QCoreApplication application(argc, argv);
        return memoryChild(QString::fromLocal8Bit(argv[2]));
    }
    QString reason;
    if (!Sandbox::enter(&reason)) {
        std::fprintf(stderr, "The benchmark saves zones under /etc/bind and needs a private mount "
                             "namespace (run it as root): %s\n",
                     qPrintable(reason));
        return 1;
    }
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    const Options options = parseOptions(QCoreApplication::arguments());

    QTemporaryDir directory;
    const QString file = directory.filePath(QStringLiteral("big.db"));
    const QString emptyFile = directory.filePath(QStringLiteral("empty.db"));
    writeFile(file, BenchData::bigZone(options.records));
    writeFile(emptyFile, BenchData::bigZone(0));
    QDir().mkpath(directory.filePath(QStringLiteral("zones")));

    const double read = benchRead(options, file);
    const double save = benchSave(options, file);
    const double startup = benchStartup(options, directory.filePath(QStringLiteral("zones")));
    const double memory = benchMemory(file, emptyFile);
    const double table = benchTable(options, file);

    std::printf("read: %.2fx (target <= 1.25)\n", read);
    std::printf("save: %.2fx (target <= 1.25)\n", save);
    std::printf("startup: %.2fx (target <= 0.60)\n", startup);
    std::printf("memory: %.1f MB (target <= 60)\n", memory);
    std::printf("table: %.3f s (target <= 0.20)\n", table);
    return 0;
}
