#include "app/mainwindow.h"
#include "tests/support/testmain.h"
#include "windowdriver.h"

#include <QAction>
#include <QLabel>
#include <QMenu>
#include <QProcess>
#include <QStatusBar>
#include <QTableView>

#include <cstdio>

using namespace WindowDriver;

namespace {
const QByteArray localZones =
    "zone \"example.com\" IN { type master; file \"/etc/bind/db.example.com\"; };\n"
    "zone \"example.org\" { type slave; masters { 192.0.2.53; }; file "
    "\"/etc/bind/db.example.org\"; };\n";
const QByteArray exampleComZone =
    "$TTL 3600\n@ IN SOA ns1.example.com. hostmaster.example.com. 1 7200 3600 1209600 3600\n"
    " IN NS ns1.example.com.\nns1 IN A 192.0.2.1\nwww IN A 192.0.2.2\nsip IN A 192.0.2.3\n"
    "_sip._udp IN SRV 10 20 5060 sip.example.com.\n";
const QByteArray exampleOrgZone =
    "$TTL 3600\n@ IN SOA ns.example.org. hostmaster.example.org. 7 7200 3600 1209600 3600\n"
    " IN NS ns.example.org.\nns IN A 192.0.2.10\n";
} // namespace

class TestMainWindow : public QObject
{
    Q_OBJECT

private:
    std::unique_ptr<MainWindow> window;

    QString enabledActions() const
    {
        QStringList names;
        for (const QString &name : QStringLiteral("Restart CheckConfig AddZone Quit Start Stop "
                                                  "EditZone RemoveZone CheckZone AddRecord "
                                                  "EditRecord RemoveRecord")
                                       .split(' ')) {
            if (action(*window, "action" + name)->isEnabled())
                names.append(name);
        }
        return names.join(' ');
    }

    // Opens a table's context menu at the row, or below the last, and tells its entries.
    QString contextMenu(const QString &tableName, int row = -1)
    {
        QTableView *view = table(*window, tableName);
        const QPoint point = row < 0 ? QPoint(5, view->viewport()->height() - 5)
                                     : view->visualRect(view->model()->index(row, 0)).center();
        QString entries = QStringLiteral("never looked at");
        QTimer::singleShot(0, this, [&] {
            auto *menu = qobject_cast<QMenu *>(QApplication::activePopupWidget());
            QStringList names;
            for (QAction *entry : menu ? menu->actions() : QList<QAction *>())
                names.append(entry->isSeparator() ? QStringLiteral("-") : entry->text());
            entries = names.join(',');
            if (menu)
                menu->close();
        });
        emit view->customContextMenuRequested(point);
        (void)QTest::qWaitFor([&] { return entries != QStringLiteral("never looked at"); });
        return entries;
    }

private slots:
    void init()
    {
        Sandbox::reset();
        Sandbox::installDebianDefaults();
        Sandbox::writeFile(QStringLiteral("/etc/bind/named.conf.local"), localZones);
        Sandbox::writeFile(QStringLiteral("/etc/bind/db.example.com"), exampleComZone);
        Sandbox::writeFile(QStringLiteral("/etc/bind/db.example.org"), exampleOrgZone);
    }

    void cleanup() { window.reset(); }

    void startUp_unreadableZone_warnsWhileDisabled_listsTheOthers()
    {
        Sandbox::writeFile(QStringLiteral("/etc/bind/named.conf.local"),
                           localZones + "zone \"missing.example\" { type master; file "
                                        "\"/etc/bind/db.missing\"; };\n");
        bool disabledWhileWarning = false;
        ModalScript script({[&](QWidget *box) {
            disabledWhileWarning = !window->isEnabled();
            press(QMessageBox::Ok)(box);
        }});
        start(window);
        QCOMPARE(fitted(script.seen, {"warning Zone parser error: Failed to parse zone.*"}),
                 QStringList("warning Zone parser error: Failed to parse zone.*"));
        QVERIFY(disabledWhileWarning);
        QVERIFY(window->isEnabled());
        QCOMPARE(zoneNames(*window), QString("example.com example.org localhost 127.in-addr.arpa "
                                             "0.in-addr.arpa 255.in-addr.arpa")
                                         .split(' '));
    }

