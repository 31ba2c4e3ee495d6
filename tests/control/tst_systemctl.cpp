#include "control/systemctl.h"
#include "tests/support/testmain.h"

#include <QDir>

namespace {
// What the main window would see, in order.
struct Recorder
{
    explicit Recorder(SystemCtl &systemCtl)
    {
        QObject::connect(&systemCtl, &SystemCtl::active, [this](bool active) {
            events.append(active ? QStringLiteral("active") : QStringLiteral("inactive"));
        });
        QObject::connect(&systemCtl, &SystemCtl::error,
                         [this](const QString &error) { events.append("error: " + error); });
    }
    QStringList events;
};

void runCommand(SystemCtl &systemCtl, const QString &command)
{
    if (command == QLatin1String("start"))
        systemCtl.start();
    else if (command == QLatin1String("stop"))
        systemCtl.stop();
    else
        systemCtl.restart();
}
} // namespace

class TestSystemCtl : public QObject
{
    Q_OBJECT

private slots:
    void init() { Sandbox::reset(); }

    void checkActive_exitCodeOfQuery_activeOnlyOnZero_data()
    {
        QTest::addColumn<int>("exitCode");
        QTest::addColumn<bool>("active");
        QTest::newRow("0 is active") << 0 << true;
        QTest::newRow("3 (inactive) is not") << 3 << false;
        QTest::newRow("4 (no such unit) is not") << 4 << false;
    }

    void checkActive_exitCodeOfQuery_activeOnlyOnZero()
    {
        QFETCH(int, exitCode);
        QFETCH(bool, active);
        Sandbox::Systemctl::setAnswer(QStringLiteral("is-active"), exitCode);
        SystemCtl systemCtl;
        Recorder recorder(systemCtl);

        QCOMPARE(systemCtl.checkActive(), active);

        QCOMPARE(recorder.events, QStringList(active ? "active" : "inactive"));
        QCOMPARE(Sandbox::Systemctl::calls(), QStringList("is-active bind9 --quiet"));
    }

    void command_answerOfServiceManager_errorThenState_data()
    {
        QTest::addColumn<QString>("command");
        QTest::addColumn<int>("exitCode");
        QTest::addColumn<QByteArray>("standardError");
        QTest::addColumn<QStringList>("events");
        QTest::newRow("start succeeds: no error, active")
            << "start" << -1 << QByteArray() << QStringList{"active"};
        QTest::newRow("restart succeeds: no error, active")
            << "restart" << -1 << QByteArray() << QStringList{"active"};
        QTest::newRow("stop succeeds: no error, inactive")
            << "stop" << -1 << QByteArray() << QStringList{"inactive"};
        QTest::newRow("start refused: code and standard error, then the state")
            << "start" << 5 << QByteArray("Failed to start bind9.service: Unit not found.\n")
            << QStringList{"error: Systemctl exited with code 5.\nFailed to start bind9.service: "
                           "Unit not found.\n",
                           "inactive"};
        QTest::newRow("standard error ends at the first zero byte")
            << "stop" << 1 << QByteArray("denied\0garbage", 14)
            << QStringList{"error: Systemctl exited with code 1.\ndenied", "inactive"};
    }

    void command_answerOfServiceManager_errorThenState()
    {
        QFETCH(QString, command);
        QFETCH(int, exitCode);
        QFETCH(QByteArray, standardError);
        QFETCH(QStringList, events);
        if (exitCode >= 0)
            Sandbox::Systemctl::setAnswer(command, exitCode, standardError);
        SystemCtl systemCtl;
        Recorder recorder(systemCtl);

        runCommand(systemCtl, command);

        QCOMPARE(recorder.events, events);
        QCOMPARE(Sandbox::Systemctl::calls(),
                 QStringList({command + " bind9", QStringLiteral("is-active bind9 --quiet")}));
    }

    void command_serviceManagerKilled_processCrashedThenState()
    {
        Sandbox::Systemctl::setActive(true);
        Sandbox::Systemctl::setHook(QStringLiteral("restart"), "#!/bin/sh\nkill -KILL $PPID\n");
        SystemCtl systemCtl;
        Recorder recorder(systemCtl);

        systemCtl.restart();

        QCOMPARE(recorder.events, QStringList({"error: Process crashed", "active"}));
    }

    void command_serviceManagerMissing_errorOfItsOwnAndInactive()
    {
        const QByteArray path = qgetenv("PATH");
        qputenv("PATH", QFile::encodeName(Sandbox::scratchDirectory()));
        SystemCtl systemCtl;
        Recorder recorder(systemCtl);

        systemCtl.start();
        const bool active = systemCtl.checkActive();
        qputenv("PATH", path);

        QVERIFY(!active);
        QCOMPARE(recorder.events.size(), 3);
        QVERIFY2(recorder.events.at(0).startsWith("error: Failed to start systemctl"),
                 qPrintable(recorder.events.at(0)));
        QCOMPARE(recorder.events.mid(1), QStringList({"inactive", "inactive"}));
    }
};

TAMZOR_SANDBOX_TEST_MAIN(TestSystemCtl)
#include "tst_systemctl.moc"
