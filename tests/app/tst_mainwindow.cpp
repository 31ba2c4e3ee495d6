#include "control/compilezone.h"
#include "tests/support/stallwatch.h"
#include "tests/support/testmain.h"
#include "windowdriver.h"

#include <QMenu>
#include <QMenuBar>
#include <QProcess>
#include <QScreen>
#include <QSplitter>
#include <QStatusBar>
#include <QTimer>
#include <QToolBar>

#include <cstdio>

using namespace WindowDriver;

namespace {
const QString localConfiguration = QStringLiteral("/etc/bind/named.conf.local");
const QString managedFile = QStringLiteral("/etc/bind/tamzor.conf");
const QString rndcProgram = QStringLiteral("/usr/sbin/rndc");
const QByteArray header = TestSupport::managedHeader;

using TestSupport::masterStatement;

const QByteArray exampleNetStatement = masterStatement("example.net", "db.example.net", "");
const QByteArray localZones =
    masterStatement("example.com", "/etc/bind/db.example.com", "") + "\n" + exampleNetStatement;
const QByteArray managedZones =
    header + masterStatement("managed.test", "/etc/bind/db.managed.test") + "\n";
const QStringList startZones = QString("example.com example.net localhost 127.in-addr.arpa "
                                       "0.in-addr.arpa 255.in-addr.arpa managed.test")
                                   .split(' ');

const QStringList exampleRecords = {
    "example.com. 3600 IN SOA ns1.example.com. hostmaster.example.com. 1 7200 3600 1209600 3600",
    "_sip._udp.example.com. 3600 IN SRV 10 20 5060 sip.example.com.",
    "alias.example.com. 3600 IN CNAME sip.example.com.",
    "example.com. 3600 IN NS ns1.example.com.",
    "ns1.example.com. 3600 IN A 192.0.2.1",
    "sip.example.com. 3600 IN A 192.0.2.3",
    "www.example.com. 3600 IN A 192.0.2.2"};
const QByteArray exampleZone = exampleRecords.join('\n').toUtf8() + '\n';
// Relative names only, so that the zone loads under any name it is given.
const QByteArray zoneText = "$TTL 3600\n@\tIN\tSOA\tns hostmaster 1 7200 3600 1209600 3600\n"
                            "\tIN\tNS\tns\nns\tIN\tA\t192.0.2.1\n";
} // namespace

// The main window on a configuration with foreign zones (example.com, and example.net in the
// `directory` option's folder) and a zone in the application's include file (managed.test):
// start-up, what is enabled and offered when, the checks, and the zone and record commands, whose
// files follow the tables at once.
class TestMainWindow : public QObject
{
    Q_OBJECT

private:
    std::unique_ptr<MainWindow> window;

    // Asks for the record table's context menu below the last row and tells its entries.
    QString recordMenu()
    {
        QTableView *view = table(*window, "Record");
        QStringList entries{QStringLiteral("no menu")};
        QTimer::singleShot(0, this, [&] {
            auto *menu = qobject_cast<QMenu *>(QApplication::activePopupWidget());
            if (!menu)
                return;
            entries.clear();
            for (QAction *entry : menu->actions())
                entries.append(entry->isSeparator() ? QStringLiteral("-") : entry->text());
            menu->close();
        });
        emit view->customContextMenuRequested(QPoint(5, view->viewport()->height() - 5));
        QCoreApplication::processEvents();
        return entries.join(',');
    }

    static void zoneRow(const char *name, const QString &zone, const QString &command,
                        const QList<Answer> &answers, const QStringList &boxes,
                        const QString &listed = {}, const QByteArray &local = {},
                        const QByteArray &managed = {})
    {
        QTest::newRow(name) << zone << QString() << command << answers << boxes << QString()
                            << listed << local << managed;
    }

    static void recordRow(const char *name, const QString &record, const QString &command,
                          const QList<Answer> &answers, const QStringList &boxes,
                          const QString &from = {}, const QString &to = {})
    {
        QTest::newRow(name) << "example.com" << record << command << answers << boxes << from << to
                            << QByteArray() << QByteArray();
    }

private slots:
    void initTestCase()
    {
        // The checkers look up name servers outside the zone: those lookups must stay here.
        QString reason;
        QVERIFY2(Sandbox::isolateNetwork(&reason), qPrintable(reason));
    }