    // Restart, CheckConfig, AddZone and Quit are always on. Steps: a zone to select, "record" to
    // select the first record, "clear:Zone" or "clear:Record" to drop a table's selection, or a
    // service command ("fail:" makes it fail).
    void actions_followServiceAndSelection_data()
    {
        QTest::addColumn<bool>("active");
        QTest::addColumn<QString>("steps");
        QTest::addColumn<QString>("enabled");
        QTest::addColumn<int>("records");
        const QString idle = "Start", running = "Stop";
        const QString zone = "Start EditZone RemoveZone CheckZone AddRecord";
        const QString record = zone + " EditRecord RemoveRecord";
        QTest::newRow("started, service running") << true << "" << running << 0;
        QTest::newRow("started, service stopped") << false << "" << idle << 0;
        QTest::newRow("zone selected") << false << "example.com" << zone << 6;
        QTest::newRow("record selected") << false << "example.com record" << record << 6;
        QTest::newRow("record selection cleared")
            << false << "example.com record clear:Record" << zone << 6;
        QTest::newRow("other zone selected")
            << false << "example.com record example.org" << zone << 3;
        QTest::newRow("zone selection cleared")
            << false << "example.com record clear:Zone" << idle << 0;
        QTest::newRow("service started") << false << "Start" << running << 0;
        QTest::newRow("service stopped") << true << "Stop" << idle << 0;
        QTest::newRow("stopped service restarted") << false << "Restart" << running << 0;
        QTest::newRow("service fails to start") << false << "fail:Start" << idle << 0;
    }

    void actions_followServiceAndSelection()
    {
        QFETCH(bool, active);
        QFETCH(QString, steps);
        QFETCH(QString, enabled);
        QFETCH(int, records);
        Sandbox::Systemctl::setActive(active);
        start(window);
        QString command;
        for (const QString &step : steps.split(' ', Qt::SkipEmptyParts)) {
            if (step == QStringLiteral("record"))
                select(*window, "Record", QString());
            else if (step.startsWith(QStringLiteral("clear:")))
                table(*window, step.mid(6))->clearSelection();
            else if (step.contains('.'))
                select(*window, "Zone", step);
            else
                command = step.section(':', -1);
        }
        const bool fails = steps.startsWith(QStringLiteral("fail:"));
        if (fails)
            Sandbox::Systemctl::setAnswer(command.toLower(), 5, "Job failed.\n");
        if (!command.isEmpty())
            QCOMPARE(give(*window, "action" + command,
                          fails ? QList<Answer>{press(QMessageBox::Ok)} : QList<Answer>{}),
                     fails ? QStringList("critical Systemctl error: Systemctl exited with code "
                                         "5.\nJob failed.\n")
                           : QStringList());
        QCOMPARE(window->statusBar()->findChild<QLabel *>()->text(),
                 enabled.startsWith(QStringLiteral("Stop")) ? "BIND server: active"
                                                            : "BIND server: inactive");
        QCOMPARE(enabledActions(), QString("Restart CheckConfig AddZone Quit " + enabled));
        QCOMPARE(table(*window, "Record")->isEnabled(), records > 0);
        QCOMPARE(table(*window, "Record")->model()->rowCount(), records);
        QCOMPARE(Sandbox::Systemctl::calls().value(1),
                 command.isEmpty() ? QString() : command.toLower() + " bind9");
    }

    // `file` is written with `content` once the window is up; a program is replaced.
    void check_showsVerdictWithReportAsDetails_data()
    {
        QTest::addColumn<QString>("zone");
        QTest::addColumn<QString>("file");
        QTest::addColumn<QByteArray>("content");
        QTest::addColumn<QString>("box");
        const QString configBad = "critical: BIND configuration file contains syntax errors.\n";
        const QString zoneOk = "info: Zone file syntax and integrity is ok.\n";
        QTest::newRow("sound configuration")
            << ""
            << "" << QByteArray() << "info: BIND configuration file syntax is ok.";
        QTest::newRow("unknown option")
            << ""
            << "/etc/bind/named.conf.options" << QByteArray("options { frobnicate yes; };\n")
            << configBad + "*unknown option 'frobnicate'*";
        QTest::newRow("bad address")
            << "example.com"
            << "/etc/bind/db.example.com" << exampleComZone + "bad\tIN\tA\t192.0.2.300\n"
            << "critical: Zone file contains errors.\n*192.0.2.300*";
        // Prints the zone check's arguments instead of checking.
        QTest::newRow("zone file relative to the directory option")
            << "example.net"
            << "/usr/bin/named-checkzone" << QByteArray("#!/bin/sh\nprintf '%s\\n' \"$*\"\n")
            << zoneOk + "-i full example.net /etc/bind/zones/db.example.net\n";
    }

