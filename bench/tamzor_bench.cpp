// Measures the system's reading, saving, start-up, memory and record table against BIND's own
// programs on the same generated data, and what a user feels of the window: how soon it is there,
// how long the loop that paints it ever stalls, how quickly the record filter answers a key.
// Prints one ratio or figure per line.
#include "app/mainwindow.h"
#include "benchdata.h"
#include "common/errorstackexception.h"
#include "common/paths.h"
#include "control/compilezone.h"
#include "control/programrun.h"
#include "control/zonejudge.h"
#include "core/serverzones.h"
#include "models/recordmodel.h"
#include "models/recordsortfiltermodel.h"
#include "records/record.h"
#include "storage/zonestorage.h"
#include "tests/support/sandbox.h"

#include <QAction>
#include <QApplication>
#include <QCommandLineParser>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QHeaderView>
#include <QMessageBox>
#include <QProcess>
#include <QProgressBar>
#include <QPushButton>
#include <QTableView>
#include <QTemporaryDir>
#include <QTest>
#include <QThread>
#include <QTimer>

#include <algorithm>
#include <cstdio>
#include <functional>
#include <map>
#include <vector>

namespace {

const QString bigOrigin = QStringLiteral("bench.example.");
const QString compiler = QStringLiteral("/usr/bin/named-compilezone");
const QString zoneChecker = QStringLiteral("/usr/bin/named-checkzone");
const QString confChecker = QStringLiteral("/usr/bin/named-checkconf");
const QString savedZoneFile = QStringLiteral("/etc/bind/bench.db");
const QString editedZoneFile = QStringLiteral("/etc/bind/edited.db");
const char windowChildOption[] = "--window-child";
const char windowPainted[] = "painted";
// The stall meter's tick: an idle loop shows gaps of this length.
const int stallTick = 10;
// Typed into the record filter and taken back again, key by key.
const QStringList filterKeys = {
    QStringLiteral("h"),     QStringLiteral("ho"),    QStringLiteral("hos"),
    QStringLiteral("host"),  QStringLiteral("host1"), QStringLiteral("host12"),
    QStringLiteral("host1"), QStringLiteral("host"),  QStringLiteral("hos"),
    QStringLiteral("ho"),    QStringLiteral("h"),     QString()};

struct Options
{
    int records = 100000;
    int zones = 500;
    int zoneRecords = 20;
    int windowZones = 5000;
    int runs = 5;
    QStringList only;
};

struct Figure
{
    const char *name;
    const char *format;
    std::function<double()> measure;
};

using Work = std::function<void()>;

// What is measured, and what is undone after each run outside the clock (freeing the records
// that a read left behind, which an application keeps until it ends).
struct Contender
{
    Work work;
    Work undo = [] {};
};

double median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    const size_t middle = values.size() / 2;
    return values.size() % 2 ? values[middle] : (values[middle - 1] + values[middle]) / 2;
}

double seconds(const Work &work)
{
    QElapsedTimer timer;
    timer.start();
    work();
    return timer.nsecsElapsed() / 1e9;
}

// The contenders take turns run by run, so that a burst of load from elsewhere on the machine
// falls on all of them alike; one warm-up round fills the page cache first.
std::vector<double> medianSeconds(int runs, const std::vector<Contender> &contenders)
{
    for (const Contender &contender : contenders) {
        contender.work();
        contender.undo();
    }
    std::vector<std::vector<double>> times(contenders.size());
    for (int run = 0; run < runs; ++run) {
        for (size_t index = 0; index < contenders.size(); ++index) {
            times[index].push_back(seconds(contenders[index].work));
            contenders[index].undo();
        }
    }
    std::vector<double> medians;
    for (const std::vector<double> &series : times)
        medians.push_back(median(series));
    return medians;
}

// Spawned as the system spawns its own programs: a fork here would make the system's next writes
// to every page of this process fault, and charge the system for the harness.
void runQuietly(const QString &program, const QStringList &arguments)
{
    const ProgramResult result = ProgramRun::run(program, arguments);
    if (!result.succeeded())
        qFatal("%s failed on %s", qPrintable(program), qPrintable(arguments.join(' ')));
}

