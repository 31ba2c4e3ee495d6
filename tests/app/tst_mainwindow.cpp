#include "app/mainwindow.h"
#include "tests/support/testmain.h"

#include <QAbstractButton>
#include <QAction>
#include <QLabel>
#include <QMenu>
#include <QMessageBox>
#include <QProcess>
#include <QStatusBar>
#include <QTableView>
#include <QTimer>

#include <cstdio>
#include <functional>
#include <memory>

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

// Prints the zone check's arguments instead of checking.
const QByteArray echoingChecker = "#!/bin/sh\nprintf '%s\\n' \"$*\"\n";

struct SeenBox
{
    QString title, text, detailedText;
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    bool hasParent = false;
};

// Answers every message box with Ok, keeping what it said.
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
        auto box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
        if (!box || !box->isVisible())
            return;
        boxes.append({box->windowTitle(), box->text(), box->detailedText(), box->icon(),
                      box->parentWidget() != nullptr});
        if (onBox)
            onBox(boxes.last());
        if (QAbstractButton *ok = box->button(QMessageBox::Ok))
            ok->click();
        else
            box->reject();
    }

    std::function<void(const SeenBox &)> onBox;
    QTimer timer;
};
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

    QAction *action(const QString &name) const
    {
        return window->findChild<QAction *>(QStringLiteral("action") + name);
    }
    QTableView *table(const char *name) const { return window->findChild<QTableView *>(name); }
    QTableView *zoneTable() const { return table("tableViewZone"); }
    QTableView *recordTable() const { return table("tableViewRecord"); }
    QString serviceState() const { return window->statusBar()->findChild<QLabel *>()->text(); }

    QString enabledActions() const
    {
        QStringList names;
        for (const QString &name : QStringLiteral("Start Stop Restart CheckConfig AddZone EditZone "
                                                  "RemoveZone CheckZone AddRecord EditRecord "
                                                  "RemoveRecord Quit")
                                       .split(QLatin1Char(' '))) {
            if (action(name)->isEnabled())
                names.append(name);
        }
        return names.join(QLatin1Char(' '));
    }

    // Cells of a table, one '|'-joined line per row.
    static QStringList rows(const QTableView *view)
    {
        QStringList rows;
        const QAbstractItemModel *model = view->model();
        for (int row = 0; row < model->rowCount(); ++row) {
            QStringList cells;
            for (int column = 0; column < model->columnCount(); ++column)
                cells.append(model->index(row, column).data().toString());
            rows.append(cells.join(QLatin1Char('|')));
        }
        return rows;
    }

    static QPoint rowCenter(QTableView *view, int row)
    {
        return view->visualRect(view->model()->index(row, 0)).center();
    }

    void selectZone(const QString &name)
    {
        const int row =
            rows(zoneTable())
                .indexOf(QRegularExpression("^" + QRegularExpression::escape(name) + "(\\||$)"));
        QVERIFY2(row >= 0, qPrintable(name));
        QTest::mouseClick(zoneTable()->viewport(), Qt::LeftButton, {}, rowCenter(zoneTable(), row));
    }

    // Below the last row of these short tables.
    static QPoint emptySpace(QTableView *view) { return {5, view->viewport()->height() - 5}; }

    // Opens a table's context menu, closes it and tells its entries, "-" for a separator.
    QString contextMenu(QTableView *view, const QPoint &point)
    {
        QStringList entries{QStringLiteral("menu never looked at")};
        QTimer::singleShot(0, this, [&] {
            entries.clear();
            auto menu = qobject_cast<QMenu *>(QApplication::activePopupWidget());
            for (QAction *entry : menu ? menu->actions() : QList<QAction *>())
                entries.append(entry->isSeparator() ? QStringLiteral("-") : entry->text());
            if (menu)
                menu->close();
        });
        emit view->customContextMenuRequested(point);
        const bool looked = QTest::qWaitFor(
            [&] { return entries.value(0) != QStringLiteral("menu never looked at"); });
        return looked ? entries.join(QLatin1Char(',')) : QStringLiteral("menu never looked at");
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
        BoxAnswerer answerer([&](const SeenBox &) { disabledWhileWarning = !window->isEnabled(); });
        start();
        QCOMPARE(answerer.boxes.size(), 1);
        QCOMPARE(answerer.boxes.at(0).title, QStringLiteral("Zone parser error"));
        QCOMPARE(answerer.boxes.at(0).icon, QMessageBox::Warning);
        QVERIFY(answerer.boxes.at(0).text.startsWith(QStringLiteral("Failed to parse zone.")));
        QVERIFY(disabledWhileWarning);
        QVERIFY(window->isEnabled());
        const QString zones = rows(zoneTable()).join(QLatin1Char(' '));
        QVERIFY(!zones.contains(QStringLiteral("missing.example")));
        QVERIFY(zones.contains(QStringLiteral("example.com")));
    }

    void actions_followServiceAndSelection_data()
    {
        QTest::addColumn<bool>("active");
        QTest::addColumn<QString>("steps");
        QTest::addColumn<QString>("enabled");
        QTest::addColumn<int>("recordCount");
        QTest::addColumn<QString>("recordShown");
        const QString idle = "Start Restart CheckConfig AddZone Quit";
        const QString zone = "Start Restart CheckConfig AddZone EditZone RemoveZone CheckZone "
                             "AddRecord Quit";
        const QString record = "Start Restart CheckConfig AddZone EditZone RemoveZone CheckZone "
                               "AddRecord EditRecord RemoveRecord Quit";
        const QString www = "www.example.com.|A|192.0.2.2";
        const QString running = "Stop Restart CheckConfig AddZone Quit";
        QTest::newRow("started, service running") << true << "" << running << 0 << "";
        QTest::newRow("started, service stopped") << false << "" << idle << 0 << "";
        QTest::newRow("zone selected") << false << "zone:example.com" << zone << 6 << www;
        QTest::newRow("record selected")
            << false << "zone:example.com record" << record << 6 << www;
        QTest::newRow("record selection cleared")
            << false << "zone:example.com record clear:records" << zone << 6
            << "_sip._udp.example.com.|SRV|10 20 5060 sip.example.com.";
        QTest::newRow("other zone selected") << false << "zone:example.com record zone:example.org"
                                             << zone << 3 << "ns.example.org.|A|192.0.2.10";
        QTest::newRow("zone selection cleared")
            << false << "zone:example.com record clear:zones" << idle << 0 << "";
        QTest::newRow("service started") << false << "Start" << running << 0 << "";
        QTest::newRow("service stopped") << true << "Stop" << idle << 0 << "";
        QTest::newRow("stopped service restarted") << false << "Restart" << running << 0 << "";
        QTest::newRow("service fails to start") << false << "fail:Start" << idle << 0 << "";
    }

    void actions_followServiceAndSelection()
    {
        QFETCH(bool, active);
        QFETCH(QString, steps);
        QFETCH(QString, enabled);
        QFETCH(int, recordCount);
        QFETCH(QString, recordShown);
        QString command;
        Sandbox::Systemctl::setActive(active);
        BoxAnswerer answerer;
        window = std::make_unique<MainWindow>();
        QVERIFY(!window->isEnabled());
        QCOMPARE(serviceState(), active ? QStringLiteral("BIND server: active")
                                        : QStringLiteral("BIND server: inactive"));
        start();
        QVERIFY(window->isEnabled());
        QCOMPARE(rows(zoneTable()).replaceInStrings(QRegularExpression("\\|.*"), QString()),
                 QStringLiteral("example.com example.org localhost 127.in-addr.arpa "
                                "0.in-addr.arpa 255.in-addr.arpa")
                     .split(QLatin1Char(' ')));
        for (const QString &step : steps.split(QLatin1Char(' '), Qt::SkipEmptyParts)) {
            if (step.startsWith(QStringLiteral("zone:")))
                selectZone(step.mid(5));
            else if (step == QStringLiteral("record"))
                QTest::mouseClick(recordTable()->viewport(), Qt::LeftButton, {},
                                  rowCenter(recordTable(), 1));
            else if (step.startsWith(QStringLiteral("clear:")))
                table(step == QStringLiteral("clear:zones") ? "tableViewZone" : "tableViewRecord")
                    ->clearSelection();
            else
                command = step.section(QLatin1Char(':'), -1);
        }
        if (steps.startsWith(QStringLiteral("fail:")))
            Sandbox::Systemctl::setAnswer(command.toLower(), 5, "Job failed.\n");
        if (!command.isEmpty())
            action(command)->trigger();
        QCOMPARE(serviceState(), enabled.startsWith(QStringLiteral("Stop"))
                                     ? QStringLiteral("BIND server: active")
                                     : QStringLiteral("BIND server: inactive"));
        QCOMPARE(enabledActions(), enabled);
        QCOMPARE(recordTable()->isEnabled(), recordCount > 0);
        QCOMPARE(recordTable()->model()->rowCount(), recordCount);
        if (!recordShown.isEmpty())
            QVERIFY2(rows(recordTable()).contains(recordShown), qPrintable(recordShown));
        QCOMPARE(Sandbox::Systemctl::calls().value(1),
                 command.isEmpty() ? QString() : command.toLower() + " bind9");
        QCOMPARE(answerer.boxes.size(), steps.startsWith(QStringLiteral("fail:")) ? 1 : 0);
        for (const SeenBox &box : answerer.boxes) {
            QCOMPARE(box.title, QStringLiteral("Systemctl error"));
            QCOMPARE(box.icon, QMessageBox::Critical);
            QVERIFY(box.hasParent);
            QVERIFY2(box.text.contains("5") && box.text.contains("Job failed."),
                     qPrintable(box.text));
        }
    }

    // `file` is written with `content` once the window is up; a program is replaced.
    void check_showsVerdictWithReportAsDetails_data()
    {
        QTest::addColumn<QString>("command");
        QTest::addColumn<QString>("file");
        QTest::addColumn<QByteArray>("content");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("details");
        const QByteArray unknownOption = "options { frobnicate yes; };\n";
        const QByteArray badAddress = exampleComZone + "bad\tIN\tA\t192.0.2.300\n";
        const QString checker = "/usr/bin/named-checkzone";
        const QString configOk = "BIND configuration file syntax is ok.";
        const QString configBad = "BIND configuration file contains syntax errors.";
        const QString zoneOk = "Zone file syntax and integrity is ok.";
        const QString zoneBad = "Zone file contains errors.";
        QTest::newRow("sound configuration") << "CheckConfig"
                                             << "" << QByteArray() << configOk << "";
        QTest::newRow("unknown option") << "CheckConfig"
                                        << "/etc/bind/named.conf.options" << unknownOption
                                        << configBad << "unknown option 'frobnicate'";
        QTest::newRow("sound zone") << "example.com"
                                    << "" << QByteArray() << zoneOk << "loaded serial 1";
        QTest::newRow("bad address")
            << "example.com"
            << "/etc/bind/db.example.com" << badAddress << zoneBad << "192.0.2.300";
        QTest::newRow("zone name and absolute file")
            << "example.com" << checker << echoingChecker << zoneOk
            << "-i full example.com /etc/bind/db.example.com\n";
        QTest::newRow("zone file relative to the directory option")
            << "example.net" << checker << echoingChecker << zoneOk
            << "-i full example.net /etc/bind/zones/db.example.net\n";
    }

    void check_showsVerdictWithReportAsDetails()
    {
        QFETCH(QString, command);
        QFETCH(QString, file);
        QFETCH(QByteArray, content);
        QFETCH(QString, text);
        QFETCH(QString, details);
        Sandbox::writeFile("/etc/bind/named.conf.options",
                           "options { directory \"/etc/bind/zones\"; };\n");
        Sandbox::writeFile("/etc/bind/named.conf.local",
                           localZones +
                               "zone \"example.net\" { type master; file \"db.example.net\"; };\n");
        Sandbox::writeFile("/etc/bind/zones/db.example.net",
                           QByteArray(exampleOrgZone).replace("example.org", "example.net"));
        start();
        if (file == "/usr/bin/named-checkzone")
            Sandbox::replaceProgram(file, content);
        else if (!file.isEmpty())
            Sandbox::writeFile(file, content);
        if (command != "CheckConfig")
            selectZone(command);
        BoxAnswerer answerer;
        action(command == "CheckConfig" ? command : "CheckZone")->trigger();
        QTRY_COMPARE(answerer.boxes.size(), 1);
        const SeenBox box = answerer.boxes.at(0);
        QVERIFY(box.title.isEmpty());
        QCOMPARE(box.text, text);
        QCOMPARE(box.icon,
                 text.endsWith(" ok.") ? QMessageBox::Information : QMessageBox::Critical);
        if (details.endsWith('\n') || details.isEmpty())
            QCOMPARE(box.detailedText, details);
        else
            QVERIFY2(box.detailedText.contains(details), qPrintable(box.detailedText));
    }

    void contextMenus_entriesFollowThePointedRowAndSelection()
    {
        start();
        QCOMPARE(contextMenu(recordTable(), QPoint(5, 5)), QString());
        QCOMPARE(contextMenu(zoneTable(), rowCenter(zoneTable(), 1)),
                 QStringLiteral("Edit zone,Remove zone,-,Check zone"));
        QCOMPARE(contextMenu(zoneTable(), emptySpace(zoneTable())), QStringLiteral("Add zone"));
        selectZone(QStringLiteral("example.com"));
        QCOMPARE(contextMenu(recordTable(), rowCenter(recordTable(), 0)),
                 QStringLiteral("Edit record,Remove record"));
        QCOMPARE(contextMenu(recordTable(), emptySpace(recordTable())),
                 QStringLiteral("Add record"));
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
        QVERIFY2(output.contains("box title: Tamzor\n") && output.contains(message) &&
                     output.contains("zones listed: 0\n") &&
                     !output.contains("initialize returned"),
                 qPrintable(output));
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