    void init()
    {
        Sandbox::reset();
        Sandbox::installDebianDefaults();
        Sandbox::writeFile("/etc/bind/named.conf", Sandbox::readFile("/etc/bind/named.conf") +
                                                       "include \"/etc/bind/tamzor.conf\";\n");
        Sandbox::writeFile(localConfiguration, localZones);
        Sandbox::writeFile(managedFile, managedZones);
        Sandbox::writeFile(QStringLiteral("/etc/bind/named.conf.options"),
                           "options { directory \"/etc/bind/zones\"; };\n");
        Sandbox::writeFile(QStringLiteral("/etc/bind/db.example.com"), exampleZone);
        Sandbox::writeFile(QStringLiteral("/etc/bind/zones/db.example.net"), zoneText);
        Sandbox::writeFile(QStringLiteral("/etc/bind/db.managed.test"), zoneText);
    }

    void cleanup() { window.reset(); }

    // The sandbox's directories go with the process; a read-only mount must not stand in the way.
    void cleanupTestCase() { Sandbox::reset(); }

    // The zone stays listed with its reason; the problem comes once, in a summary, after all
    // zones were read.
    void startUp_unreadableZone_listedWithItsReason_oneSummary()
    {
        Sandbox::writeFile(localConfiguration, localZones + "zone \"missing.example\" { type "
                                                            "master; file \"db.missing\"; };\n");
        ModalScript script({press(QMessageBox::Ok)});
        start(window);
        const QStringList summary{"warning Zone parser error: Some zones could not be read.*\nZone "
                                  "missing.example could not be read: Zone compiler failed:*"};
        QCOMPARE(fitted(script.seen, summary), summary);
        QStringList zones = startZones;
        zones.insert(2, "missing.example");
        QCOMPARE(zoneNames(*window), zones);
        const QModelIndex missing = table(*window, "Zone")->model()->index(2, 0);
        QVERIFY(missing.data(Qt::ToolTipRole).toString().startsWith("Could not be read: "));
    }

    // Every command and menu can be reached by a key; the zone and record commands in the tool
    // bar each show a picture of their own and name their object.
    void menusAndToolBar_mnemonicsAndOwnIcons()
    {
        start(window);
        for (QAction *menuAction : window->menuBar()->actions()) {
            QVERIFY2(menuAction->text().contains('&'), qPrintable(menuAction->text()));
            QSet<QChar> keys;
            for (QAction *action : menuAction->menu()->actions()) {
                if (action->isSeparator())
                    continue;
                const int mark = action->text().indexOf('&');
                QVERIFY2(mark >= 0, qPrintable(action->text()));
                QVERIFY2(!keys.contains(action->text().at(mark + 1).toLower()),
                         qPrintable(action->text()));
                keys.insert(action->text().at(mark + 1).toLower());
            }
        }
        QList<QImage> pictures;
        for (QAction *action : window->findChild<QToolBar *>()->actions()) {
            if (action->isSeparator())
                continue;
            const QImage picture = action->icon().pixmap(22).toImage();
            QVERIFY2(!picture.isNull() && !pictures.contains(picture),
                     qPrintable(action->objectName()));
            pictures.append(picture);
            const QString object = action->objectName().endsWith("Zone")     ? " zone"
                                   : action->objectName().endsWith("Record") ? " record"
                                                                             : "";
            QVERIFY2(action->toolTip().endsWith(object), qPrintable(action->toolTip()));
        }
    }

    // Enter and a double click open the editor of the zone or record they are on.
    void enterAndDoubleClick_openTheEditor_data()
    {
        QTest::addColumn<QString>("table");
        QTest::addColumn<bool>("enter");
        QTest::addColumn<QString>("editor");
        QTest::newRow("zone double-clicked") << "Zone" << false << "ZoneDialog";
        QTest::newRow("record double-clicked") << "Record" << false << "ARecordDialog";
        QTest::newRow("Enter on a record") << "Record" << true << "ARecordDialog";
    }

    void enterAndDoubleClick_openTheEditor()
    {
        QFETCH(QString, table);
        QFETCH(bool, enter);
        QFETCH(QString, editor);
        start(window, "example.com", "www.");
        QTableView *view = WindowDriver::table(*window, table);
        const QModelIndex current = view->selectionModel()->selectedRows().value(0);
        QString opened;
        ModalScript script({[&](QWidget *dialog) {
            opened = dialog->metaObject()->className();
            qobject_cast<QDialog *>(dialog)->reject();
        }});
        if (enter) {
            view->setFocus();
            QTest::keyClick(view, Qt::Key_Return);
        } else {
            QTest::mouseDClick(view->viewport(), Qt::LeftButton, {},
                               view->visualRect(current).center());
        }
        QTRY_VERIFY(script.answers.isEmpty());
        QCOMPARE(opened, editor);
    }

