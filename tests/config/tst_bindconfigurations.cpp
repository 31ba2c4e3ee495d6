#include "config/hparser.h"
#include "config/iscparser.h"
#include "records/record.h"
#include "tests/support/testmain.h"

#include <QDir>
#include <QProcess>
#include <QRegularExpression>
#include <QSignalSpy>

#include <algorithm>

namespace {

struct Reading
{
    QStringList zones; // "name class view type"
    QStringList errors;
};

Reading readConfiguration(const QString &path)
{
    HParser reader;
    QSignalSpy errors(&reader, &HParser::error);
    Reading reading;
    for (const PZone &zone : reader.parseZones(ISCParser().parse(path))->zones())
        reading.zones << QStringList{zone->name(), zone->zoneClass().toUpper(), zone->view(),
                                     zone->type()}
                             .join(' ');
    for (const QList<QVariant> &arguments : errors)
        reading.errors << arguments.at(0).toString();
    return reading;
}

} // namespace

class TestBindConfigurations : public QObject
{
    Q_OBJECT

private slots:
    void init() { Sandbox::reset(); }

    void corpusConfiguration_zonesAgreeWithChecker_data()
    {
        QTest::addColumn<QString>("fileName");
        const QDir corpus(TestSupport::corpusDirectory() + QStringLiteral("/checkconf"));
        const QStringList files = corpus.entryList({QStringLiteral("good*.conf")}, QDir::Files);
        if (files.isEmpty())
            QSKIP("the corpus of BIND's configurations is not there");
        for (const QString &file : files)
            QTest::newRow(qPrintable(file)) << corpus.filePath(file);
        // Ours, with views as administrators write them, beside BIND's.
        const QDir views(TestSupport::corpusDirectory() + QStringLiteral("/../../views"));
        for (const QString &file : views.entryList({QStringLiteral("*.conf")}, QDir::Files))
            QTest::newRow(qPrintable("views/" + file)) << views.filePath(file);
    }

    // The corpus names zone files that do not exist, so a stand-in compiler accepts every zone
    // file with no records: what is compared is the list of zone statements, views included, not
    // the zone files.
    void corpusConfiguration_zonesAgreeWithChecker()
    {
        QFETCH(QString, fileName);
        Sandbox::replaceProgram(QStringLiteral("/usr/bin/named-compilezone"), "#!/bin/sh\n");

        // "name class view type" lines; the checker's warnings ("file:line: text") are skipped.
        // Top-level zones are its `_default` view; it prints the type word as written.
        // Debian's default zones, which the views include.
        Sandbox::installDebianDefaults();
        QProcess checker;
        checker.setWorkingDirectory(QFileInfo(fileName).absolutePath());
        checker.start(QStringLiteral("/usr/bin/named-checkconf"), {QStringLiteral("-l"), fileName});
        QVERIFY(checker.waitForFinished(-1));
        static const QRegularExpression zoneLine(
            QStringLiteral("^([^ :]+) (\\S+) (\\S+) (master|slave|primary|secondary)$"));
        QStringList expected;
        for (const QString &line : QString::fromUtf8(checker.readAllStandardOutput()).split('\n')) {
            const QRegularExpressionMatch match = zoneLine.match(line);
            if (!match.hasMatch())
                continue;
            const QString view =
                match.captured(3) == QLatin1String("_default") ? QString() : match.captured(3);
            expected << QStringList{match.captured(1), match.captured(2).toUpper(), view,
                                    match.captured(4)}
                            .join(' ');
        }
        QVERIFY(!expected.isEmpty() || QFileInfo(fileName).fileName() != "good.conf");

        Reading reading;
        QCOMPARE(TestSupport::failureOf([&] { reading = readConfiguration(fileName); }), QString());
        QVERIFY2(reading.errors.isEmpty(), qPrintable(reading.errors.join('\n')));
        QCOMPARE(reading.zones.size(), expected.size());
        auto next = expected.cbegin();
        for (const QString &zone : reading.zones) {
            next = std::find(next, expected.cend(), zone);
            QVERIFY2(next != expected.cend(), qPrintable(zone + " missing or out of order"));
            ++next;
        }
    }
};

TAMZOR_SANDBOX_TEST_MAIN(TestBindConfigurations)
#include "tst_bindconfigurations.moc"
