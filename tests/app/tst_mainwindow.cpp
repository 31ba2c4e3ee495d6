#include "app/mainwindow.h"
#include "tests/support/testmain.h"

#include <QAbstractButton>
#include <QAction>
#include <QLabel>
#include <QMenu>
#include <QMessageBox>
#include <QProcess>
#include <QRegularExpression>
#include <QSignalSpy>
#include <QStatusBar>
#include <QTableView>
#include <QTimer>

#include <cstdio>
#include <functional>
#include <memory>

namespace {
const QByteArray localZones = R"(zone "example.com" IN {
	type master;
	file "/etc/bind/db.example.com";
};
zone "example.org" {
	type slave;
	masters { 192.0.2.53; };
	file "/etc/bind/db.example.org";
};
)";

const QByteArray exampleComZone = R"($TTL 3600
@	IN	SOA	ns1.example.com. hostmaster.example.com. 1 7200 3600 1209600 3600
	IN	NS	ns1.example.com.
ns1	IN	A	192.0.2.1
www	IN	A	192.0.2.2
sip	IN	A	192.0.2.3
_sip._udp	IN	SRV	10 20 5060 sip.example.com.
)";

const QByteArray exampleOrgZone = R"($TTL 3600
@	IN	SOA	ns.example.org. hostmaster.example.org. 7 7200 3600 1209600 3600
	IN	NS	ns.example.org.
ns	IN	A	192.0.2.10
)";

// Prints the zone check's arguments instead of checking.
const QByteArray echoingChecker = "#!/bin/sh\nprintf '%s\\n' \"$*\"\n";

const QStringList allActions = {
    QStringLiteral("actionStart"),        QStringLiteral("actionStop"),
    QStringLiteral("actionRestart"),      QStringLiteral("actionCheckConfig"),
    QStringLiteral("actionAddZone"),      QStringLiteral("actionEditZone"),
    QStringLiteral("actionRemoveZone"),   QStringLiteral("actionCheckZone"),
    QStringLiteral("actionAddRecord"),    QStringLiteral("actionEditRecord"),
    QStringLiteral("actionRemoveRecord"), QStringLiteral("actionQuit")};

struct SeenBox
{
    QString title;
    QString text;
    QString detailedText;
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    bool hasParent = false;
};

// Answers every modal message box with Ok, keeping what it said.
class BoxAnswerer : public QObject
{
public:
    explicit BoxAnswerer(std::function<void(const SeenBox &)> onBox = {}) : onBox(onBox)
    {
        connect(&timer, &QTimer::timeout, this, &BoxAnswerer::answer);
        timer.start(5);
    }

    QList<SeenBox> boxes;

private:
    void answer()
    {
        QWidget *modal = QApplication::activeModalWidget();
        if (!modal || !modal->isVisible())
            return;
        auto box = qobject_cast<QMessageBox *>(modal);
        // The record and zone commands open their wizards and dialogs: those are cancelled.
        if (!box) {
            if (auto dialog = qobject_cast<QDialog *>(modal))
                dialog->reject();
            return;
        }
        SeenBox seen{box->windowTitle(), box->text(), box->detailedText(), box->icon(),
                     box->parentWidget() != nullptr};
        boxes.append(seen);
        if (onBox)
            onBox(seen);
        if (QAbstractButton *ok = box->button(QMessageBox::Ok))
            ok->click();
        else
            box->reject();
    }

    std::function<void(const SeenBox &)> onBox;
    QTimer timer;
};

void writeExampleConfiguration()
{
    Sandbox::installDebianDefaults();
    Sandbox::writeFile(QStringLiteral("/etc/bind/named.conf.local"), localZones);
    Sandbox::writeFile(QStringLiteral("/etc/bind/db.example.com"), exampleComZone);
    Sandbox::writeFile(QStringLiteral("/etc/bind/db.example.org"), exampleOrgZone);
}
} // namespace

