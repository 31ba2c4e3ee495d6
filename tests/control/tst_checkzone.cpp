#include "control/checkzone.h"
#include "tests/support/testmain.h"

#include <QDir>
#include <QSignalSpy>

namespace {
const QString checkZoneProgram = QStringLiteral("/usr/bin/named-checkzone");

QString corpusZone(const QString &name)
{
    return QDir(TestSupport::corpusDirectory()).filePath(QStringLiteral("checkzone/") + name);
}

QString argumentsLog()
{
    return QDir(Sandbox::scratchDirectory()).filePath(QStringLiteral("arguments"));
}
} // namespace

class TestCheckZone : public QObject
{
    Q_OBJECT

private slots:
    void init() { Sandbox::reset(); }

    void checkZone_corpusZone_resultOfChecker_data()
    {
        QTest::addColumn<QString>("file");
        QTest::addColumn<bool>("ok");
        QTest::addColumn<QString>("reportPart");
        QTest::newRow("good zone passes with the loaded serial")
            << "good1.db" << true << "zone example/IN: loaded serial 2011012708";
        QTest::newRow("good SVCB zone passes") << "good-svcb.db" << true << "OK";
        QTest::newRow("extra input text fails") << "bad1.db" << false << "extra input text";
        QTest::newRow("bad GENERATE range fails") << "bad2.db" << false << "invalid range";
        QTest::newRow("missing file fails") << "no-such-file.db" << false << "file not found";
    }

    void checkZone_corpusZone_resultOfChecker()
    {
        QFETCH(QString, file);
        QFETCH(bool, ok);
        QFETCH(QString, reportPart);

        const CheckResult result =
            CheckZone().checkZone(QStringLiteral("example."), corpusZone(file));

        QCOMPARE(result.ok, ok);
        QVERIFY(result.completed);
        QVERIFY2(result.report.contains(reportPart), qPrintable(result.report));
    }

    void checkZone_anyZone_fullChecksWithNameAndFile()
    {
        Sandbox::replaceProgram(checkZoneProgram, "#!/bin/sh\necho \"$@\" > " +
                                                      QFile::encodeName(argumentsLog()) +
                                                      "\necho 'zone refused' >&2\nexit 1\n");

        const CheckResult result =
            CheckZone().checkZone(QStringLiteral("example.com"), QStringLiteral("/tmp/a b.db"));

        QCOMPARE(Sandbox::readFile(argumentsLog()),
                 QByteArray("-i full example.com /tmp/a b.db\n"));
        QVERIFY(!result.ok);
        QVERIFY(result.completed);
        QCOMPARE(result.report, QString());
    }

    void checkZone_checkerDidNotRun_failsSayingWhy_data()
    {
        QTest::addColumn<bool>("missing");
        QTest::addColumn<QString>("reportPart");
        QTest::newRow("missing program is named") << true << "Failed to start " + checkZoneProgram;
        QTest::newRow("killed program crashed") << false << "Process crashed";
    }

    void checkZone_checkerDidNotRun_failsSayingWhy()
    {
        QFETCH(bool, missing);
        QFETCH(QString, reportPart);
        if (missing)
            Sandbox::removeProgram(checkZoneProgram);
        else
            Sandbox::replaceProgram(checkZoneProgram, "#!/bin/sh\nkill -SEGV $$\n");

        const CheckResult result =
            CheckZone().checkZone(QStringLiteral("example."), corpusZone("good1.db"));

        QVERIFY(!result.ok);
        QVERIFY(!result.completed);
        QVERIFY2(result.report.startsWith(reportPart), qPrintable(result.report));
    }

    void requestCheckZone_corpusZone_zoneCheckedWithReport_data()
    {
        QTest::addColumn<QString>("file");
        QTest::addColumn<bool>("noerror");
        QTest::addColumn<QString>("reportPart");
        QTest::newRow("good zone") << "good1.db" << true << "loaded serial";
        QTest::newRow("bad zone") << "bad1.db" << false << "not loaded due to errors";
    }

    void requestCheckZone_corpusZone_zoneCheckedWithReport()
    {
        QFETCH(QString, file);
        QFETCH(bool, noerror);
        QFETCH(QString, reportPart);
        CheckZone checker;
        QSignalSpy checked(&checker, &CheckZone::zoneChecked);
        QSignalSpy errors(&checker, &CheckZone::processError);

        checker.requestCheckZone(QStringLiteral("example."), corpusZone(file));

        QVERIFY(checked.wait(10000));
        QCOMPARE(checked.at(0).at(0).toBool(), noerror);
        QVERIFY(checked.at(0).at(1).toString().contains(reportPart));
        QCOMPARE(errors.count(), 0);
    }

    void requestCheckZone_programMissing_onlyFailedToStart()
    {
        Sandbox::removeProgram(checkZoneProgram);
        CheckZone checker;
        QSignalSpy checked(&checker, &CheckZone::zoneChecked);
        QSignalSpy errors(&checker, &CheckZone::processError);

        checker.requestCheckZone(QStringLiteral("example."), corpusZone("good1.db"));

        QTRY_COMPARE(errors.count(), 1);
        QTest::qWait(100);
        QCOMPARE(errors.count(), 1);
        QCOMPARE(errors.at(0).at(0).toString(), QStringLiteral("Failed to start"));
        QCOMPARE(checked.count(), 0);
    }

    void requestCheckZone_programKilled_crashedThenProcessCrashed()
    {
        Sandbox::replaceProgram(checkZoneProgram, "#!/bin/sh\nkill -KILL $$\n");
        CheckZone checker;
        QSignalSpy checked(&checker, &CheckZone::zoneChecked);
        QSignalSpy errors(&checker, &CheckZone::processError);

        checker.requestCheckZone(QStringLiteral("example."), corpusZone("good1.db"));

        QTRY_COMPARE(errors.count(), 2);
        QCOMPARE(errors.at(0).at(0).toString(), QStringLiteral("Crashed"));
        QCOMPARE(errors.at(1).at(0).toString(), QStringLiteral("Process crashed"));
        QCOMPARE(checked.count(), 0);
    }
};

TAMZOR_SANDBOX_TEST_MAIN(TestCheckZone)
#include "tst_checkzone.moc"
