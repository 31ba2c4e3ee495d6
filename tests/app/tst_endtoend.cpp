#include "app/mainwindow.h"
#include "models/recordmodel.h"
#include "records/record.h"
#include "tests/support/namedserver.h"
#include "tests/support/testmain.h"
#include "windowdriver.h"

#include <QAction>
#include <QDebug>
#include <QLabel>
#include <QStandardPaths>
#include <QStatusBar>
#include <QTableView>

#include <memory>

using namespace WindowDriver;

namespace {
const QString forwardZone = QStringLiteral("shop.test.");
const QString reverseZone = QStringLiteral("30.20.10.in-addr.arpa.");
const QString legacyZone = QStringLiteral("legacy.test");

const QByteArray legacyStatement = R"(zone "legacy.test" {
	type master;
	file "/etc/bind/db.legacy";
};
)";

const QByteArray legacyZoneText = "$TTL 3600\n@\tIN\tSOA\tns hostmaster 3 7200 3600 1209600 3600\n"
                                  "\tIN\tNS\tns\nns\tIN\tA\t127.0.0.99\n";

// The records of the zone that the table lists, by owner and type, as zone-file lines.
QMap<QPair<QString, QString>, QStringList> listedRRsets(MainWindow &window)
{
    QMap<QPair<QString, QString>, QStringList> sets;
    const auto *model = qobject_cast<RecordModel *>(recordTable(window)->model());
    const QList<PRecord> records = model->records();
    for (const PRecord &record : records)
        sets[qMakePair(record->fullName(), record->type())].append(record->toString());
    return sets;
}
} // namespace

// The whole application against a real named behind the service manager: zones and records
// changed through the window are what the server answers after a restart from the Server menu.
class TestEndToEnd : public QObject
{
    Q_OBJECT

private:
    std::unique_ptr<NamedServer> server;
    std::unique_ptr<MainWindow> window;

    // Gives the command and answers what it opens; false, with the reasons, when anything else
    // opened, an answer was left over or a box told of a failure.
    bool give(const QString &command, const QList<Answer> &answers = {})
    {
        ModalScript script(answers);
        action(*window, command)->trigger();
        bool failed = false;
        for (const SeenBox &box : qAsConst(script.boxes)) {
            if (box.icon == QMessageBox::Critical || box.icon == QMessageBox::Warning) {
                qWarning() << command << box.title << box.text;
                failed = true;
            }
        }
        if (!script.unexpected.isEmpty() || script.remaining() != 0) {
            qWarning() << command << "unexpected" << script.unexpected << "left"
                       << script.remaining();
            failed = true;
        }
        return !failed;
    }

    bool addRecord(const QString &type, const QVariantMap &form)
    {
        return give(QStringLiteral("actionAddRecord"), {recordWizard(type, form)});
    }

    QString serviceState() const { return window->statusBar()->findChild<QLabel *>()->text(); }

private slots:
    void initTestCase()
    {
        for (const char *program : {"named", "dig"}) {
            const QStringList paths = {QStringLiteral("/usr/sbin"), QStringLiteral("/usr/bin")};
            if (!QStandardPaths::findExecutable(QLatin1String(program), paths).isEmpty())
                continue;
            if (TestSupport::isCI())
                QFAIL(qPrintable(QStringLiteral("%1 is missing").arg(QLatin1String(program))));
            QSKIP("named or dig is missing; run scripts/install-deps.sh");
        }
    }

    void init()
    {
        Sandbox::reset();
        server = std::make_unique<NamedServer>();
        server->installConfiguration();
        Sandbox::writeFile(QStringLiteral("/etc/bind/named.conf.local"), legacyStatement);
        Sandbox::writeFile(QStringLiteral("/etc/bind/db.legacy"), legacyZoneText);
    }

    // Whatever became of the test, named goes with its server.
    void cleanup()
    {
        window.reset();
        server.reset();
    }

    void cleanupTestCase() { Sandbox::reset(); }