    void check_showsVerdictWithReportAsDetails()
    {
        QFETCH(QString, zone);
        QFETCH(QString, file);
        QFETCH(QByteArray, content);
        QFETCH(QString, box);
        Sandbox::writeFile("/etc/bind/named.conf.options",
                           "options { directory \"/etc/bind/zones\"; };\n");
        Sandbox::writeFile("/etc/bind/named.conf.local",
                           localZones +
                               "zone \"example.net\" { type master; file \"db.example.net\"; };\n");
        Sandbox::writeFile("/etc/bind/zones/db.example.net",
                           QByteArray(exampleOrgZone).replace("example.org", "example.net"));
        start(window, zone);
        if (file.startsWith(QStringLiteral("/usr/")))
            Sandbox::replaceProgram(file, content);
        else if (!file.isEmpty())
            Sandbox::writeFile(file, content);
        ModalScript script({press(QMessageBox::Ok)});
        action(*window, zone.isEmpty() ? "actionCheckConfig" : "actionCheckZone")->trigger();
        QTRY_VERIFY(script.answers.isEmpty());
        QCOMPARE(fitted(script.seen, {box}), QStringList(box));
    }

    void contextMenus_entriesFollowThePointedRowAndSelection()
    {
        start(window);
        QCOMPARE(contextMenu("Record"), QString());
        QCOMPARE(contextMenu("Zone", 1), QStringLiteral("Edit zone,Remove zone,-,Check zone"));
        QCOMPARE(contextMenu("Zone"), QStringLiteral("Add zone"));
        select(*window, "Zone", "example.com");
        QCOMPARE(contextMenu("Record", 0), QStringLiteral("Edit record,Remove record"));
        QCOMPARE(contextMenu("Record"), QStringLiteral("Add record"));
    }

    void initialize_failure_showsWhyAndEndsWithStatus1_data()
    {
        QTest::addColumn<QByteArray>("configuration");
        QTest::addColumn<QByteArray>("checker");
        QTest::addColumn<QString>("message");
        const QByteArray unknownOption = "options { frobnicate yes; };\n";
        QTest::newRow("checker refuses the configuration")
            << unknownOption << QByteArray() << "unknown option 'frobnicate'";
        QTest::newRow("checker cannot be started")
            << QByteArray() << QByteArray("missing") << "named-checkconf";
        QTest::newRow("checker crashes")
            << QByteArray() << QByteArray("#!/bin/sh\nkill -SEGV $$\n") << "Process crashed";
        QTest::newRow("checker refuses without a word")
            << QByteArray() << QByteArray("#!/bin/sh\nexit 1\n")
            << "BIND configuration file contains syntax errors.";
        QTest::newRow("reader cannot parse what the checker let pass")
            << unknownOption << QByteArray("#!/bin/sh\nexit 0\n") << "named.conf parsing failed";
    }

    void initialize_failure_showsWhyAndEndsWithStatus1()
    {
        QFETCH(QByteArray, configuration);
        QFETCH(QByteArray, checker);
        QFETCH(QString, message);
        if (!configuration.isEmpty())
            Sandbox::writeFile(QStringLiteral("/etc/bind/named.conf"), configuration);
        if (checker == "missing")
            Sandbox::removeProgram("/usr/bin/named-checkconf");
        else if (!checker.isEmpty())
            Sandbox::replaceProgram("/usr/bin/named-checkconf", checker);
        // This executable again, as a child that starts a window on what was prepared here.
        QProcess child;
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(QStringLiteral("TAMZOR_CHILD_START"), QStringLiteral("1"));
        child.setProcessEnvironment(environment);
        child.start(QCoreApplication::applicationFilePath(), {QStringLiteral("childStart")});
        QVERIFY(child.waitForFinished(60000) && child.exitStatus() == QProcess::NormalExit);
        const QString output = QString::fromUtf8(child.readAllStandardOutput());
        QCOMPARE(child.exitCode(), 1);
        QVERIFY2(output.contains("\ncritical Tamzor: ") && output.contains(message) &&
                     output.contains("\nzones listed: 0\n"),
                 qPrintable(output));
    }

    // The child of the test above: /etc/bind holds what the parent prepared.
    void childStart()
    {
        if (qEnvironmentVariableIsEmpty("TAMZOR_CHILD_START"))
            QSKIP("runs only as the child of initialize_failure_showsWhyAndEndsWithStatus1");
        Sandbox::installDebianDefaults();
        QCoreApplication::setApplicationName(QStringLiteral("Tamzor"));
        ModalScript script({[&](QWidget *box) {
            std::printf("%s\nzones listed: %d\n", qPrintable(script.seen.join('\n')),
                        table(*window, "Zone")->model()->rowCount());
            std::fflush(stdout);
            press(QMessageBox::Ok)(box);
        }});
        start(window);
    }
};

TAMZOR_SANDBOX_TEST_MAIN(TestMainWindow)
#include "tst_mainwindow.moc"
