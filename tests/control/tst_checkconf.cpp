#include "control/checkconf.h"
#include "tests/support/testmain.h"

#include <QDir>
#include <QSignalSpy>

namespace {
const QString checkConfProgram = QStringLiteral("/usr/bin/named-checkconf");

QByteArray corpusFile(const QString &name)
{
    return Sandbox::readFile(
        QDir(TestSupport::corpusDirectory()).filePath(QStringLiteral("checkconf/") + name));
}

// A stand-in checker that notes its arguments beside the sandbox and answers as told.
QByteArray standInScript(const QByteArray &body)
{
    const QByteArray log = QFile::encodeName(Sandbox::scratchDirectory()) + "/arguments";
    return "#!/bin/sh\necho \"$@\" > " + log + "\n" + body;
}
} // namespace

class TestCheckConf : public QObject
{
    Q_OBJECT

private slots:
    void init() { Sandbox::reset(); }

    void checkConf_corpusConfiguration_resultOfChecker_data()
    {
        QTest::addColumn<QString>("file");
        QTest::addColumn<bool>("ok");
        QTest::addColumn<QString>("reportPart");
        QTest::newRow("clean configuration passes with an empty report")
            << "good-acl.conf" << true << QString();
        QTest::newRow("configuration with a warning passes, the warning reported")
            << "good-kasp.conf" << true << "'inline-signing' default changed";
        QTest::newRow("bad address prefix fails with the checker's line")
            << "bad-acl.conf" << false << "address/prefix length mismatch";
        QTest::newRow("reserved policy name fails")
            << "bad-kasp-define-none.conf" << false << "dnssec-policy name may not be";
    }

    void checkConf_corpusConfiguration_resultOfChecker()
    {
        QFETCH(QString, file);
        QFETCH(bool, ok);
        QFETCH(QString, reportPart);
        Sandbox::writeFile(QStringLiteral("/etc/bind/named.conf"), corpusFile(file));

        const CheckResult result = CheckConf().checkConf();

        QCOMPARE(result.ok, ok);
        QVERIFY(result.completed);
        if (reportPart.isEmpty())
            QCOMPARE(result.report, QString());
        else
            QVERIFY2(result.report.contains(reportPart), qPrintable(result.report));
    }

    void checkConf_standIn_reportIsStandardOutputUpToZero_data()
    {
        QTest::addColumn<QByteArray>("body");
        QTest::addColumn<bool>("ok");
        QTest::addColumn<QString>("report");
        QTest::newRow("exit 0 passes") << QByteArray("echo fine\nexit 0\n") << true << "fine\n";
        QTest::newRow("exit 1 fails, standard error left out")
            << QByteArray("echo out\necho err >&2\nexit 1\n") << false << "out\n";
        QTest::newRow("output ends at the first zero byte")
            << QByteArray("printf 'before\\000after'\nexit 2\n") << false << "before";
        QTest::newRow("UTF-8 output is decoded") << QByteArray("printf '\\303\\244rger'\nexit 1\n")
                                                 << false << QString::fromUtf8("ärger");
    }

    void checkConf_standIn_reportIsStandardOutputUpToZero()
    {
        QFETCH(QByteArray, body);
        QFETCH(bool, ok);
        QFETCH(QString, report);
        Sandbox::replaceProgram(checkConfProgram, standInScript(body));

        const CheckResult result = CheckConf().checkConf();

        QCOMPARE(result.ok, ok);
        QCOMPARE(result.report, report);
        QCOMPARE(Sandbox::readFile(Sandbox::scratchDirectory() + QStringLiteral("/arguments")),
                 QByteArray("/etc/bind/named.conf\n"));
    }

    void checkConf_checkerDidNotRun_failsSayingWhy_data()
    {
        QTest::addColumn<bool>("missing");
        QTest::addColumn<QString>("reportPart");
        QTest::newRow("missing program is named") << true << "Failed to start " + checkConfProgram;
        QTest::newRow("killed program crashed") << false << "Process crashed";
    }

    void checkConf_checkerDidNotRun_failsSayingWhy()
    {
        QFETCH(bool, missing);
        QFETCH(QString, reportPart);
        Sandbox::writeFile(QStringLiteral("/etc/bind/named.conf"), corpusFile("good-acl.conf"));
        if (missing)
            Sandbox::removeProgram(checkConfProgram);
        else
            Sandbox::replaceProgram(checkConfProgram, "#!/bin/sh\nkill -KILL $$\n");

        const CheckResult result = CheckConf().checkConf();

        QVERIFY(!result.ok);
        QVERIFY(!result.completed);
        QVERIFY2(result.report.startsWith(reportPart), qPrintable(result.report));
    }

    void requestCheckConf_badConfiguration_confCheckedFalseWithReport()
    {
        Sandbox::writeFile(QStringLiteral("/etc/bind/named.conf"), corpusFile("bad-acl.conf"));
        CheckConf checker;
        QSignalSpy checked(&checker, &CheckConf::confChecked);
        QSignalSpy errors(&checker, &CheckConf::processError);

        checker.requestCheckConf();

        QVERIFY(checked.wait(10000));
        QCOMPARE(checked.at(0).at(0).toBool(), false);
        QVERIFY(checked.at(0).at(1).toString().contains("address/prefix length mismatch"));
        QCOMPARE(errors.count(), 0);
    }

    void requestCheckConf_programMissing_onlyFailedToStart()
    {
        Sandbox::removeProgram(checkConfProgram);
        CheckConf checker;
        QSignalSpy checked(&checker, &CheckConf::confChecked);
        QSignalSpy errors(&checker, &CheckConf::processError);

        checker.requestCheckConf();

        QTRY_COMPARE(errors.count(), 1);
        QTest::qWait(100);
        QCOMPARE(errors.count(), 1);
        QCOMPARE(errors.at(0).at(0).toString(), QStringLiteral("Failed to start"));
        QCOMPARE(checked.count(), 0);
    }

    void requestCheckConf_programKilled_crashedThenProcessCrashed()
    {
        Sandbox::replaceProgram(checkConfProgram, "#!/bin/sh\nkill -KILL $$\n");
        CheckConf checker;
        QSignalSpy checked(&checker, &CheckConf::confChecked);
        QSignalSpy errors(&checker, &CheckConf::processError);

        checker.requestCheckConf();

        QTRY_COMPARE(errors.count(), 2);
        QCOMPARE(errors.at(0).at(0).toString(), QStringLiteral("Crashed"));
        QCOMPARE(errors.at(1).at(0).toString(), QStringLiteral("Process crashed"));
        QCOMPARE(checked.count(), 0);
    }

    void requestCheckConf_whileRunning_onlyFirstResultArrives()
    {
        Sandbox::replaceProgram(checkConfProgram,
                                standInScript("sleep 0.3\necho \"run $$\"\nexit 0\n"));
        CheckConf checker;
        QSignalSpy checked(&checker, &CheckConf::confChecked);

        checker.requestCheckConf();
        // Qt's setArguments names setProgram in its warning.
        QTest::ignoreMessage(QtWarningMsg, "QProcess::setProgram: Process is already running");
        QTest::ignoreMessage(QtWarningMsg, "QProcess::start: Process is already running");
        checker.requestCheckConf();

        QVERIFY(checked.wait(10000));
        QTest::qWait(600);
        QCOMPARE(checked.count(), 1);
        QVERIFY(checked.at(0).at(0).toBool());
    }
};

TAMZOR_SANDBOX_TEST_MAIN(TestCheckConf)
#include "tst_checkconf.moc"
