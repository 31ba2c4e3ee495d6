#include "tests/support/namedserver.h"
#include "tests/support/testmain.h"
#include "windowdriver.h"

#include <QStandardPaths>

using namespace WindowDriver;

// The whole application against a real named behind the service manager: zones and records
// changed through the window are what the server answers after a restart from the Server menu.
class TestEndToEnd : public QObject
{
    Q_OBJECT

private:
    std::unique_ptr<NamedServer> server;
    std::unique_ptr<MainWindow> window;
    QStringList problems;

    // Gives the command; a box beyond the questions it asks is a problem.
    void run(const QString &command, const QList<Answer> &answers = {})
    {
        for (const QString &seen : give(*window, "action" + command, answers)) {
            if (!seen.startsWith(QStringLiteral("question ")))
                problems.append(command + ": " + seen);
        }
    }

private slots:
    void initTestCase()
    {
        const QStringList paths = {QStringLiteral("/usr/sbin"), QStringLiteral("/usr/bin")};
        const bool found = !QStandardPaths::findExecutable("named", paths).isEmpty() &&
                           !QStandardPaths::findExecutable("dig", paths).isEmpty();
        if (!found && TestSupport::isCI())
            QFAIL("named or dig is missing");
        if (!found)
            QSKIP("named or dig is missing; run scripts/install-deps.sh");
        Sandbox::reset();
        server = std::make_unique<NamedServer>();
        server->installConfiguration();
        Sandbox::writeFile(QStringLiteral("/etc/bind/named.conf.local"),
                           "zone \"legacy.test\" {\n\ttype master;\n\tfile \"/etc/bind/db.legacy\";"
                           "\n};\n");
        Sandbox::writeFile(QStringLiteral("/etc/bind/db.legacy"),
                           "$TTL 3600\n@\tIN\tSOA\tns hostmaster 3 7200 3600 1209600 3600\n"
                           "\tIN\tNS\tns\nns\tIN\tA\t127.0.0.99\n");
    }

    // Whatever became of the test, named goes with its server.
    void cleanupTestCase()
    {
        window.reset();
        server.reset();
        Sandbox::reset();
    }

    void zonesAndRecordsChanged_restart_serverAnswersWhatTheTablesShow()
    {
        const Answer yes = press(QMessageBox::Yes);
        start(window);
        run("Start");
        QCOMPARE(server->query("ns.legacy.test.", "A"),
                 QStringList("ns.legacy.test. 3600 IN A 127.0.0.99"));

        run("AddZone", {zoneWizard("shop.test.", "ns.shop.test.", "127.0.0.53")});
        run("AddZone", {zoneWizard("10.20.30.0", "ns.shop.test.", "10.20.30.5")});
        select(*window, "Zone", "shop.test.");
        run("AddRecord", {wizard({"comboBoxType=A", "lineEditName=www.shop.test.|"
                                                    "kivoHostAddress=127.0.0.80|spinBoxTTL=300"})});
        run("AddRecord",
            {wizard({"comboBoxType=TXT", "lineEditName=shop.test.|lineEditText=\"hello world\""})});
        run("AddRecord", {wizard({"comboBoxType=MX", "lineEditName=shop.test.|spinBoxPreference=10|"
                                                     "lineEditExchange=www.shop.test."})});
        select(*window, "Record", "www.shop.test. 300 IN A ");
        run("EditRecord", {fillAndAccept("kivoHostAddress=127.0.0.81")});
        select(*window, "Record", "shop.test. 86400 IN MX ");
        run("RemoveRecord", {yes});
        // The administrator's zone is taken over by a rename, then removed.
        select(*window, "Zone", "legacy.test");
        run("EditZone", {fillAndAccept("lineEditName=legacy2.test."), yes});
        select(*window, "Zone", "legacy2.test.");
        run("RemoveZone", {yes});
        run("Restart");
        QCOMPARE(problems, QStringList());

        QStringList listed, answered;
        for (const char *zone : {"shop.test.", "30.20.10.in-addr.arpa."}) {
            select(*window, "Zone", zone);
            listed += listedRecords(*window);
        }
        // Each owner has one record of a type here, so a query answers one listed line.
        for (const QString &line : qAsConst(listed))
            answered += server->query(line.section(' ', 0, 0), line.section(' ', 3, 3));
        QCOMPARE(answered, listed);
        QCOMPARE(listed.size(), 3 + 3 - 1 + 3);
        QCOMPARE(server->query("shop.test.", "MX"), QStringList());
        QCOMPARE(server->query("ns.legacy.test.", "A"), QStringList());
        QCOMPARE(server->outgoingQueryLog(), QStringList());
    }
};

TAMZOR_SANDBOX_TEST_MAIN(TestEndToEnd)
#include "tst_endtoend.moc"
