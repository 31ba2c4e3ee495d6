#include "control/systemctl.h"
#include "tests/support/testmain.h"

#include <memory>

namespace {
const QString isActiveCall = QStringLiteral("is-active bind9 --quiet");
} // namespace

class TestSystemCtl : public QObject
{
    Q_OBJECT

private:
    std::unique_ptr<SystemCtl> systemCtl;
    // What a window sees, in order: "busy", "idle", "active", "inactive", "error: <text>".
    QStringList seen;

private slots:
    void init()
    {
        Sandbox::reset();
        seen.clear();
        systemCtl = std::make_unique<SystemCtl>();
        connect(systemCtl.get(), &SystemCtl::active,
                [this](bool active) { seen.append(active ? "active" : "inactive"); });
        connect(systemCtl.get(), &SystemCtl::busyChanged,
                [this](bool busy) { seen.append(busy ? "busy" : "idle"); });
        connect(systemCtl.get(), &SystemCtl::error,
                [this](const QString &error) { seen.append("error: " + error); });
    }

    // A command is a slot that runs in the background, or "sync <command>" for a shell, which
    // adds "done" or the error it returns, or "status", which adds "status: <report>" or the
    // error. `calls` is what the service manager was asked, in order.
    void command_answerOfServiceManager_whatTheCallerSees_data()
    {
        QTest::addColumn<QString>("command");
        QTest::addColumn<QString>("answer"); // "N: text" exits with N; empty: the stand-in's own
        QTest::addColumn<QStringList>("events"); // "..." at the end: the start of the text
        QTest::addColumn<QStringList>("calls");
        const QString unitMissing = "5: Failed to restart bind9.service: Unit not found.\n";
        const QString refused = "error: systemctl exited with code 5.\nFailed to restart "
                                "bind9.service: Unit not found.\n";
        const QStringList restarted{"restart bind9", isActiveCall};
        const QStringList status{"status bind9 --no-pager"};
        QTest::newRow("start succeeds: no error, active")
            << "start"
            << "" << QStringList{"busy", "active", "idle"}
            << QStringList{"start bind9", isActiveCall};
        QTest::newRow("restart refused: code and standard error, then the state")
            << "restart" << unitMissing << QStringList{"busy", refused, "inactive", "idle"}
            << restarted;
        QTest::newRow("service manager killed: crashed once, then the state")
            << "restart"
            << "killed" << QStringList{"busy", "error: systemctl crashed", "active", "idle"}
            << restarted;
        QTest::newRow("service manager missing: why it did not start, then inactive")
            << "start"
            << "missing"
            << QStringList{"busy", "error: systemctl could not be started: ...", "inactive", "idle"}
            << QStringList();
        QTest::newRow("shell: stop succeeds, nothing emitted")
            << "sync stop"
            << "" << QStringList{"done"} << QStringList{"stop bind9"};
        QTest::newRow("shell: restart refused with code and standard error")
            << "sync restart" << unitMissing << QStringList{refused}
            << QStringList{"restart bind9"};
        QTest::newRow("state asked in the background")
            << "refreshActive"
            << "" << QStringList{"inactive"} << QStringList{isActiveCall};
        QTest::newRow("status of a stopped service is a report, not a failure")
            << "status"
            << "3: " << QStringList{"status: bind9.service - BIND\n"} << status;
        QTest::newRow("status of a missing unit fails")
            << "status"
            << "4: Unit bind9.service could not be found.\n"
            << QStringList{"error: systemctl exited with code 4.\nUnit bind9.service could not be "
                           "found.\n"}
            << status;
    }

    void command_answerOfServiceManager_whatTheCallerSees()
    {
        QFETCH(QString, command);
        QFETCH(QString, answer);
        QFETCH(QStringList, events);
        QFETCH(QStringList, calls);
        const QString word = command.section(' ', -1);
        const QByteArray path = qgetenv("PATH");
        if (answer == "killed") {
            Sandbox::Systemctl::setActive(true);
            Sandbox::Systemctl::setHook(word, "#!/bin/sh\nkill -KILL $PPID\n");
        } else if (answer == "missing") {
            qputenv("PATH", QFile::encodeName(Sandbox::scratchDirectory()));
        } else if (!answer.isEmpty()) {
            Sandbox::Systemctl::setAnswer(word, answer.section(": ", 0, 0).toInt(),
                                          answer.section(": ", 1).toUtf8());
        }
        if (word == "status")
            Sandbox::Systemctl::setHook(word, "#!/bin/sh\necho 'bind9.service - BIND'\n");

        QString text, error;
        if (command == "status") {
            seen.append(systemCtl->status(&text, &error) ? QString("status: " + text)
                                                         : QString("error: " + error));
        } else if (command.startsWith("sync ")) {
            const auto which =
                word == "stop" ? SystemCtl::Command::Stop : SystemCtl::Command::Restart;
            seen.append(systemCtl->runSync(which, &error) ? QString("done") : "error: " + error);
        } else {
            QVERIFY(QMetaObject::invokeMethod(systemCtl.get(), qPrintable(word)));
            QVERIFY(QTest::qWaitFor([&] { return seen.size() >= events.size(); }, 10000));
        }
        qputenv("PATH", path);

        for (int i = 0; i < qMin(seen.size(), events.size()); ++i) {
            if (TestSupport::fits(seen.at(i), events.at(i)))
                seen[i] = events.at(i);
        }
        QCOMPARE(seen, events);
        QCOMPARE(Sandbox::Systemctl::calls(), calls);
    }

    // The slot returns while the first command still waits for the test to let it end.
    void command_whileAnotherRuns_refusedAndOnlyTheFirstRuns()
    {
        const QString release = Sandbox::scratchDirectory() + QStringLiteral("/release");
        Sandbox::Systemctl::setHook(QStringLiteral("restart"), "#!/bin/sh\nwhile [ ! -e '" +
                                                                   QFile::encodeName(release) +
                                                                   "' ]; do sleep 0.05; done\n");
        const QString busy = "error: Another command for bind9 is still running; try again "
                             "when it has ended.";

        systemCtl->restart();
        systemCtl->stop();
        QString error;
        QVERIFY(!systemCtl->runSync(SystemCtl::Command::Start, &error));
        QVERIFY(systemCtl->isBusy());
        Sandbox::writeFile(release, {});
        QTRY_VERIFY_WITH_TIMEOUT(!systemCtl->isBusy(), 10000);

        QCOMPARE("error: " + error, busy);
        QCOMPARE(seen, QStringList({"busy", busy, "active", "idle"}));
        QCOMPARE(Sandbox::Systemctl::calls(), QStringList({"restart bind9", isActiveCall}));
    }
};

TAMZOR_SANDBOX_TEST_MAIN(TestSystemCtl)
#include "tst_systemctl.moc"