class TestMainWindow : public QObject
{
    Q_OBJECT

private:
    std::unique_ptr<MainWindow> window;

    void start()
    {
        if (!window)
            window = std::make_unique<MainWindow>();
        window->show();
        QVERIFY(QTest::qWaitForWindowExposed(window.get()));
        window->initialize();
        QApplication::setActiveWindow(window.get());
    }

    QAction *action(const QString &name) const { return window->findChild<QAction *>(name); }
    QTableView *zoneTable() const
    {
        return window->findChild<QTableView *>(QStringLiteral("tableViewZone"));
    }
    QTableView *recordTable() const
    {
        return window->findChild<QTableView *>(QStringLiteral("tableViewRecord"));
    }
    QString serviceState() const { return window->statusBar()->findChild<QLabel *>()->text(); }

    QStringList enabledActions() const
    {
        QStringList names;
        for (const QString &name : allActions) {
            if (action(name)->isEnabled())
                names.append(name);
        }
        return names;
    }

    QStringList zoneNames() const
    {
        QStringList names;
        const QAbstractItemModel *model = zoneTable()->model();
        for (int row = 0; row < model->rowCount(); ++row)
            names.append(model->index(row, 0).data().toString());
        return names;
    }

    QStringList recordRows() const
    {
        QStringList rows;
        const QAbstractItemModel *model = recordTable()->model();
        for (int row = 0; row < model->rowCount(); ++row) {
            QStringList cells;
            for (int column = 0; column < model->columnCount(); ++column)
                cells.append(model->index(row, column).data().toString());
            rows.append(cells.join(QLatin1Char('|')));
        }
        rows.sort();
        return rows;
    }

    void click(QTableView *table, int row)
    {
        const QRect cell = table->visualRect(table->model()->index(row, 0));
        QTest::mouseClick(table->viewport(), Qt::LeftButton, Qt::NoModifier, cell.center());
    }

    void selectZone(const QString &name)
    {
        const int row = zoneNames().indexOf(name);
        QVERIFY2(row >= 0, qPrintable(name));
        click(zoneTable(), row);
    }

    QPoint emptySpace(QTableView *table) const
    {
        const QPoint point(5, table->viewport()->height() - 5);
        return table->indexAt(point).isValid() ? QPoint() : point;
    }

    // Opens a table's context menu and tells its entries, "-" for a separator; triggers the
    // entry named `choose`, if any, and closes the menu otherwise.
    QStringList contextMenu(QTableView *table, const QPoint &point,
                            const QString &choose = QString())
    {
        QStringList entries;
        bool looked = false;
        QTimer::singleShot(0, this, [&] {
            looked = true;
            auto menu = qobject_cast<QMenu *>(QApplication::activePopupWidget());
            if (!menu)
                return;
            QAction *chosen = nullptr;
            for (QAction *entry : menu->actions()) {
                entries.append(entry->isSeparator() ? QStringLiteral("-") : entry->text());
                if (!choose.isEmpty() && entry->text() == choose)
                    chosen = entry;
            }
            menu->close();
            if (chosen)
                chosen->trigger();
        });
        emit table->customContextMenuRequested(point);
        if (!QTest::qWaitFor([&] { return looked; }))
            entries.append(QStringLiteral("menu never looked at"));
        return entries;
    }

    // Runs this test executable again as a child that starts a window on the configuration
    // prepared here; what the child saw comes back on its standard output.
    QString runChildStart(int *exitCode)
    {
        QProcess child;
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(QStringLiteral("TAMZOR_CHILD_START"), QStringLiteral("1"));
        child.setProcessEnvironment(environment);
        child.start(QCoreApplication::applicationFilePath(), {QStringLiteral("childStart")});
        if (!child.waitForFinished(60000) || child.exitStatus() != QProcess::NormalExit)
            return QStringLiteral("child did not end normally");
        *exitCode = child.exitCode();
        return QString::fromUtf8(child.readAllStandardOutput());
    }

private slots:
    void init()
    {
        Sandbox::reset();
        writeExampleConfiguration();
    }