    // The records listed in DNS order; the filter field, reached by Ctrl+F, keeps those that
    // hold its text, and the status bar counts them.
    void recordTable_dnsOrderFilterAndCount()
    {
        start(window, "example.com");
        QCOMPARE(listedRecords(*window),
                 QStringList({exampleRecords.at(0), exampleRecords.at(3), exampleRecords.at(1),
                              exampleRecords.at(2), exampleRecords.at(4), exampleRecords.at(5),
                              exampleRecords.at(6)}));
        QTest::keyClick(window.get(), Qt::Key_F, Qt::ControlModifier);
        QTest::keyClicks(QApplication::focusWidget(), "SIP");
        QCOMPARE(listedRecords(*window),
                 QStringList({exampleRecords.at(1), exampleRecords.at(2), exampleRecords.at(5)}));
        QVERIFY(window->statusBar()->findChildren<QLabel *>().last()->text().contains("3 of 7"));
    }

    // Size, place and the split between the tables come back at the next start.
    void windowLayout_keptBetweenStarts()
    {
        start(window);
        window->resize(900, 640);
        auto *splitter = window->findChild<QSplitter *>();
        splitter->setSizes({300, 600});
        const QList<int> sizes = splitter->sizes();
        window->close();
        start(window);
        QCOMPARE(window->size(), QSize(900, 640));
        QCOMPARE(window->findChild<QSplitter *>()->sizes(), sizes);
    }

    // Restart, CheckConfig, AddZone, Reload, Quit and the help menu are always on; Undo waits for a
    // change. Steps: a zone to select, "record" to select the first record, "clear:Zone" or
    // "clear:Record" to drop a table's selection, or a service command ("fail:" makes it fail).
    // A service command runs in the background: meanwhile every service command is off, the label
    // says so, and the window goes on painting.
    void actions_followServiceAndSelection_data()
    {
        QTest::addColumn<bool>("active");
        QTest::addColumn<QString>("steps");
        QTest::addColumn<QString>("enabled");
        QTest::addColumn<int>("records");
        const QString idle = "Start", running = "Stop ReloadServer";
        const QString zone = "Start EditZone RemoveZone CheckZone AddRecord";
        const QString record = zone + " EditRecord RemoveRecord";
        QTest::newRow("started, service running") << true << "" << running << 0;
        QTest::newRow("zone selected") << false << "example.com" << zone << 7;
        QTest::newRow("record selected") << false << "example.com record" << record << 7;
        QTest::newRow("record selection cleared")
            << false << "example.com record clear:Record" << zone << 7;
        QTest::newRow("other zone selected")
            << false << "example.com record managed.test" << zone << 3;
        QTest::newRow("zone selection cleared")
            << false << "example.com record clear:Zone" << idle << 0;
        QTest::newRow("service started") << false << "Start" << running << 0;
        QTest::newRow("service stopped") << true << "Stop" << idle << 0;
        QTest::newRow("stopped service restarted") << false << "Restart" << running << 0;
        QTest::newRow("running service restarted") << true << "Restart" << running << 0;
        QTest::newRow("reloaded through rndc: named's answer shown")
            << true << "ReloadServer" << running << 0;
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
        const bool rndc = command == QLatin1String("ReloadServer");
        if (!command.isEmpty()) {
            const QByteArray slow = "#!/bin/sh\nsleep 0.5\n";
            if (rndc)
                Sandbox::replaceProgram(rndcProgram, slow + "echo 'server reload successful'\n");
            else
                Sandbox::Systemctl::setHook(command.toLower(), slow);
            if (fails)
                Sandbox::Systemctl::setAnswer(command.toLower(), 5, "Job failed.\n");
            ModalScript script(fails ? QList<Answer>{press(QMessageBox::Ok)} : QList<Answer>{});
            StallWatch stalls;

            window->findChild<QAction *>("action" + command)->trigger();
            QStringList onWhileRunning;
            for (const char *name : {"Start", "Stop", "Restart", "ReloadServer"}) {
                if (window->findChild<QAction *>(QStringLiteral("action") + name)->isEnabled())
                    onWhileRunning << name;
            }
            QCOMPARE(window->statusBar()->findChild<QLabel *>()->text(),
                     QStringLiteral("BIND server: command running..."));
            QTRY_VERIFY_WITH_TIMEOUT(
                window->findChild<QAction *>(QStringLiteral("actionRestart"))->isEnabled(), 10000);
            const qint64 longestStall = stalls.longest();
            QVERIFY(waitForRecords(*window));

            QCOMPARE(onWhileRunning, QStringList());
            QVERIFY2(longestStall < 100, qPrintable(QString::number(longestStall)));
            QCOMPARE(script.seen, fails ? QStringList("critical Systemctl error: systemctl exited "
                                                      "with code 5.\nJob failed.\n")
                                        : QStringList());
        }
        QCOMPARE(window->statusBar()->findChild<QLabel *>()->text(),
                 QString("BIND server: ") + (enabled.startsWith("Stop") ? "active" : "inactive"));
        const QStringList on =
            QString("Restart CheckConfig AddZone Reload Quit FindRecords About AboutQt " + enabled)
                .split(' ');
        for (QAction *action : window->findChildren<QAction *>(QRegularExpression("^action")))
            QVERIFY2(action->isEnabled() == on.contains(action->objectName().mid(6)),
                     qPrintable(action->objectName()));
        QCOMPARE(table(*window, "Record")->isEnabled(), records > 0);
        QCOMPARE(table(*window, "Record")->model()->rowCount(), records);
        // Without a zone the record table offers no menu at all, not an empty one.
        QCOMPARE(recordMenu(), records > 0 ? "Add record" : "no menu");
        if (rndc)
            QCOMPARE(window->statusBar()->currentMessage(),
                     QStringLiteral("server reload successful"));
        const QStringList serviceCalls = Sandbox::Systemctl::calls().filter(
            QRegularExpression(QStringLiteral("^(start|stop|restart) ")));
        QCOMPARE(serviceCalls, command.isEmpty() || rndc
                                   ? QStringList()
                                   : QStringList(command.toLower() + " bind9"));
    }