    void zonesAndRecordsChanged_restart_serverAnswersWhatTheTablesShow()
    {
        window = std::make_unique<MainWindow>();
        window->show();
        QVERIFY(QTest::qWaitForWindowExposed(window.get()));
        window->initialize();
        QVERIFY(window->isEnabled());
        QVERIFY(give(QStringLiteral("actionStart")));
        QCOMPARE(serviceState(), QStringLiteral("BIND server: active"));
        QCOMPARE(server->query(QStringLiteral("ns.legacy.test."), QStringLiteral("A")),
                 QStringList("ns.legacy.test. 3600 IN A 127.0.0.99"));

        QVERIFY(give(QStringLiteral("actionAddZone"),
                     {forwardZoneWizard(forwardZone, "ns.shop.test.", "127.0.0.53")}));
        QVERIFY(give(QStringLiteral("actionAddZone"),
                     {reverseZoneWizard("10.20.30.0", "ns.shop.test.", "10.20.30.5")}));

        selectZone(*window, forwardZone);
        QVERIFY(addRecord("A", {{"lineEditName", "www.shop.test."},
                                {"kivoHostAddress", "127.0.0.80"},
                                {"spinBoxTTL", 300}}));
        QVERIFY(addRecord(
            "AAAA", {{"lineEditName", "www.shop.test."}, {"lineEditAddress", "2001:db8::80"}}));
        QVERIFY(addRecord("MX", {{"lineEditName", "shop.test."},
                                 {"spinBoxPreference", 10},
                                 {"lineEditExchange", "www.shop.test."}}));
        QVERIFY(addRecord("TXT",
                          {{"lineEditName", "shop.test."}, {"lineEditText", "\"hello world\""}}));
        QVERIFY(addRecord("SRV", {{"lineEditService", "_sip"},
                                  {"comboBoxProto", "_udp"},
                                  {"lineEditName", "shop.test."},
                                  {"spinBoxPriority", 10},
                                  {"spinBoxWeight", 20},
                                  {"spinBoxPort", 5060},
                                  {"lineEditTarget", "www.shop.test."}}));
        QVERIFY(addRecord(
            "CNAME", {{"lineEditName", "ftp.shop.test."}, {"lineEditCname", "www.shop.test."}}));

        selectRecord(*window, QStringLiteral("www.shop.test. 300 IN A "));
        QVERIFY(give(QStringLiteral("actionEditRecord"),
                     {fillAndAccept({{"kivoHostAddress", "127.0.0.81"}})}));
        selectRecord(*window, QStringLiteral("shop.test. 86400 IN TXT "));
        QVERIFY(give(QStringLiteral("actionRemoveRecord"), {press(QMessageBox::Yes)}));

        selectZone(*window, legacyZone);
        QVERIFY(give(QStringLiteral("actionEditZone"),
                     {fillAndAccept({{"lineEditName", "legacy.test."}}), press(QMessageBox::Yes)}));
        selectZone(*window, QStringLiteral("legacy.test."));
        QVERIFY(give(QStringLiteral("actionRemoveZone"), {press(QMessageBox::Yes)}));

        QVERIFY(give(QStringLiteral("actionRestart")));
        QCOMPARE(serviceState(), QStringLiteral("BIND server: active"));
        const QString report = checkConfigurationAndZones();
        QVERIFY2(report.isEmpty(), qPrintable(report));

        int answered = 0;
        for (const QString &zone : {forwardZone, reverseZone}) {
            selectZone(*window, zone);
            const auto sets = listedRRsets(*window);
            for (auto it = sets.constBegin(); it != sets.constEnd(); ++it) {
                QCOMPARE(sorted(server->query(it.key().first, it.key().second)),
                         sorted(it.value()));
                answered += it.value().size();
            }
        }
        QCOMPARE(answered, 3 + 6 - 1 + 3);
        QCOMPARE(server->query(forwardZone, QStringLiteral("TXT")), QStringList());
        QCOMPARE(server->query(QStringLiteral("ns.legacy.test."), QStringLiteral("A")),
                 QStringList());
        QCOMPARE(server->outgoingQueryLog(), QStringList());
    }
};

TAMZOR_SANDBOX_TEST_MAIN(TestEndToEnd)
#include "tst_endtoend.moc"