    void cleanup() { window.reset(); }

    void startUp_commandsFollowServiceState_nothingSelected_data()
    {
        QTest::addColumn<bool>("active");
        QTest::addColumn<QString>("state");
        QTest::addColumn<QStringList>("enabled");
        QTest::newRow("service running")
            << true << QStringLiteral("BIND server: active")
            << QStringList({QStringLiteral("actionStop"), QStringLiteral("actionRestart"),
                            QStringLiteral("actionCheckConfig"), QStringLiteral("actionAddZone"),
                            QStringLiteral("actionQuit")});
        QTest::newRow("service stopped")
            << false << QStringLiteral("BIND server: inactive")
            << QStringList({QStringLiteral("actionStart"), QStringLiteral("actionRestart"),
                            QStringLiteral("actionCheckConfig"), QStringLiteral("actionAddZone"),
                            QStringLiteral("actionQuit")});
    }

    void startUp_commandsFollowServiceState_nothingSelected()
    {
        QFETCH(bool, active);
        QFETCH(QString, state);
        QFETCH(QStringList, enabled);
        Sandbox::Systemctl::setActive(active);
        window = std::make_unique<MainWindow>();
        QVERIFY(!window->isEnabled());
        QCOMPARE(serviceState(), state);
        start();
        QVERIFY(window->isEnabled());
        QCOMPARE(enabledActions(), enabled);
        QVERIFY(!recordTable()->isEnabled());
        QCOMPARE(recordTable()->model()->rowCount(), 0);
        QCOMPARE(Sandbox::Systemctl::calls(),
                 QStringList({QStringLiteral("is-active bind9 --quiet")}));
    }

    void startUp_listsMasterAndSlaveZonesInStatementOrder()
    {
        start();
        QCOMPARE(
            zoneNames(),
            QStringList({QStringLiteral("example.com"), QStringLiteral("example.org"),
                         QStringLiteral("localhost"), QStringLiteral("127.in-addr.arpa"),
                         QStringLiteral("0.in-addr.arpa"), QStringLiteral("255.in-addr.arpa")}));
    }

    void startUp_unreadableZone_warnsWhileDisabled_listsTheOthers()
    {
        Sandbox::writeFile(QStringLiteral("/etc/bind/named.conf.local"),
                           localZones + "zone \"missing.example\" { type master; file "
                                        "\"/etc/bind/db.missing\"; };\n");
        bool disabledWhileWarning = false;
        BoxAnswerer answerer([&](const SeenBox &) {
            disabledWhileWarning = window->isVisible() && !window->isEnabled();
        });
        start();
        QCOMPARE(answerer.boxes.size(), 1);
        QCOMPARE(answerer.boxes.at(0).title, QStringLiteral("Zone parser error"));
        QCOMPARE(answerer.boxes.at(0).icon, QMessageBox::Warning);
        QVERIFY2(answerer.boxes.at(0).text.startsWith(QStringLiteral("Failed to parse zone.")),
                 qPrintable(answerer.boxes.at(0).text));
        QVERIFY(disabledWhileWarning);
        QVERIFY(window->isEnabled());
        QVERIFY(!zoneNames().contains(QStringLiteral("missing.example")));
        QVERIFY(zoneNames().contains(QStringLiteral("example.com")));
    }