QStringList compilerArguments(const QString &zoneName, const QString &file)
{
    return {QStringLiteral("-s"),
            QStringLiteral("full"),
            QStringLiteral("-o"),
            QStringLiteral("-"),
            zoneName,
            file};
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

PZone readBigZone(const QString &file, int expected)
{
    PZone zone = bigZone(file);
    readZoneRecords(zone);
    if (zone->records().size() < expected)
        qFatal("the reader found %d records", int(zone->records().size()));
    return zone;
}

// The zone file text the system writes, one record line each.
QByteArray zoneText(const QVector<PRecord> &records)
{
    QString text;
    for (const PRecord &record : records)
        text += record->toString() + QLatin1Char('\n');
    return text.toUtf8();
}

double benchRead(const Options &options, const QString &file)
{
    PZone held;
    const std::vector<double> times = medianSeconds(
        options.runs, {{[&] { held = readBigZone(file, options.records); }, [&] { held.reset(); }},
                       {[&] { runQuietly(compiler, compilerArguments(bigOrigin, file)); }}});
    std::printf("read: system %.3f s, named-compilezone %.3f s\n", times[0], times[1]);
    return times[0] / times[1];
}

double benchSave(const Options &options, const QString &file, const QString &directory)
{
    const PZone zone = bigZone(savedZoneFile);
    zone->setRecords(readBigZone(file, options.records)->records());
    const QString written = QDir(directory).filePath(QStringLiteral("written.db"));
    writeFile(written, zoneText(zone->records()));
    const std::vector<double> times = medianSeconds(
        options.runs, {{[&] { ZoneStorage::saveZoneRecords(zone); }}, {[&] {
                           runQuietly(zoneChecker, {QStringLiteral("-i"), QStringLiteral("full"),
                                                    bigOrigin, written});
                       }}});
    if (Sandbox::readFile(savedZoneFile) != Sandbox::readFile(written))
        qFatal("the saved zone file is not the records' text");
    std::printf("save: system %.3f s, named-checkzone %.3f s\n", times[0], times[1]);
    return times[0] / times[1];
}

// One record's address changed back and forth in the big zone's own file, against the checker on
// the same file.
double benchEdit(const Options &options, const QString &file)
{
    const QByteArray text = Sandbox::readFile(file);
    Sandbox::writeFile(editedZoneFile, text);
    const PZone zone = readBigZone(editedZoneFile, options.records);
    const int index = int(zone->records().size()) / 2;
    PRecord edited = zone->records().at(index);
    const auto edit = [&] {
        const QVector<PRecord> before = zone->records();
        const PRecord replacement(edited->clone());
        replacement->setTtl(edited->ttl() == 3600 ? 7200 : 3600);
        QVector<PRecord> records = before;
        records.replace(index, replacement);
        zone->setRecords(records);
        ZoneStorage::saveZoneRecords(zone, before);
        edited = replacement;
    };
    // BIND's verdict alone: the compiler loads the text as named would and prints the records,
    // which are read and dropped. No edit that BIND judges can cost less.
    const auto verdict = [&] {
        ZoneJudge judge(bigOrigin, QString(), QStringLiteral("fail"));
        const CheckResult result = judge.judge(
            Sandbox::readFile(editedZoneFile), [] {}, [](const QString &) {});
        if (!result.ok)
            qFatal("the compiler refuses the edited zone: %s", qPrintable(result.report));
    };
    const std::vector<double> times = medianSeconds(
        options.runs, {{edit},
                       {[&] {
                           runQuietly(zoneChecker, {QStringLiteral("-i"), QStringLiteral("full"),
                                                    bigOrigin, editedZoneFile});
                       }},
                       {verdict}});
    const QList<QByteArray> lines = text.split('\n');
    const QList<QByteArray> editedLines = Sandbox::readFile(editedZoneFile).split('\n');
    int changed = 0;
    for (int line = 0; line < lines.size() && lines.size() == editedLines.size(); ++line)
        changed += lines.at(line) != editedLines.at(line) ? 1 : 0;
    if (lines.size() != editedLines.size() || changed > 1)
        qFatal("the edits changed more than one line");
    std::printf("edit: system %.3f s, named-checkzone %.3f s, verdict %.3f s\n", times[0], times[1],
                times[2]);
    std::printf("edit floor: %.2fx (BIND's verdict alone, which no judged edit can beat)\n",
                times[2] / times[1]);
    return times[0] / times[1];
}

QStringList smallZoneCompilerArguments(const QString &directory, int index)
{
    return compilerArguments(BenchData::zoneName(index),
                             QDir(directory).filePath(BenchData::zoneFile(index)));
}

// The compilers' arguments, one zone a line, for xargs.
QString writeCompilerList(const QString &directory, int zones)
{
    QByteArray lines;
    for (int index = 0; index < zones; ++index)
        lines += smallZoneCompilerArguments(directory, index).join(' ').toUtf8() + '\n';
    const QString list = QDir(directory).filePath(QStringLiteral("compilers.list"));
    writeFile(list, lines);
    return list;
}

// The compilers alone, as many at once as there are processors: the least that reading every
// zone can cost on this machine.
void compileSideBySide(const QString &list)
{
    runQuietly(QStringLiteral("/usr/bin/xargs"),
               {QStringLiteral("-a"), list, QStringLiteral("-L"), QStringLiteral("1"),
                QStringLiteral("-P"), QString::number(QThread::idealThreadCount()), compiler});
}

// Makes the server's configuration include the generated zones, and the big zone when given.
void useConfiguration(const QString &zonesConfiguration, const QString &bigZoneFile = QString())
{
    QByteArray text = "include \"" + QFile::encodeName(zonesConfiguration) + "\";\n";
    if (!bigZoneFile.isEmpty()) {
        Sandbox::writeFile(savedZoneFile, Sandbox::readFile(bigZoneFile));
        text += "zone \"" + bigOrigin.toUtf8() + "\" { type master; file \"" +
                savedZoneFile.toUtf8() + "\"; };\n";
    }
    Sandbox::writeFile(Paths::serverConfiguration(), text);
}

// All records of the small zones read, as the window reads them.
void loadInBackground(int zones)
{
    ServerZones server;
    server.setBackgroundWork(true);
    QEventLoop loop;
    QObject::connect(&server, &ServerZones::loadFinished, &loop, &QEventLoop::quit);
    server.load();
    loop.exec();
    if (server.zones().size() != zones || server.zones().last()->records().isEmpty())
        qFatal("the window's reading listed %d zones", int(server.zones().size()));
}

double benchLoaded(const Options &options, const QString &directory)
{
    useConfiguration(
        BenchData::manyZonesConfiguration(directory, options.zones, options.zoneRecords));
    const QString list = writeCompilerList(directory, options.zones);
    const std::vector<double> times =
        medianSeconds(options.runs, {{[&] { loadInBackground(options.zones); }},
                                     {[&] { compileSideBySide(list); }}});
    std::printf("loaded: %d zones in %.3f s, named-compilezone %d at a time by xargs %.3f s\n",
                options.zones, times[0], QThread::idealThreadCount(), times[1]);
    return times[0] / times[1];
}

void waitFor(const std::function<bool()> &done)
{
    if (!QTest::qWaitFor(done, 600000))
        qFatal("the window did not finish");
}

// From the program's start, in a process of its own as the application starts, to the first
// picture of a window that lists every zone and takes commands; the records come later.
double windowSeconds(int zones)
{
    QProcess child;
    child.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    QElapsedTimer clock;
    clock.start();
    child.start(QCoreApplication::applicationFilePath(),
                {QLatin1String(windowChildOption), QString::number(zones)});
    while (!child.canReadLine() && child.waitForReadyRead(-1)) {
    }
    const double elapsed = clock.nsecsElapsed() / 1e9;
    if (child.readLine().trimmed() != windowPainted)
        qFatal("the window was not painted");
    child.waitForFinished(-1);
    return elapsed;
}

int windowChild(int zones)
{
    MainWindow window;
    window.showAndRead();
    const QAbstractItemModel *listed =
        window.findChild<QTableView *>(QStringLiteral("tableViewZone"))->model();
    waitFor([&] { return window.isEnabled() && listed->rowCount() == zones; });
    if (window.grab().isNull())
        qFatal("the window was not painted");
    std::printf("%s\n", windowPainted);
    std::fflush(stdout);
    return 0;
}

double benchWindow(const Options &options, const QString &directory)
{
    useConfiguration(
        BenchData::manyZonesConfiguration(directory, options.windowZones, options.zoneRecords));
    std::vector<double> times;
    windowSeconds(options.windowZones);
    for (int run = 0; run < options.runs; ++run)
        times.push_back(windowSeconds(options.windowZones));
    std::printf("window: %d zones listed and painted in %.3f s\n", options.windowZones,
                median(times));
    return median(times);
}

// The longest time between two ticks of a timer on the event loop.
class StallMeter
{
public:
    StallMeter()
    {
        m_timer.setTimerType(Qt::PreciseTimer);
        QObject::connect(&m_timer, &QTimer::timeout, [this] { tick(); });
    }

    void start()
    {
        m_longest = 0;
        m_clock.start();
        m_last = 0;
        m_timer.start(stallTick);
    }

    qint64 stop()
    {
        tick();
        m_timer.stop();
        return m_longest;
    }

private:
    void tick()
    {
        const qint64 now = m_clock.elapsed();
        m_longest = std::max(m_longest, now - m_last);
        m_last = now;
    }

    QTimer m_timer;
    QElapsedTimer m_clock;
    qint64 m_last = 0;
    qint64 m_longest = 0;
};

// Presses Yes, or else OK, in every message box that opens; counts them.
class BoxAnswerer
{
public:
    BoxAnswerer()
    {
        QObject::connect(&m_timer, &QTimer::timeout, [this] {
            auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
            if (!box || !box->isVisible())
                return;
            QAbstractButton *button = box->button(QMessageBox::Yes);
            (button ? button : box->button(QMessageBox::Ok))->click();
            ++answered;
        });
        m_timer.start(5);
    }

    int answered = 0;

private:
    QTimer m_timer;
};

void selectRow(MainWindow &window, const QString &table, int row)
{
    auto *view = window.findChild<QTableView *>(QStringLiteral("tableView") + table);
    view->selectRow(row);
    QCoreApplication::processEvents();
}

double benchStall(const Options &options, const QString &directory, const QString &bigZoneFile)
{
    useConfiguration(
        BenchData::manyZonesConfiguration(directory, options.zones, options.zoneRecords),
        bigZoneFile);
    std::vector<qint64> startUp, save, check;
    for (int run = 0; run < options.runs; ++run) {
        StallMeter meter;
        BoxAnswerer answerer;
        meter.start();
        MainWindow window;
        window.showAndRead();
        const auto *progress = window.findChild<QProgressBar *>();
        waitFor([&window, progress] { return window.isEnabled() && progress->isHidden(); });
        startUp.push_back(meter.stop());

        selectRow(window, QStringLiteral("Zone"), options.zones);
        // The first alias: nothing points to it, so the zone stays sound without it.
        selectRow(window, QStringLiteral("Record"), 2);
        meter.start();
        window.findChild<QAction *>(QStringLiteral("actionRemoveRecord"))->trigger();
        save.push_back(meter.stop());

        const int before = answerer.answered;
        meter.start();
        window.findChild<QAction *>(QStringLiteral("actionCheckZone"))->trigger();
        waitFor([&answerer, before] { return answerer.answered > before; });
        check.push_back(meter.stop());
        if (answerer.answered != 2)
            qFatal("the window showed %d boxes", answerer.answered);
        Sandbox::writeFile(savedZoneFile, Sandbox::readFile(bigZoneFile));
    }
    std::printf("stall: longest %.0f ms starting with %d zones and one of %d records, %.0f ms "
                "saving that zone, %.0f ms checking it\n",
                double(*std::max_element(startUp.begin(), startUp.end())), options.zones + 1,
                options.records, double(*std::max_element(save.begin(), save.end())),
                double(*std::max_element(check.begin(), check.end())));
    return double(std::max({*std::max_element(startUp.begin(), startUp.end()),
                            *std::max_element(save.begin(), save.end()),
                            *std::max_element(check.begin(), check.end())}));
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
    child.start(QCoreApplication::applicationFilePath(), {QStringLiteral("--memory-child"), file});
    if (!child.waitForFinished(-1) || child.exitCode() != 0)
        qFatal("the memory run on %s failed", qPrintable(file));
    return child.readAllStandardOutput().trimmed().toLongLong();
}

double benchMemory(const QString &file, const QString &emptyFile)
{
    const qint64 full = childPeak(file);
    const qint64 empty = childPeak(emptyFile);
    std::printf("memory: peak %.1f MB holding the records, %.1f MB for an empty zone\n",
                full / 1024.0, empty / 1024.0);
    return (full - empty) / 1024.0;
}

// Set up as the main window sets up its record table: sorted in DNS order, filtered.
struct RecordTable
{
    RecordTable()
    {
        table.setSourceModel(&model);
        view.setFrameShape(QFrame::NoFrame);
        view.setEditTriggers(QAbstractItemView::NoEditTriggers);
        view.setSelectionMode(QAbstractItemView::SingleSelection);
        view.setSelectionBehavior(QAbstractItemView::SelectRows);
        view.verticalHeader()->hide();
        view.horizontalHeader()->setStretchLastSection(true);
        view.resize(960, 600);
        view.setModel(&table);
        view.horizontalHeader()->setSortIndicator(RecordModel::NameColumn, Qt::AscendingOrder);
        view.setSortingEnabled(true);
        view.show();
        QCoreApplication::processEvents();
    }

    // Until the table has taken the change and painted what it shows.
    void show(const std::function<void()> &change)
    {
        change();
        QCoreApplication::processEvents();
        if (view.viewport()->grab().isNull())
            qFatal("the record table was not painted");
    }

    RecordModel model;
    RecordSortFilterModel table;
    QTableView view;
};

double benchTable(const Options &options, const QString &file)
{
    const QVector<PRecord> records = readBigZone(file, options.records)->records();
    std::vector<double> times;
    for (int run = 0; run < options.runs; ++run) {
        RecordTable table;
        times.push_back(seconds([&] { table.show([&] { table.model.setRecords(records); }); }));
    }
    return median(times);
}

// The slowest key of the filter typed and taken back, until the table shows the result.
double benchFilter(const Options &options, const QString &file)
{
    const QVector<PRecord> records = readBigZone(file, options.records)->records();
    std::vector<double> slowest;
    for (int run = 0; run < options.runs; ++run) {
        RecordTable table;
        table.show([&] { table.model.setRecords(records); });
        double longest = 0;
        for (const QString &text : filterKeys)
            longest = std::max(
                longest, seconds([&] { table.show([&] { table.table.setFilterText(text); }); }));
        if (table.table.rowCount() != records.size())
            qFatal("the filter left %d records", table.table.rowCount());
        slowest.push_back(longest * 1000);
    }
    return median(slowest);
}

int memoryChild(const QString &file)
{
    PZone zone = bigZone(file);
    readZoneRecords(zone);
    std::printf("%lld\n", static_cast<long long>(peakResidentKilobytes()));
    return 0;
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
    const QCommandLineOption windowZones(QStringLiteral("window-zones"),
                                         QStringLiteral("Zones for the window's start."),
                                         QStringLiteral("n"));
    const QCommandLineOption runs(QStringLiteral("runs"), QStringLiteral("Runs per figure."),
                                  QStringLiteral("n"));
    const QCommandLineOption only(
        QStringLiteral("only"),
        QStringLiteral("Measure only these figures (read, save, edit, window, loaded, stall, "
                       "filter, memory, table), separated by commas."),
        QStringLiteral("figures"));
    parser.addOptions({records, zones, zoneRecords, windowZones, runs, only});
    parser.addHelpOption();
    parser.process(arguments);
    Options options;
    if (parser.isSet(records))
        options.records = parser.value(records).toInt();
    if (parser.isSet(zones))
        options.zones = parser.value(zones).toInt();
    if (parser.isSet(zoneRecords))
        options.zoneRecords = parser.value(zoneRecords).toInt();
    if (parser.isSet(windowZones))
        options.windowZones = parser.value(windowZones).toInt();
    if (parser.isSet(runs))
        options.runs = std::max(1, parser.value(runs).toInt());
    if (parser.isSet(only))
        options.only = parser.value(only).split(QLatin1Char(','));
    return options;
}

} // namespace