    // A record change with the service running is followed by rndc's reload of the zone; what
    // named answered shows in the status bar, and when rndc fails a restart is offered.
    void recordChange_serviceRunning_namedToldOrRestartOffered_data()
    {
        QTest::addColumn<bool>("active");
        QTest::addColumn<QByteArray>("rndc");
        QTest::addColumn<QStringList>("boxes");
        QTest::addColumn<QString>("message");
        QTest::addColumn<bool>("restarted");
        QTest::newRow("named reloads the zone")
            << true << QByteArray("echo 'zone reload queued'") << QStringList()
            << "named loads zone example.com again: zone reload queued" << false;
        QTest::newRow("rndc can't reach named: restart offered and taken")
            << true
            << QByteArray("echo 'rndc: connect failed: 127.0.0.1#953: connection refused' >&2; "
                          "exit 1")
            << QStringList("question BIND server not told: The files are changed, but named was "
                           "not told: rndc can't reach named: rndc: connect failed: "
                           "127.0.0.1#953: connection refused\n\nRestart the BIND server, so "
                           "that it reads every file again?")
            << QString() << true;
        QTest::newRow("service stopped: rndc not asked")
            << false << QByteArray("echo called >&2; exit 1") << QStringList()
            << "The BIND server is not running; it reads the changes when it starts." << false;
    }

    void recordChange_serviceRunning_namedToldOrRestartOffered()
    {
        QFETCH(bool, active);
        QFETCH(QByteArray, rndc);
        QFETCH(QStringList, boxes);
        QFETCH(QString, message);
        QFETCH(bool, restarted);
        Sandbox::Systemctl::setActive(active);
        const QString arguments = Sandbox::scratchDirectory() + QStringLiteral("/rndc-arguments");
        Sandbox::replaceProgram(rndcProgram, "#!/bin/sh\necho \"$@\" >> " +
                                                 QFile::encodeName(arguments) + '\n' + rndc + '\n');
        start(window, "example.com", "www.");

        QList<Answer> answers{fillAndAccept("lineEditAddress=192.0.2.80")};
        if (!boxes.isEmpty())
            answers << press(QMessageBox::Yes);
        QCOMPARE(give(*window, "actionEditRecord", answers), boxes);

        QCOMPARE(Sandbox::readFile(arguments),
                 active ? QByteArray("reload example.com IN\n") : QByteArray());
        if (!message.isEmpty())
            QCOMPARE(window->statusBar()->currentMessage(), message);
        QCOMPARE(Sandbox::Systemctl::calls().contains(QStringLiteral("restart bind9")), restarted);
    }