    void selectZone_enablesZoneCommandsAndRecordTable_showsItsRecords()
    {
        start();
        selectZone(QStringLiteral("example.com"));
        QCOMPARE(enabledActions(),
                 QStringList({QStringLiteral("actionStart"), QStringLiteral("actionRestart"),
                              QStringLiteral("actionCheckConfig"), QStringLiteral("actionAddZone"),
                              QStringLiteral("actionEditZone"), QStringLiteral("actionRemoveZone"),
                              QStringLiteral("actionCheckZone"), QStringLiteral("actionAddRecord"),
                              QStringLiteral("actionQuit")}));
        QVERIFY(recordTable()->isEnabled());
        const QStringList rows = recordRows();
        QCOMPARE(rows.size(), 6);
        QVERIFY(rows.contains(QStringLiteral("www.example.com.|A|192.0.2.2")));
        QVERIFY(rows.contains(QStringLiteral("example.com.|NS|ns1.example.com.")));
        QVERIFY(rows.contains(
            QStringLiteral("_sip._udp.example.com.|SRV|10 20 5060 sip.example.com.")));
        QVERIFY(
            rows.filter(QRegularExpression(QStringLiteral("^example\\.com\\.\\|SOA\\|"))).size() ==
            1);
    }

    void selectOtherZone_showsItsRecords_recordCommandsOff()
    {
        start();
        selectZone(QStringLiteral("example.com"));
        click(recordTable(), 0);
        QVERIFY(action(QStringLiteral("actionEditRecord"))->isEnabled());
        selectZone(QStringLiteral("example.org"));
        QVERIFY(!action(QStringLiteral("actionEditRecord"))->isEnabled());
        QVERIFY(!action(QStringLiteral("actionRemoveRecord"))->isEnabled());
        QVERIFY(action(QStringLiteral("actionEditZone"))->isEnabled());
        QCOMPARE(recordRows().size(), 3);
        QVERIFY(recordRows().contains(QStringLiteral("ns.example.org.|A|192.0.2.10")));
    }

    void recordSelection_switchesEditAndRemove()
    {
        start();
        selectZone(QStringLiteral("example.com"));
        click(recordTable(), 1);
        QVERIFY(action(QStringLiteral("actionEditRecord"))->isEnabled());
        QVERIFY(action(QStringLiteral("actionRemoveRecord"))->isEnabled());
        recordTable()->clearSelection();
        QVERIFY(!action(QStringLiteral("actionEditRecord"))->isEnabled());
        QVERIFY(!action(QStringLiteral("actionRemoveRecord"))->isEnabled());
    }

    void zoneSelectionLost_zoneCommandsOff_recordTableDisabledAndEmpty()
    {
        start();
        selectZone(QStringLiteral("example.com"));
        click(recordTable(), 0);
        zoneTable()->clearSelection();
        QCOMPARE(enabledActions(),
                 QStringList({QStringLiteral("actionStart"), QStringLiteral("actionRestart"),
                              QStringLiteral("actionCheckConfig"), QStringLiteral("actionAddZone"),
                              QStringLiteral("actionQuit")}));
        QVERIFY(!recordTable()->isEnabled());
        QCOMPARE(recordTable()->model()->rowCount(), 0);
    }

    void serviceCommand_stateFollowsTheServiceManager_data()
    {
        QTest::addColumn<bool>("activeBefore");
        QTest::addColumn<QString>("command");
        QTest::addColumn<QString>("state");
        QTest::addColumn<bool>("startEnabled");
        QTest::newRow("start") << false << QStringLiteral("actionStart")
                               << QStringLiteral("BIND server: active") << false;
        QTest::newRow("stop") << true << QStringLiteral("actionStop")
                              << QStringLiteral("BIND server: inactive") << true;
        QTest::newRow("restart a stopped service")
            << false << QStringLiteral("actionRestart") << QStringLiteral("BIND server: active")
            << false;
    }

    void serviceCommand_stateFollowsTheServiceManager()
    {
        QFETCH(bool, activeBefore);
        QFETCH(QString, command);
        QFETCH(QString, state);
        QFETCH(bool, startEnabled);
        Sandbox::Systemctl::setActive(activeBefore);
        start();
        BoxAnswerer answerer;
        action(command)->trigger();
        QCOMPARE(answerer.boxes.size(), 0);
        QCOMPARE(serviceState(), state);
        QCOMPARE(action(QStringLiteral("actionStart"))->isEnabled(), startEnabled);
        QCOMPARE(action(QStringLiteral("actionStop"))->isEnabled(), !startEnabled);
        QVERIFY(action(QStringLiteral("actionRestart"))->isEnabled());
        const QString word = command.mid(6).toLower();
        QCOMPARE(Sandbox::Systemctl::calls().mid(1),
                 QStringList(
                     {word + QStringLiteral(" bind9"), QStringLiteral("is-active bind9 --quiet")}));
    }