int main(int argc, char *argv[])
{
    if (argc == 3 && qstrcmp(argv[1], "--memory-child") == 0) {
        QCoreApplication application(argc, argv);
        return memoryChild(QString::fromLocal8Bit(argv[2]));
    }
    // Started in the parent's private /etc/bind, which lists the zones to show.
    if (argc == 3 && qstrcmp(argv[1], windowChildOption) == 0) {
        QApplication application(argc, argv);
        return windowChild(QByteArray(argv[2]).toInt());
    }
    QString reason;
    if (!Sandbox::enter(&reason)) {
        std::fprintf(stderr,
                     "The benchmark saves zones under /etc/bind and needs a private mount "
                     "namespace (run it as root): %s\n",
                     qPrintable(reason));
        return 1;
    }
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    // Line by line, so that the figures stay last even when standard error shares the output.
    std::setvbuf(stdout, nullptr, _IOLBF, 0);
    const Options options = parseOptions(QCoreApplication::arguments());

    QTemporaryDir directory;
    const QString file = directory.filePath(QStringLiteral("big.db"));
    const QString emptyFile = directory.filePath(QStringLiteral("empty.db"));
    writeFile(file, BenchData::bigZone(options.records));
    writeFile(emptyFile, BenchData::bigZone(0));
    for (const char *folder : {"zones", "window", "stall"})
        QDir().mkpath(directory.filePath(QLatin1String(folder)));

    const std::vector<Figure> figures = {
        {"read", "read: %.2fx (target <= 1.25)\n", [&] { return benchRead(options, file); }},
        {"save", "save: %.2fx (target <= 1.25)\n",
         [&] { return benchSave(options, file, directory.path()); }},
        {"edit", "edit: %.2fx (<= 1.10)\n", [&] { return benchEdit(options, file); }},
        {"window", "window: %.2f s (target <= 0.50)\n",
         [&] { return benchWindow(options, directory.filePath(QStringLiteral("window"))); }},
        {"loaded", "loaded: %.2fx (target <= 1.10)\n",
         [&] { return benchLoaded(options, directory.filePath(QStringLiteral("zones"))); }},
        {"stall", "stall: %.0f ms (target <= 100)\n",
         [&] { return benchStall(options, directory.filePath(QStringLiteral("stall")), file); }},
        {"filter", "filter: %.0f ms (target <= 50)\n", [&] { return benchFilter(options, file); }},
        {"memory", "memory: %.1f MB (target <= 60)\n",
         [&] { return benchMemory(file, emptyFile); }},
        {"table", "table: %.3f s (target <= 0.20)\n", [&] { return benchTable(options, file); }},
    };
    // Reading the zones goes first, while this process is as small as the application is when
    // it starts: every compiler is forked from it, and a fork costs more the more it holds.
    std::vector<const Figure *> order;
    for (const Figure &figure : figures) {
        if (options.only.isEmpty() || options.only.contains(QLatin1String(figure.name)))
            order.push_back(&figure);
    }
    std::stable_partition(order.begin(), order.end(), [](const Figure *figure) {
        return qstrcmp(figure->name, "loaded") == 0 || qstrcmp(figure->name, "window") == 0;
    });
    std::map<const Figure *, double> results;
    try {
        for (const Figure *figure : order)
            results[figure] = figure->measure();
    } catch (const ErrorStackException &e) {
        std::fprintf(stderr, "%s\n", qPrintable(e.text()));
        return 1;
    }
    for (const Figure &figure : figures) {
        if (results.count(&figure))
            std::printf(figure.format, results[&figure]);
    }
    return 0;
}