    // `file` is written with `content` once the window is up; a program is replaced.
    void check_showsVerdictWithReportAsDetails_data()
    {
        QTest::addColumn<QString>("zone");
        QTest::addColumn<QString>("file");
        QTest::addColumn<QByteArray>("content");
        QTest::addColumn<QString>("box");
        QTest::newRow("sound configuration") << QString() << QString() << QByteArray()
                                             << "info: BIND configuration file syntax is ok.";
        QTest::newRow("unknown option")
            << QString() << "/etc/bind/named.conf.options"
            << QByteArray("options { frobnicate yes; };\n")
            << "critical: BIND configuration file contains syntax errors.\n*unknown option "
               "'frobnicate'*";
        QTest::newRow("bad address") << QString("example.com") << "/etc/bind/db.example.com"
                                     << exampleZone + "bad\tIN\tA\t192.0.2.300\n"
                                     << "critical: Zone file contains errors.\n*192.0.2.300*";
        // Prints the zone check's arguments instead of checking.
        QTest::newRow("zone file relative to the directory option")
            << QString("example.net") << "/usr/bin/named-checkzone"
            << QByteArray("#!/bin/sh\nprintf '%s\\n' \"$*\"\n")
            << "info: Zone file syntax and integrity is ok.\n-i full -k fail example.net "
               "/etc/bind/zones/db.example.net\n";
    }

    void check_showsVerdictWithReportAsDetails()
    {
        QFETCH(QString, zone);
        QFETCH(QString, file);
        QFETCH(QByteArray, content);
        QFETCH(QString, box);
        start(window, zone);
        if (file.startsWith(QStringLiteral("/usr/")))
            Sandbox::replaceProgram(file, content);
        else if (!file.isEmpty())
            Sandbox::writeFile(file, content);
        // The box is as wide as the longest line of the report behind its details button, as far
        // as the screen allows.
        bool wideEnough = false;
        ModalScript script({[&](QWidget *modal) {
            int widest = 0;
            for (const QString &line :
                 qobject_cast<QMessageBox *>(modal)->detailedText().split('\n'))
                widest = qMax(widest, modal->fontMetrics().horizontalAdvance(line));
            const int screen = modal->screen()->availableGeometry().width();
            wideEnough = modal->width() > qMin(widest, screen * 3 / 4);
            press(QMessageBox::Ok)(modal);
        }});
        window->findChild<QAction *>(zone.isEmpty() ? "actionCheckConfig" : "actionCheckZone")
            ->trigger();
        QTRY_VERIFY(script.answers.isEmpty());
        QCOMPARE(fitted(script.seen, {box}), QStringList(box));
        QVERIFY(wideEnough);
    }

    void initialize_failure_showsWhyAndEndsWithStatus1_data()
    {
        QTest::addColumn<QByteArray>("configuration");
        QTest::addColumn<QByteArray>("checker");
        QTest::addColumn<QString>("message");
        QTest::newRow("checker refuses without a word")
            << QByteArray() << QByteArray("#!/bin/sh\nexit 1\n")
            << "BIND configuration file contains syntax errors.";
        QTest::newRow("reader cannot parse what the checker let pass")
            << QByteArray("options { frobnicate yes; };\n") << QByteArray("#!/bin/sh\nexit 0\n")
            << "named.conf parsing failed";
    }