    void serviceCommandFails_errorBox_stateAsFound()
    {
        start();
        Sandbox::Systemctl::setAnswer(QStringLiteral("start"), 5,
                                      "Job for bind9.service failed.\n");
        BoxAnswerer answerer;
        action(QStringLiteral("actionStart"))->trigger();
        QCOMPARE(answerer.boxes.size(), 1);
        QCOMPARE(answerer.boxes.at(0).title, QStringLiteral("Systemctl error"));
        QCOMPARE(answerer.boxes.at(0).icon, QMessageBox::Critical);
        QVERIFY(answerer.boxes.at(0).hasParent);
        QVERIFY(answerer.boxes.at(0).text.contains(QStringLiteral("5")));
        QVERIFY(
            answerer.boxes.at(0).text.contains(QStringLiteral("Job for bind9.service failed.")));
        QCOMPARE(serviceState(), QStringLiteral("BIND server: inactive"));
        QVERIFY(action(QStringLiteral("actionStart"))->isEnabled());
    }

    void checkConfig_showsVerdictWithReportAsDetails_data()
    {
        QTest::addColumn<QByteArray>("options");
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("icon");
        QTest::addColumn<QString>("details");
        QTest::newRow("sound configuration, silent checker")
            << QByteArray() << QStringLiteral("BIND configuration file syntax is ok.")
            << int(QMessageBox::Information) << QString();
        QTest::newRow("unknown option")
            << QByteArray("options { directory \"/var/cache/bind\"; frobnicate yes; };\n")
            << QStringLiteral("BIND configuration file contains syntax errors.")
            << int(QMessageBox::Critical) << QStringLiteral("unknown option 'frobnicate'");
    }

    void checkConfig_showsVerdictWithReportAsDetails()
    {
        QFETCH(QByteArray, options);
        QFETCH(QString, text);
        QFETCH(int, icon);
        QFETCH(QString, details);
        start();
        if (!options.isEmpty())
            Sandbox::writeFile(QStringLiteral("/etc/bind/named.conf.options"), options);
        BoxAnswerer answerer;
        action(QStringLiteral("actionCheckConfig"))->trigger();
        QTRY_COMPARE(answerer.boxes.size(), 1);
        const SeenBox box = answerer.boxes.at(0);
        QCOMPARE(box.text, text);
        QCOMPARE(int(box.icon), icon);
        QVERIFY(box.title.isEmpty());
        QVERIFY(!box.hasParent);
        if (details.isEmpty())
            QVERIFY(box.detailedText.isEmpty());
        else
            QVERIFY2(box.detailedText.contains(details), qPrintable(box.detailedText));
    }

    void checkZone_passesZoneNameAndResolvedZoneFile_data()
    {
        QTest::addColumn<QString>("zone");
        QTest::addColumn<QString>("arguments");
        QTest::newRow("absolute file")
            << QStringLiteral("example.com")
            << QStringLiteral("-i full example.com /etc/bind/db.example.com\n");
        QTest::newRow("file relative to the directory option")
            << QStringLiteral("example.net")
            << QStringLiteral("-i full example.net /etc/bind/zones/db.example.net\n");
    }

