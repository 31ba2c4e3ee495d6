#include "control/systemctl.h"
#include "tests/support/testmain.h"

namespace {
// What the main window would see, in order, while the action runs.
template <typename Action> QStringList eventsOf(Action action)
{
    SystemCtl systemCtl;
    QStringList events;
    QObject::connect(&systemCtl, &SystemCtl::active,
                     [&](bool active) { events.append(active ? "active" : "inactive"); });
    QObject::connect(&systemCtl, &SystemCtl::error,
                     [&](const QString &error) { events.append("error: " + error); });
    action(systemCtl);
    return events;
}
} // namespace

class TestSystemCtl : public QObject
{
    Q_OBJECT

private slots:
    void init() { Sandbox::reset(); }

    void command_answerOfServiceManager_errorThenState_data()
    {
        QTest::addColumn<QString>("command");
        QTest::addColumn<int>("exitCode"); // -1: the stand-in's own answer
        QTest::addColumn<QByteArray>("standardError");
        QTest::addColumn<QStringList>("events");
        QTest::newRow("start succeeds: no error, active")
            << "start" << -1 << QByteArray() << QStringList{"active"};
        QTest::newRow("restart refused: code and standard error, then the state")
            << "restart" << 5 << QByteArray("Failed to restart bind9.service: Unit not found.\n")
            << QStringList{"error: Systemctl exited with code 5.\nFailed to restart "
                           "bind9.service: Unit not found.\n",
                           "inactive"};
    }

    void command_answerOfServiceManager_errorThenState()
    {
        QFETCH(QString, command);
        QFETCH(int, exitCode);
        QFETCH(QByteArray, standardError);
        QFETCH(QStringList, events);
        if (exitCode >= 0)
            Sandbox::Systemctl::setAnswer(command, exitCode, standardError);

        const QStringList seen =
            eventsOf([&](SystemCtl &ctl) { QMetaObject::invokeMethod(&ctl, qPrintable(command)); });

        QCOMPARE(seen, events);
        QCOMPARE(Sandbox::Systemctl::calls(),
                 QStringList({command + " bind9", QStringLiteral("is-active bind9 --quiet")}));
    }

    void checkActive_afterServiceManagerKilled_processCrashedThenActive()
    {
        Sandbox::Systemctl::setActive(true);
        Sandbox::Systemctl::setHook(QStringLiteral("restart"), "#!/bin/sh\nkill -KILL $PPID\n");
        bool active = false;

        QCOMPARE(eventsOf([&](SystemCtl &systemCtl) {
                     systemCtl.restart();
                     active = systemCtl.checkActive();
                 }),
                 QStringList({"error: Process crashed", "active", "active"}));
        QVERIFY(active);
    }

    void checkActive_serviceManagerMissing_errorOfItsOwnAndInactive()
    {
        const QByteArray path = qgetenv("PATH");
        qputenv("PATH", QFile::encodeName(Sandbox::scratchDirectory()));
        bool active = true;

        const QStringList events = eventsOf([&](SystemCtl &systemCtl) {
            systemCtl.start();
            active = systemCtl.checkActive();
        });
        qputenv("PATH", path);

        QVERIFY(!active);
        QVERIFY(events.value(0).startsWith("error: Failed to start systemctl"));
        QCOMPARE(events.mid(1), QStringList({"inactive", "inactive"}));
    }
};

TAMZOR_SANDBOX_TEST_MAIN(TestSystemCtl)
#include "tst_systemctl.moc"
