#include "tests/support/namedserver.h"
#include "tests/support/testmain.h"
#include "windowdriver.h"

#include <QDir>
#include <QFileInfo>
#include <QProcess>
#include <QStandardPaths>
#include <QStatusBar>

using namespace WindowDriver;

namespace {
const QByteArray legacyZone = "$TTL 3600\n@\tIN\tSOA\tns hostmaster 3 7200 3600 1209600 3600\n"
                              "\tIN\tNS\tns\nns\tIN\tA\t127.0.0.99\n";
const QByteArray legacyStatement =
    "zone \"legacy.test\" {\n\ttype master;\n\tfile \"/etc/bind/db.legacy\";\n};\n";
const QString namedStop = QStringLiteral("stop");
const QString namedHalt = QStringLiteral("halt");
// Long enough for a notify, the secondary's query and its transfer.
const int secondaryDelay = 5000;

// The serial of the zone's SOA record as the server answers it; 0 without an answer.
quint32 serialOf(const QStringList &answer)
{
    return answer.isEmpty() ? 0 : answer.first().section(QLatin1Char(' '), 6, 6).toUInt();
}

// What tamzorctl printed on standard error; empty when it succeeded without a word.
QString shell(const QStringList &arguments)
{
    QProcess program;
    program.start(QStringLiteral(TAMZORCTL_PROGRAM), arguments);
    if (!program.waitForFinished(30000))
        return QStringLiteral("tamzorctl did not finish");
    const QString error = QString::fromUtf8(program.readAllStandardError());
    return program.exitCode() == 0
               ? error
               : QStringLiteral("status %1: %2").arg(program.exitCode()).arg(error);
}

bool serviceActive()
{
    return QProcess::execute(QStringLiteral("systemctl"),
                             {QStringLiteral("is-active"), QStringLiteral("bind9")}) == 0;
}
} // namespace