    void checkZone_passesZoneNameAndResolvedZoneFile()
    {
        QFETCH(QString, zone);
        QFETCH(QString, arguments);
        Sandbox::writeFile(QStringLiteral("/etc/bind/named.conf.options"),
                           "options { directory \"/etc/bind/zones\"; };\n");
        Sandbox::writeFile(QStringLiteral("/etc/bind/named.conf.local"),
                           localZones + "zone \"example.net\" { type master; file "
                                        "\"db.example.net\"; };\n");
        Sandbox::writeFile(QStringLiteral("/etc/bind/zones/db.example.net"),
                           QByteArray(exampleOrgZone).replace("example.org", "example.net"));
        start();
        Sandbox::replaceProgram(QStringLiteral("/usr/bin/named-checkzone"), echoingChecker);
        selectZone(zone);
        BoxAnswerer answerer;
        action(QStringLiteral("actionCheckZone"))->trigger();
        QTRY_COMPARE(answerer.boxes.size(), 1);
        QCOMPARE(answerer.boxes.at(0).text,
                 QStringLiteral("Zone file syntax and integrity is ok."));
        QCOMPARE(answerer.boxes.at(0).detailedText, arguments);
    }

    void checkZone_verdictOfTheChecker_data()
    {
        QTest::addColumn<QByteArray>("zoneFile");
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("icon");
        QTest::addColumn<QString>("details");
        QTest::newRow("sound zone")
            << exampleComZone << QStringLiteral("Zone file syntax and integrity is ok.")
            << int(QMessageBox::Information) << QStringLiteral("loaded serial 1");
        QTest::newRow("address record with a bad address")
            << exampleComZone + "bad\tIN\tA\t192.0.2.300\n"
            << QStringLiteral("Zone file contains errors.") << int(QMessageBox::Critical)
            << QStringLiteral("192.0.2.300");
    }

    void checkZone_verdictOfTheChecker()
    {
        QFETCH(QByteArray, zoneFile);
        QFETCH(QString, text);
        QFETCH(int, icon);
        QFETCH(QString, details);
        start();
        Sandbox::writeFile(QStringLiteral("/etc/bind/db.example.com"), zoneFile);
        selectZone(QStringLiteral("example.com"));
        BoxAnswerer answerer;
        action(QStringLiteral("actionCheckZone"))->trigger();
        QTRY_COMPARE(answerer.boxes.size(), 1);
        QCOMPARE(answerer.boxes.at(0).text, text);
        QCOMPARE(int(answerer.boxes.at(0).icon), icon);
        QVERIFY2(answerer.boxes.at(0).detailedText.contains(details),
                 qPrintable(answerer.boxes.at(0).detailedText));
    }

    void checkerMissing_processErrorBox_data()
    {
        QTest::addColumn<QString>("program");
        QTest::addColumn<QString>("command");
        QTest::addColumn<QString>("title");
        QTest::newRow("configuration check")
            << QStringLiteral("/usr/bin/named-checkconf") << QStringLiteral("actionCheckConfig")
            << QStringLiteral("named-checkconf process error");
        QTest::newRow("zone check")
            << QStringLiteral("/usr/bin/named-checkzone") << QStringLiteral("actionCheckZone")
            << QStringLiteral("named-checkzone process error");
    }

    void checkerMissing_processErrorBox()
    {
        QFETCH(QString, program);
        QFETCH(QString, command);
        QFETCH(QString, title);
        start();
        Sandbox::removeProgram(program);
        selectZone(QStringLiteral("example.com"));
        BoxAnswerer answerer;
        action(command)->trigger();
        QTRY_COMPARE(answerer.boxes.size(), 1);
        QCOMPARE(answerer.boxes.at(0).title, title);
        QCOMPARE(answerer.boxes.at(0).text, QStringLiteral("Failed to start"));
        QCOMPARE(answerer.boxes.at(0).icon, QMessageBox::Critical);
        QVERIFY(answerer.boxes.at(0).hasParent);
    }

