#include "control/checkconf.h"
#include "control/checkzone.h"
#include "control/programrun.h"
#include "tests/support/testmain.h"

#include <QDir>

namespace {

// The check's verdict, then what the background check emits, in order: "ok: <report>",
// "failed: <report>" or "error: <text>", once an event came and a moment passed for any stray
// one. `zone` picks CheckZone, otherwise CheckConf.
std::pair<CheckResult, QStringList> check(bool zone, const QString &file)
{
    QStringList events;
    const auto checked = [&](bool ok, const QString &report) {
        events.append((ok ? "ok: " : "failed: ") + report);
    };
    const auto error = [&](const QString &text) { events.append("error: " + text); };
    CheckConf conf;
    CheckZone zoneChecker;
    QObject::connect(&conf, &CheckConf::confChecked, checked);
    QObject::connect(&zoneChecker, &CheckZone::zoneChecked, checked);
    QObject::connect(&conf, &CheckConf::processError, error);
    QObject::connect(&zoneChecker, &CheckZone::processError, error);
    const QString name = QStringLiteral("example.");
    const CheckResult result = zone ? zoneChecker.checkZone(name, file) : conf.checkConf();
    zone ? zoneChecker.requestCheckZone(name, file) : conf.requestCheckConf();
    if (QTest::qWaitFor([&] { return !events.isEmpty(); }, 10000))
        QTest::qWait(100);
    return {result, events};
}

} // namespace

class TestCheckers : public QObject
{
    Q_OBJECT

private slots:
    void init() { Sandbox::reset(); }

    void check_corpusInput_verdictAndReportOfTheRealChecker_data()
    {
        QTest::addColumn<bool>("zone");
        QTest::addColumn<QString>("file");
        QTest::addColumn<bool>("ok");
        QTest::addColumn<QString>("reportPart");
        QTest::newRow("conf: clean configuration passes")
            << false << "good-acl.conf" << true << QString();
        QTest::newRow("conf: bad address prefix fails with the checker's line")
            << false << "bad-acl.conf" << false << "address/prefix length mismatch";
        QTest::newRow("zone: good zone passes with the loaded serial")
            << true << "good1.db" << true << "zone example/IN: loaded serial 2011012708";
        QTest::newRow("zone: extra input text fails")
            << true << "bad1.db" << false << "extra input text";
    }

    void check_corpusInput_verdictAndReportOfTheRealChecker()
    {
        QFETCH(bool, zone);
        QFETCH(QString, file);
        QFETCH(bool, ok);
        QFETCH(QString, reportPart);
        // A zone file is checked where it lies; a configuration where the server keeps it.
        const QString input = QDir(TestSupport::corpusDirectory())
                                  .filePath((zone ? "checkzone/" : "checkconf/") + file);
        if (!zone)
            Sandbox::writeFile(QStringLiteral("/etc/bind/named.conf"), Sandbox::readFile(input));

        const auto [result, events] = check(zone, input);

        QVERIFY(result.completed);
        QCOMPARE(result.ok, ok);
        QVERIFY2(result.report.contains(reportPart), qPrintable(result.report));
        QCOMPARE(events, QStringList((ok ? "ok: " : "failed: ") + result.report));
        if (zone) {
            // The text alone is judged alike, under the name of the standard input.
            const CheckResult text =
                CheckZone().checkText(QStringLiteral("example."), Sandbox::readFile(input));
            QCOMPARE(text.ok, ok);
            QCOMPARE(text.report, QString(result.report).replace(input, ProgramRun::inputPath()));
        }
    }

    // A checker that refuses the first line ends long before it could read the rest: the text
    // left unread must neither hold the check up nor end this program.
    void checkText_refusedAtOnce_verdictWithoutWaiting()
    {
        const QByteArray filler = QByteArray(100, 'x').prepend(';').append('\n');
        const QByteArray text = "$NOSUCH directive\n" + filler.repeated(80000);

        const CheckResult result = CheckZone().checkText(QStringLiteral("example."), text);

        QVERIFY(result.completed);
        QVERIFY(!result.ok);
        QVERIFY2(result.report.contains(ProgramRun::inputPath() + ":1: unknown $ directive"),
                 qPrintable(result.report));
    }

    // The background check must tell the same, once.
    void check_standIn_reportIsStandardOutputUpToZeroOrWhyItDidNotRun_data()
    {
        QTest::addColumn<bool>("zone");
        QTest::addColumn<QByteArray>("script");
        QTest::addColumn<QString>("verdict"); // ok, failed, or error: nothing judged
        QTest::addColumn<QString>("report");  // "..." at the end: the start of the text
        QTest::newRow("conf: exit 1 fails, standard error left out")
            << false << QByteArray("echo out\necho err >&2\nexit 1\n") << "failed"
            << "out\n";
        QTest::newRow("zone: exit 0 passes, output ends at the first zero byte")
            << true << QByteArray("printf 'before\\000after'\n") << "ok"
            << "before";
        QTest::newRow("zone: UTF-8 output is decoded")
            << true << QByteArray("printf '\\303\\244rger'\nexit 1\n") << "failed"
            << QString::fromUtf8("ärger");
        QTest::newRow("conf: a checker reading its input finds it ended")
            << false << QByteArray("read -r -t 5 line; echo \"read ended with $?\"\n") << "ok"
            << "read ended with 1\n";
        QTest::newRow("zone: a program the checker leaves running holds its pipes, not the verdict")
            << true << QByteArray("echo fine\nsleep 20 &\n") << "ok"
            << "fine\n";
        QTest::newRow("conf: missing program is named")
            << false << QByteArray("missing") << "error"
            << "/usr/bin/named-checkconf could not be started: ...";
        QTest::newRow("zone: crashing program crashed")
            << true << QByteArray("kill -SEGV $$\n") << "error"
            << "/usr/bin/named-checkzone crashed";
    }

    void check_standIn_reportIsStandardOutputUpToZeroOrWhyItDidNotRun()
    {
        QFETCH(bool, zone);
        QFETCH(QByteArray, script);
        QFETCH(QString, verdict);
        QFETCH(QString, report);
        const QString log = TestSupport::standIn(
            QStringLiteral("/usr/bin/named-check") + (zone ? "zone" : "conf"), script);
        const QString input = QStringLiteral("/tmp/a b.db");

        const auto [result, seen] = check(zone, input);

        QCOMPARE(seen, QStringList(verdict + ": " + result.report));
        QCOMPARE(result.completed, verdict != "error");
        QCOMPARE(result.ok, verdict == "ok");
        QVERIFY2(TestSupport::fits(result.report, report), qPrintable(result.report));
        if (script != "missing")
            QCOMPARE(Sandbox::readFile(log), zone ? QByteArray("-i full example. /tmp/a b.db\n")
                                                  : QByteArray("/etc/bind/named.conf\n"));
    }
};

TAMZOR_SANDBOX_TEST_MAIN(TestCheckers)
#include "tst_checkers.moc"