// The whole application against a real named behind the service manager: zones and records
// changed through the window are what the server answers, after a restart from the Server menu
// and, without one, at once: the zone reloaded, the serial raised, the secondary told.
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
        bool found = true;
        for (const char *program : {"named", "dig", "rndc", "nsupdate"})
            found = found && !QStandardPaths::findExecutable(program, paths).isEmpty();
        if (!found && TestSupport::isCI())
            QFAIL("named, dig, rndc or nsupdate is missing");
        if (!found)
            QSKIP("named, dig, rndc or nsupdate is missing; run scripts/install-deps.sh");
    }

    void init()
    {
        Sandbox::reset();
        problems.clear();
        server = std::make_unique<NamedServer>();
    }

    // Whatever became of the test, named goes with its server.
    void cleanup()
    {
        window.reset();
        server.reset();
        Sandbox::reset();
    }

    void zonesAndRecordsChanged_restart_serverAnswersWhatTheTablesShow()
    {
        const QString spf = QStringLiteral("v=spf1 mx -all");
        const QString dmarc = QStringLiteral("v=DMARC1; p=reject; rua=mailto:dmarc@shop.test");
        const QString dkim = "v=DKIM1; k=rsa; p=" + QString(282, 'A');
        server->installConfiguration();
        Sandbox::writeFile(QStringLiteral("/etc/bind/named.conf.local"), legacyStatement);
        Sandbox::writeFile(QStringLiteral("/etc/bind/db.legacy"), legacyZone);
        const Answer yes = press(QMessageBox::Yes);
        start(window);
        run("Start");
        QCOMPARE(server->query("ns.legacy.test.", "A"),
                 QStringList("ns.legacy.test. 3600 IN A 127.0.0.99"));

        run("AddZone", {zoneWizard("shop.test.", "ns.shop.test.", "127.0.0.53")});
        run("AddZone", {zoneWizard("10.20.30.0", "ns.shop.test.", "10.20.30.5")});
        select(*window, "Zone", "shop.test.");
        const auto add = [this](const QString &type, const QString &fields) {
            run("AddRecord", {wizard({"comboBoxType=" + type, fields})});
        };
        add("A", "lineEditName=www|lineEditAddress=127.0.0.80|spinBoxTTL=300");
        add("TXT", "lineEditName=@|lineEditText=" + spf);
        add("TXT", "lineEditName=_dmarc|lineEditText=" + dmarc);
        add("TXT", "lineEditName=sel._domainkey|lineEditText=" + dkim);
        add("MX", "lineEditName=@|spinBoxPreference=10|lineEditExchange=www");
        select(*window, "Record", "www.shop.test. 300 IN A ");
        run("EditRecord", {fillAndAccept("lineEditAddress=127.0.0.81")});
        select(*window, "Record", "shop.test. 3600 IN MX ");
        run("RemoveRecord", {yes});
        // The administrator's zone is taken over by a rename, then removed.
        select(*window, "Zone", "legacy.test");
        run("EditZone", {fillAndAccept("lineEditName=legacy2.test."), yes});
        QTRY_COMPARE(server->query("ns.legacy2.test.", "A"),
                     QStringList("ns.legacy2.test. 3600 IN A 127.0.0.99"));
        select(*window, "Zone", "legacy2.test.");
        run("RemoveZone", {yes});
        run("Restart");
        QCOMPARE(problems.join(QLatin1Char('\n')), QString());

        QStringList listed, answered;
        for (const char *zone : {"shop.test.", "30.20.10.in-addr.arpa."}) {
            select(*window, "Zone", zone);
            listed += listedRecords(*window);
        }
        // Each owner has one record of a type here, so a query answers one listed line.
        for (const QString &line : qAsConst(listed))
            answered += server->query(line.section(' ', 0, 0), line.section(' ', 3, 3));
        QCOMPARE(answered, listed);
        QCOMPARE(listed.size(), 3 + 5 - 1 + 3);
        // Texts are served as they were typed: SPF and DMARC as one string each, the key whole.
        QCOMPARE(server->query("shop.test.", "TXT"),
                 QStringList("shop.test. 3600 IN TXT \"" + spf + '"'));
        QCOMPARE(server->query("_dmarc.shop.test.", "TXT"),
                 QStringList("_dmarc.shop.test. 3600 IN TXT \"" + dmarc + '"'));
        const QStringList key = server->query("sel._domainkey.shop.test.", "TXT");
        QCOMPARE(key.value(0).section(' ', 4).remove(QRegularExpression("\" \"|\"")), dkim);
        QCOMPARE(server->query("shop.test.", "MX"), QStringList());
        QCOMPARE(server->query("ns.legacy.test.", "A"), QStringList());
        QCOMPARE(server->outgoingQueryLog(), QStringList());
    }

    // legacy.test goes from this server to the peer; upstream.test comes from the peer, kept by
    // named in raw format in its working directory, as Debian's layout has it.
    void recordChanged_windowThenShell_primaryAndSecondaryAnswerAtOnceWithHigherSerial()
    {
        server->installConfiguration(true);
        Sandbox::writeFile(QStringLiteral("/etc/bind/named.conf.local"),
                           legacyStatement +
                               "zone \"upstream.test\" {\n\ttype slave;\n\tmasters "
                               "{ 127.0.0.2 port " +
                               QByteArray::number(server->port()) +
                               "; };\n\tfile \"db.upstream.test\";\n};\n");
        Sandbox::writeFile(QStringLiteral("/etc/bind/db.legacy"), legacyZone);
        // The peer waits for the notify that this server sends once it has loaded its zone.
        server->startPeer({QStringLiteral("legacy.test")},
                          {{QStringLiteral("upstream.test"),
                            "$TTL 600\n@ SOA ns.upstream.test. hostmaster.upstream.test. 7 600 600 "
                            "86400 600\n@ NS ns\nns A 127.0.0.2\nwww A 127.0.0.21\n"}});
        start(window);
        run("Start");
        const QString upstreamFile = QStringLiteral("/var/cache/bind/db.upstream.test");
        QTRY_VERIFY_WITH_TIMEOUT(QFileInfo::exists(upstreamFile), secondaryDelay);
        QTRY_COMPARE_WITH_TIMEOUT(serialOf(server->query("legacy.test.", "SOA", true)), 3u,
                                  secondaryDelay);
        QCOMPARE(Sandbox::readFile(upstreamFile).left(4), QByteArray("\0\0\0\2", 4));
        run("Reload");

        select(*window, "Zone", "upstream.test");
        QCOMPARE(sorted(listedRecords(*window)),
                 QStringList({"ns.upstream.test. 600 IN A 127.0.0.2",
                              "upstream.test. 600 IN NS ns.upstream.test.",
                              "upstream.test. 600 IN SOA ns.upstream.test. "
                              "hostmaster.upstream.test. 7 600 600 86400 600",
                              "www.upstream.test. 600 IN A 127.0.0.21"}));
        QVERIFY(!window->findChild<QAction *>("actionAddRecord")->isEnabled());
        QVERIFY2(window->statusBar()->currentMessage().contains("kept by its primary"),
                 qPrintable(window->statusBar()->currentMessage()));

        select(*window, "Zone", "legacy.test");
        run("AddRecord", {wizard({"comboBoxType=A", "lineEditName=www.legacy.test.|"
                                                    "lineEditAddress=127.0.0.80|spinBoxTTL=300"})});
        QCOMPARE(problems.join(QLatin1Char('\n')), QString());
        QVERIFY2(window->statusBar()->currentMessage().startsWith("named loads zone legacy.test"),
                 qPrintable(window->statusBar()->currentMessage()));
        const QStringList www{"www.legacy.test. 300 IN A 127.0.0.80"};
        QTRY_COMPARE_WITH_TIMEOUT(server->query("www.legacy.test.", "A"), www, secondaryDelay);
        QTRY_COMPARE_WITH_TIMEOUT(server->query("www.legacy.test.", "A", true), www,
                                  secondaryDelay);
        QCOMPARE(serialOf(server->query("legacy.test.", "SOA")), 4u);
        QCOMPARE(serialOf(server->query("legacy.test.", "SOA", true)), 4u);

        QCOMPARE(shell({"add-record", "legacy.test", "mail", "300", "A", "127.0.0.25"}), QString());
        const QStringList mail{"mail.legacy.test. 300 IN A 127.0.0.25"};
        QTRY_COMPARE_WITH_TIMEOUT(server->query("mail.legacy.test.", "A"), mail, secondaryDelay);
        QTRY_COMPARE_WITH_TIMEOUT(server->query("mail.legacy.test.", "A", true), mail,
                                  secondaryDelay);
        QCOMPARE(serialOf(server->query("legacy.test.", "SOA", true)), 5u);
    }

    // A secondary that the shell adds is transferred by named from its primary, the peer, at the
    // port it was given, into the folder Tamzor named for it.
    void secondaryAddedFromShell_transferredFromItsPrimary()
    {
        server->installConfiguration();
        server->startPeer({}, {{QStringLiteral("fresh.test"),
                                "$TTL 600\n@ SOA ns.fresh.test. hostmaster.fresh.test. 3 600 600 "
                                "86400 600\n@ NS ns\nns A 127.0.0.2\nwww A 127.0.0.22\n"}});
        QCOMPARE(QProcess::execute(QStringLiteral("systemctl"), {"start", "bind9"}), 0);

        QCOMPARE(shell({"add-zone", "fresh.test", "--type", "secondary", "--primary",
                        NamedServer::peerAddress + " port " + QString::number(server->port())}),
                 QString());

        QTRY_COMPARE_WITH_TIMEOUT(server->query("www.fresh.test.", "A"),
                                  QStringList("www.fresh.test. 600 IN A 127.0.0.22"),
                                  secondaryDelay);
        QCOMPARE(serialOf(server->query("fresh.test.", "SOA")), 3u);
        QTRY_COMPARE_WITH_TIMEOUT(
            QDir(QStringLiteral("/var/cache/bind/tamzor")).entryList(QDir::Files).size(), 1,
            secondaryDelay);
    }

    // An update that nsupdate sent and a change through the window both outlive named's stop and
    // a new start: with named running the zone is frozen for the change; with named halted, its
    // journal holds the update, which the new file takes in.
    void dynamicZone_updateThenChange_bothKeptAcrossStopAndStart_data()
    {
        QTest::addColumn<QString>("stop");
        QTest::addColumn<bool>("readAfterUpdate");
        QTest::newRow("running, update read, change, rndc stop") << namedStop << true;
        QTest::newRow("running, update after the read: refused, shown, changed, rndc stop")
            << namedStop << false;
        QTest::newRow("halted with the update in its journal, change, start") << namedHalt << true;
    }

    void dynamicZone_updateThenChange_bothKeptAcrossStopAndStart()
    {
        QFETCH(QString, stop);
        QFETCH(bool, readAfterUpdate);
        server->installConfiguration();
        Sandbox::writeFile(
            QStringLiteral("/etc/bind/named.conf.local"),
            "zone \"dyn.test\" {\n\ttype master;\n\tfile "
            "\"/var/cache/bind/db.dyn.test\";\n\tallow-update { 127.0.0.1; };\n};\n");
        Sandbox::writeFile(QStringLiteral("/var/cache/bind/db.dyn.test"),
                           "$TTL 3600\n@ SOA ns hostmaster 2024010101 7200 3600 1209600 3600\n"
                           "@ NS ns\nns A 127.0.0.99\n");
        start(window);
        run("Start");
        QCOMPARE(server->update("update add fromupdate.dyn.test. 300 A 127.0.0.7"), QString());
        const QStringList fromUpdate{"fromupdate.dyn.test. 300 IN A 127.0.0.7"};
        QCOMPARE(server->query("fromupdate.dyn.test.", "A"), fromUpdate);
        // named answers from memory before its journal is on disk; a read before that would see
        // the journal change under it, which Tamzor rightly refuses.
        const QFileInfo journal(QStringLiteral("/var/cache/bind/db.dyn.test.jnl"));
        qint64 journalSize = -1;
        QTRY_VERIFY_WITH_TIMEOUT(
            [&] {
                QFileInfo now(journal.filePath());
                const bool settled = now.exists() && now.size() == journalSize;
                journalSize = now.exists() ? now.size() : -1;
                QTest::qWait(200);
                return settled;
            }(),
            10000);
        if (stop == namedHalt) {
            QCOMPARE(QProcess::execute(QStringLiteral("rndc"), {stop}), 0);
            QTRY_VERIFY(!serviceActive());
            QVERIFY(QFileInfo::exists(QStringLiteral("/var/cache/bind/db.dyn.test.jnl")));
        }
        if (readAfterUpdate)
            run("Reload");
        select(*window, "Zone", "dyn.test");
        const Answer addWww =
            wizard({"comboBoxType=A", "lineEditName=www.dyn.test.|"
                                      "lineEditAddress=127.0.0.80|spinBoxTTL=300"});
        if (!readAfterUpdate) {
            const QStringList seen =
                give(*window, "actionAddRecord", {addWww, press(QMessageBox::Ok), cancel});
            QCOMPARE(fitted(seen, {"critical *took dynamic updates since it was read*"}),
                     QStringList("critical *took dynamic updates since it was read*"));
        }
        QVERIFY(listedRecords(*window).contains(fromUpdate.first()));
        run("AddRecord", {addWww});
        QCOMPARE(problems.join(QLatin1Char('\n')), QString());

        if (stop == namedStop) {
            QCOMPARE(QProcess::execute(QStringLiteral("rndc"), {stop}), 0);
            QTRY_VERIFY(!serviceActive());
        }
        run("Start");
        QCOMPARE(server->query("fromupdate.dyn.test.", "A"), fromUpdate);
        QCOMPARE(server->query("www.dyn.test.", "A"),
                 QStringList("www.dyn.test. 300 IN A 127.0.0.80"));
        // The update raised the serial once, the window's change again, to today's date.
        QVERIFY(serialOf(server->query("dyn.test.", "SOA")) >= 2024010102u);
    }

    // Split horizon: the same name in two views, each with its own records, added and changed
    // through the shell into the views' managed files, which named includes in each view's
    // block; a client sees the zone of the view that matches its address.
    void zonesInViews_sameNameTwice_eachClientGetsItsViewsZone()
    {
        server->installConfiguration();
        const QString inside = QStringLiteral("127.0.0.1"), outside = QStringLiteral("127.0.0.3");
        QString reason;
        QVERIFY2(Sandbox::addLoopbackAddress(outside, &reason), qPrintable(reason));
        Sandbox::writeFile(QStringLiteral("/etc/bind/named.conf"),
                           "include \"/etc/bind/named.conf.options\";\n"
                           "view \"inside\" {\n\tmatch-clients { 127.0.0.1; };\n"
                           "\tinclude \"/etc/bind/named.conf.default-zones\";\n};\n"
                           "view \"outside\" {\n\tmatch-clients { any; };\n"
                           "\tinclude \"/etc/bind/named.conf.default-zones\";\n};\n");
        QCOMPARE(QProcess::execute(QStringLiteral("systemctl"), {"start", "bind9"}), 0);
        for (const auto &[view, address] :
             {std::pair{"inside", "127.0.0.81"}, std::pair{"outside", "127.0.0.82"}}) {
            QCOMPARE(shell({"add-zone", "shop.test", "--view", view, "--ns-address", address}),
                     QString());
            QCOMPARE(shell({"add-record", "--view", view, "shop.test", "www", "A", address}),
                     QString());
        }
        QVERIFY(shell({"add-record", "shop.test", "ftp", "A", "127.0.0.9"})
                    .contains("zone shop.test is in the views inside, outside"));
        QCOMPARE(QProcess::execute(QStringLiteral("/usr/bin/named-checkconf"),
                                   {"-z", "/etc/bind/named.conf"}),
                 0);
        QTRY_COMPARE(server->query("www.shop.test.", "A", false, inside),
                     QStringList("www.shop.test. 3600 IN A 127.0.0.81"));
        QTRY_COMPARE(server->query("www.shop.test.", "A", false, outside),
                     QStringList("www.shop.test. 3600 IN A 127.0.0.82"));

        QCOMPARE(shell({"remove-zone", "shop.test", "--view", "outside"}), QString());
        QTRY_COMPARE(server->query("shop.test.", "SOA", false, outside), QStringList());
        QCOMPARE(server->query("www.shop.test.", "A", false, inside),
                 QStringList("www.shop.test. 3600 IN A 127.0.0.81"));
        QCOMPARE(server->outgoingQueryLog(), QStringList());
    }
};

TAMZOR_SANDBOX_TEST_MAIN(TestEndToEnd)
#include "tst_endtoend.moc"