    void checkZone_noZoneSelected_checksNothing()
    {
        start();
        const QString marker = Sandbox::scratchDirectory() + QStringLiteral("/checked");
        Sandbox::replaceProgram(QStringLiteral("/usr/bin/named-checkzone"),
                                "#!/bin/sh\ntouch " + marker.toUtf8() + "\n");
        BoxAnswerer answerer;
        QVERIFY(QMetaObject::invokeMethod(window.get(), "checkZone"));
        QTest::qWait(300);
        QCOMPARE(answerer.boxes.size(), 0);
        QVERIFY(!QFile::exists(marker));
    }

    void shortcut_triggersItsCommand_data()
    {
        QTest::addColumn<QString>("table");
        QTest::addColumn<QKeySequence>("keys");
        QTest::addColumn<QString>("command");
        QTest::newRow("Ctrl+C checks the zone instead of copying")
            << QStringLiteral("tableViewZone") << QKeySequence(QStringLiteral("Ctrl+C"))
            << QStringLiteral("actionCheckZone");
        QTest::newRow("Del removes the record")
            << QStringLiteral("tableViewRecord") << QKeySequence(QStringLiteral("Del"))
            << QStringLiteral("actionRemoveRecord");
        QTest::newRow("Ctrl+E edits the record")
            << QStringLiteral("tableViewRecord") << QKeySequence(QStringLiteral("Ctrl+E"))
            << QStringLiteral("actionEditRecord");
        QTest::newRow("Ctrl+N adds a record")
            << QStringLiteral("tableViewZone") << QKeySequence(QStringLiteral("Ctrl+N"))
            << QStringLiteral("actionAddRecord");
    }

    void shortcut_triggersItsCommand()
    {
        QFETCH(QString, table);
        QFETCH(QKeySequence, keys);
        QFETCH(QString, command);
        Sandbox::replaceProgram(QStringLiteral("/usr/bin/named-checkzone"), "#!/bin/sh\n");
        start();
        selectZone(QStringLiteral("example.com"));
        click(recordTable(), 0);
        QSignalSpy triggered(action(command), &QAction::triggered);
        BoxAnswerer answerer;
        QTest::keySequence(window->findChild<QTableView *>(table), keys);
        QCOMPARE(triggered.count(), 1);
        if (command == QStringLiteral("actionCheckZone"))
            QTRY_COMPARE(answerer.boxes.size(), 1);
    }

    void closeWhileZoneCheckRuns_noBoxNoCrash()
    {
        start();
        Sandbox::replaceProgram(QStringLiteral("/usr/bin/named-checkzone"), "#!/bin/sh\nsleep 5\n");
        selectZone(QStringLiteral("example.com"));
        action(QStringLiteral("actionCheckZone"))->trigger();
        BoxAnswerer answerer;
        window.reset();
        QTest::qWait(100);
        QCOMPARE(answerer.boxes.size(), 0);
    }

    void zoneContextMenu_entriesFollowThePointedRow()
    {
        start();
        QCOMPARE(contextMenu(zoneTable(),
                             zoneTable()->visualRect(zoneTable()->model()->index(1, 0)).center()),
                 QStringList({QStringLiteral("Edit zone"), QStringLiteral("Remove zone"),
                              QStringLiteral("-"), QStringLiteral("Check zone")}));
        const QPoint empty = emptySpace(zoneTable());
        QVERIFY(!empty.isNull());
        QCOMPARE(contextMenu(zoneTable(), empty), QStringList({QStringLiteral("Add zone")}));
    }

    void zoneContextMenu_checkZone_checksTheSelectedZone()
    {
        start();
        Sandbox::replaceProgram(QStringLiteral("/usr/bin/named-checkzone"), echoingChecker);
        selectZone(QStringLiteral("example.org"));
        BoxAnswerer answerer;
        const QPoint row = zoneTable()->visualRect(zoneTable()->model()->index(1, 0)).center();
        contextMenu(zoneTable(), row, QStringLiteral("Check zone"));
        QTRY_COMPARE(answerer.boxes.size(), 1);
        QCOMPARE(answerer.boxes.at(0).detailedText,
                 QStringLiteral("-i full example.org /etc/bind/db.example.org\n"));
    }