    void initialize_failure_showsWhyAndEndsWithStatus1()
    {
        QFETCH(QByteArray, configuration);
        QFETCH(QByteArray, checker);
        QFETCH(QString, message);
        if (!configuration.isEmpty())
            Sandbox::writeFile(QStringLiteral("/etc/bind/named.conf"), configuration);
        if (!checker.isEmpty())
            Sandbox::replaceProgram("/usr/bin/named-checkconf", checker);
        // This executable again, as a child that starts a window on what was prepared here.
        QProcess child;
        qputenv("TAMZOR_CHILD_START", "1");
        child.start(QCoreApplication::applicationFilePath(), {QStringLiteral("childStart")});
        qunsetenv("TAMZOR_CHILD_START");
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

    // A zone or record command on the selected zone and record, the answers to what it opens and
    // the boxes it shows. A record command takes the line `from` out of example.com and brings
    // `to`. A zone command lists `to` in the row of the selected zone, or last for a new zone,
    // and leaves `local` and `managed` as the foreign and the managed configuration. A command
    // that changes nothing leaves every file under /etc/bind and the tables as they were.
    void command_filesFollowTheTables_data()
    {
        QTest::addColumn<QString>("zone");
        QTest::addColumn<QString>("record");
        QTest::addColumn<QString>("command");
        QTest::addColumn<QList<Answer>>("answers");
        QTest::addColumn<QStringList>("boxes");
        QTest::addColumn<QString>("from");
        QTest::addColumn<QString>("to");
        QTest::addColumn<QByteArray>("local");
        QTest::addColumn<QByteArray>("managed");
        const Answer ok = press(QMessageBox::Ok), yes = press(QMessageBox::Yes);
        const Answer keepName = fillAndAccept("lineEditName=example.com.");
        const QString transfer = "question Zone transfer: Zone will be moved from file "
                                 "/etc/bind/named.conf.local to file /etc/bind/tamzor.conf, with "
                                 "all its options.\nDo you want to continue?";
        const QString removeZone = "question Remove: Do you really want to remove zone %1?\nIts "
                                   "file %2 is kept.";
        const QString removeRecord = "question Remove: Do you really want to remove record %1?";
        // The checker names the zone, not the scratch file it read.
        const QString refused = "critical Can't save zone records: Zone contains errors: *"
                                "dns_master_load: example.com: www.example.com: CNAME and other "
                                "data\n"
                                "zone example.com/IN: loading from master file example.com "
                                "failed: CNAME and other data\n"
                                "zone example.com/IN: not loaded due to errors.";
        const QString www = "www.example.com. 3600 IN A 192.0.2.2";
        const QString alias = "lineEditName=www.example.com.|lineEditCname=sip.example.com.";
        const Answer typeAndCancel = [](QWidget *dialog) {
            FormDriver::fill(dialog, QStringLiteral("lineEditAddress=192.0.2.99"));
            cancel(dialog);
        };
        zoneRow("new zone through the wizard", "", "actionAddZone",
                {zoneWizard("aaa.example.", "ns.aaa.example.", "192.0.2.53")}, {}, "aaa.example.",
                localZones,
                managedZones + masterStatement("aaa.example.", "/etc/bind/tamzor/*.db") + "\n");
        zoneRow("managed zone edited, no question", "managed.test", "actionEditZone",
                {fillAndAccept("lineEditName=renamed.test.")}, {}, "renamed.test.", localZones,
                header + masterStatement("renamed.test.", "/etc/bind/db.managed.test") + "\n");
        // A moved statement keeps its text and goes to the end of the managed file.
        zoneRow("foreign zone renamed, transfer accepted", "example.net", "actionEditZone",
                {fillAndAccept("lineEditName=example.org."), yes}, {transfer}, "example.org.",
                localZones.left(localZones.indexOf(exampleNetStatement)),
                managedZones + masterStatement("example.org.", "db.example.net", "") + "\n");
        zoneRow("foreign zone removed", "example.com", "actionRemoveZone", {yes},
                {removeZone.arg("example.com", "/etc/bind/db.example.com")}, "",
                "\n" + exampleNetStatement, managedZones);
        zoneRow("foreign zone edited, transfer declined", "example.net", "actionEditZone",
                {fillAndAccept("lineEditName=example.org."), press(QMessageBox::No)}, {transfer});
        zoneRow("foreign zone kept as it was: no question, nothing written", "example.com",
                "actionEditZone", {keepName}, {});
        zoneRow("new zone onto a read-only configuration", "", "actionAddZone",
                {zoneWizard("new.example.", "ns.new.example.", "192.0.2.9"), ok, cancel},
                {"critical Zone save error: Can't save zone records*"});
        zoneRow("managed zone removed from a read-only configuration", "managed.test",
                "actionRemoveZone", {yes, ok},
                {removeZone.arg("managed.test", "/etc/bind/db.managed.test"),
                 "critical Zone remove error: Can't open file /etc/bind/tamzor.conf"});
        recordRow("edit address of a record", "www.", "actionEditRecord",
                  {fillAndAccept("lineEditAddress=192.0.2.80|spinBoxTTL=300")}, {}, www,
                  "www.example.com. 300 IN A 192.0.2.80");
        recordRow("remove service record: asks with the domain alone", "_sip.",
                  "actionRemoveRecord", {yes}, {removeRecord.arg("example.com.")},
                  exampleRecords.at(1));
        recordRow("record wizard cancelled", "", "actionAddRecord", {cancel}, {});
        recordRow("record dialog cancelled after typing", "www.", "actionEditRecord",
                  {typeAndCancel}, {});
        recordRow("removal declined", "www.", "actionRemoveRecord", {press(QMessageBox::No)},
                  {removeRecord.arg("www.example.com.")});
        // The refused wizard or dialog stays open with the input, to be cancelled.
        recordRow("added alias beside other data, checker refuses", "", "actionAddRecord",
                  {wizard({"comboBoxType=CNAME", alias}), ok, cancel}, {refused});
        recordRow("record removed from a read-only file", "www.", "actionRemoveRecord", {yes, ok},
                  {removeRecord.arg("www.example.com."),
                   "critical Can't save zone records: Can't save zone records*Records will be "
                   "restored."});
    }

    void command_filesFollowTheTables()
    {
        QFETCH(QString, zone);
        QFETCH(QString, record);
        QFETCH(QString, command);
        QFETCH(QList<Answer>, answers);
        QFETCH(QStringList, boxes);
        QFETCH(QString, from);
        QFETCH(QString, to);
        QFETCH(QByteArray, local);
        QFETCH(QByteArray, managed);
        const bool recordCommand = command.endsWith(QLatin1String("Record"));
        const QMap<QString, QByteArray> filesBefore = Sandbox::snapshot();
        start(window, zone, record);
        const bool readOnly = QByteArray(QTest::currentDataTag()).contains("read-only");
        if (readOnly)
            Sandbox::makeReadOnly();

        QCOMPARE(fitted(give(*window, command, answers), boxes), boxes);

        if (recordCommand) {
            QStringList expected = exampleRecords;
            // A stored change raises the serial, for the secondaries.
            if (!from.isEmpty() || !to.isEmpty())
                expected.first().replace(" 1 7200 ", " 2 7200 ");
            expected.removeAll(from);
            expected = sorted(to.isEmpty() ? expected : expected << to);
            QCOMPARE(sorted(listedRecords(*window)), expected);
            QCOMPARE(sorted(TestSupport::recordsOnDisk("example.com", "/etc/bind/db.example.com")),
                     expected);
        }
        if (from.isEmpty() && to.isEmpty() && local.isEmpty()) {
            QCOMPARE(sorted(zoneNames(*window)), sorted(startZones));
            QCOMPARE(Sandbox::snapshot(), filesBefore);
        } else if (!recordCommand) {
            const QString zones = startZones.join(' ');
            QCOMPARE(zoneNames(*window).join(' '),
                     zone.isEmpty() ? zones + ' ' + to
                                    : QString(zones).replace(zone, to).simplified());
            // The administrator's zone files outlive their zones.
            if (!zone.isEmpty())
                QVERIFY(QFile::exists("/etc/bind/db." + zone) ||
                        QFile::exists("/etc/bind/zones/db." + zone));
            QCOMPARE(Sandbox::readFile(localConfiguration), local);
            QCOMPARE(fitted({Sandbox::readFile(managedFile)}, {managed}), QStringList(managed));
            QCOMPARE(QProcess::execute("/usr/bin/named-checkconf", {"-z"}), 0);
        }
        // A new or edited record is selected.
        if (recordCommand && !to.isEmpty()) {
            QTableView *view = table(*window, "Record");
            const QModelIndex selected = view->selectionModel()->selectedRows().value(0);
            QCOMPARE(listedRecords(*window).value(selected.row()), to);
        }
        if (!readOnly || !recordCommand)
            return;
        // A failed removal leaves the record listed and selected, for the user to try again.
        QVERIFY(window->findChild<QAction *>(QStringLiteral("actionEditRecord"))->isEnabled());
        QVERIFY(window->findChild<QAction *>(QStringLiteral("actionRemoveRecord"))->isEnabled());
    }
};

TAMZOR_SANDBOX_TEST_MAIN(TestMainWindow)
#include "tst_mainwindow.moc"
