#include "control/systemctl.h"
#include "tests/support/testmain.h"

class TestSystemCtl : public QObject
{
    Q_OBJECT

private slots:
    void init() { Sandbox::reset(); }

    void command_answerOfServiceManager_errorThenState_data()
    {
        QTest::addColumn<QString>("command");
        QTest::addColumn<QString>("answer"); // "N: text" exits with N; empty: the stand-in's own
        QTest::addColumn<QStringList>("events"); // "..." at the end: the start of the text
        QTest::newRow("start succeeds: no error, active") << "start"
                                                          << "" << QStringList{"active"};
        QTest::newRow("restart refused: code and standard error, then the state")
            << "restart"
            << "5: Failed to restart bind9.service: Unit not found.\n"
            << QStringList{"error: systemctl exited with code 5.\nFailed to restart "
                           "bind9.service: Unit not found.\n",
                           "inactive"};
        QTest::newRow("service manager killed: crashed once, then the state")
            << "restart"
            << "killed" << QStringList{"error: systemctl crashed", "active"};
        QTest::newRow("service manager missing: why it did not start, then inactive")
            << "start"
            << "missing" << QStringList{"error: systemctl could not be started: ...", "inactive"};
    }

    // What the main window sees, in order, while the command runs.
    void command_answerOfServiceManager_errorThenState()
    {
        QFETCH(QString, command);
        QFETCH(QString, answer);
        QFETCH(QStringList, events);
        const QByteArray path = qgetenv("PATH");
        if (answer == "killed") {
            Sandbox::Systemctl::setActive(true);
            Sandbox::Systemctl::setHook(command, "#!/bin/sh\nkill -KILL $PPID\n");
        } else if (answer == "missing") {
            qputenv("PATH", QFile::encodeName(Sandbox::scratchDirectory()));
        } else if (!answer.isEmpty()) {
            Sandbox::Systemctl::setAnswer(command, answer.section(": ", 0, 0).toInt(),
                                          answer.section(": ", 1).toUtf8());
        }
        SystemCtl systemCtl;
        QStringList seen;
        connect(&systemCtl, &SystemCtl::active,
                [&](bool active) { seen.append(active ? "active" : "inactive"); });
        connect(&systemCtl, &SystemCtl::error, [&](const QString &error) {
            seen.append("error: " + error);
            if (events.first().endsWith("...") && seen.last().startsWith(events.first().chopped(3)))
                seen.last() = events.first();
        });

        QMetaObject::invokeMethod(&systemCtl, qPrintable(command));
        qputenv("PATH", path);

        QCOMPARE(seen, events);
        if (answer != "missing")
            QCOMPARE(Sandbox::Systemctl::calls(),
                     QStringList({command + " bind9", QStringLiteral("is-active bind9 --quiet")}));
    }
};

TAMZOR_SANDBOX_TEST_MAIN(TestSystemCtl)
#include "tst_systemctl.moc"