    void recordContextMenu_entriesFollowPointedRowAndZoneSelection()
    {
        start();
        QCOMPARE(contextMenu(recordTable(), QPoint(5, 5)), QStringList());
        selectZone(QStringLiteral("example.com"));
        QCOMPARE(
            contextMenu(recordTable(),
                        recordTable()->visualRect(recordTable()->model()->index(0, 2)).center()),
            QStringList({QStringLiteral("Edit record"), QStringLiteral("Remove record")}));
        const QPoint empty = emptySpace(recordTable());
        QVERIFY(!empty.isNull());
        QCOMPARE(contextMenu(recordTable(), empty), QStringList({QStringLiteral("Add record")}));
    }

    void initialize_failure_showsWhyAndEndsWithStatus1_data()
    {
        QTest::addColumn<QByteArray>("configuration");
        QTest::addColumn<QByteArray>("checker");
        QTest::addColumn<QString>("message");
        QTest::newRow("checker refuses the configuration")
            << QByteArray("options { frobnicate yes; };\n") << QByteArray()
            << QStringLiteral("unknown option 'frobnicate'");
        QTest::newRow("checker cannot be started")
            << QByteArray() << QByteArray("missing") << QStringLiteral("named-checkconf");
        QTest::newRow("checker crashes") << QByteArray() << QByteArray("#!/bin/sh\nkill -SEGV $$\n")
                                         << QStringLiteral("Process crashed");
        QTest::newRow("checker refuses without a word")
            << QByteArray() << QByteArray("#!/bin/sh\nexit 1\n")
            << QStringLiteral("BIND configuration file contains syntax errors.");
        QTest::newRow("reader cannot parse what the checker let pass")
            << QByteArray("options { frobnicate yes; };\n") << QByteArray("#!/bin/sh\nexit 0\n")
            << QStringLiteral("named.conf parsing failed");
    }

    void initialize_failure_showsWhyAndEndsWithStatus1()
    {
        QFETCH(QByteArray, configuration);
        QFETCH(QByteArray, checker);
        QFETCH(QString, message);
        if (!configuration.isEmpty())
            Sandbox::writeFile(QStringLiteral("/etc/bind/named.conf"), configuration);
        const QString program = QStringLiteral("/usr/bin/named-checkconf");
        if (checker == "missing")
            Sandbox::removeProgram(program);
        else if (!checker.isEmpty())
            Sandbox::replaceProgram(program, checker);
        int exitCode = -1;
        const QString output = runChildStart(&exitCode);
        QCOMPARE(exitCode, 1);
        QVERIFY2(output.contains(QStringLiteral("box title: Tamzor\n")), qPrintable(output));
        QVERIFY2(output.contains(message), qPrintable(output));
        QVERIFY2(output.contains(QStringLiteral("zones listed: 0\n")), qPrintable(output));
        QVERIFY2(!output.contains(QStringLiteral("initialize returned")), qPrintable(output));
    }

    // The child of the test above: /etc/bind holds what the parent prepared.
    void childStart()
    {
        if (qEnvironmentVariableIsEmpty("TAMZOR_CHILD_START"))
            QSKIP("runs only as the child of initialize_failure_showsWhyAndEndsWithStatus1");
        Sandbox::installDebianDefaults();
        QCoreApplication::setApplicationName(QStringLiteral("Tamzor"));
        window = std::make_unique<MainWindow>();
        window->show();
        BoxAnswerer answerer([this](const SeenBox &box) {
            std::printf("box title: %s\nbox text: %s\nzones listed: %d\n", qPrintable(box.title),
                        qPrintable(box.text), zoneTable()->model()->rowCount());
            std::fflush(stdout);
        });
        window->initialize();
        std::printf("initialize returned\n");
    }
};

TAMZOR_SANDBOX_TEST_MAIN(TestMainWindow)
#include "tst_mainwindow.moc"
