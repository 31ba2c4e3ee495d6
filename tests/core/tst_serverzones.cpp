#include "common/paths.h"
#include "core/serverzones.h"
#include "core/zoneblueprint.h"
#include "records/recordparser.h"
#include "records/soarecord.h"
#include "storage/changebackup.h"
#include "tests/support/stallwatch.h"
#include "tests/support/testmain.h"

#include <QCryptographicHash>
#include <QDate>
#include <QDir>
#include <QProcess>
#include <QSignalSpy>

#include <functional>
#include <memory>

Q_DECLARE_METATYPE(PZone)

namespace {
const QString namedConf = QStringLiteral("/etc/bind/named.conf");
const QString localConf = QStringLiteral("/etc/bind/named.conf.local");
const QString managedConf = QStringLiteral("/etc/bind/tamzor.conf");
const QString checkZone = QStringLiteral("/usr/bin/named-checkzone");
const QString compileZone = QStringLiteral("/usr/bin/named-compilezone");
const QString checkConf = QStringLiteral("/usr/bin/named-checkconf");
const QString exampleFile = QStringLiteral("/etc/bind/db.example.com");
const QString backups = QStringLiteral("/var/backups");

// Relative names only, so that the text loads under any zone name.
const QByteArray zoneText = "$TTL 3600\n@ IN SOA ns hostmaster 1 7200 3600 1209600 3600\n"
                            "@ IN NS ns\nns IN A 192.0.2.1\nwww IN A 192.0.2.2\n";

// Signed outside named: the signature is kept as the signer made it.
const QByteArray signedZoneText =
    zoneText + "ns 3600 IN RRSIG A 8 3 3600 20300101000000 20240101000000 12345 example. "
               "dGhpcyBpcyBub3QgYSByZWFsIHNpZ25hdHVyZQ==\n";
// Zones beside the two that the changes work on: one signed outside named, one that named
// signs, and a secondary whose file named wrote in raw format where Debian keeps it.
const QByteArray otherZones =
    "zone \"signed.test\" { type master; file \"/etc/bind/db.signed.test\"; };\n"
    "zone \"policy.test\" { type master; file \"/etc/bind/db.policy.test\"; dnssec-policy "
    "default; inline-signing yes; };\n"
    "zone \"secondary.test\" { type slave; masters { 192.0.2.1; }; file "
    "\"db.secondary.test\"; };\n";

// A transfer key for the secondaries' primaries.
const QByteArray transferKey =
    "key \"xfer-key\" { algorithm hmac-sha256; secret \"c2VjcmV0\"; };\n";

PZone newSecondary(const QString &name)
{
    ZoneBlueprint blueprint;
    blueprint.name = name;
    blueprint.type = QStringLiteral("secondary");
    blueprint.primaries = QStringList{"192.0.2.1", "2001:db8::1 port 5353 key xfer-key"};
    return blueprint.build();
}

PZone newZone(const QString &name)
{
    const PZone zone = PZone::create();
    zone->setName(name);
    zone->setRecords(TestSupport::parsedRecords(
        QString("%1 3600 IN SOA ns.%1 hostmaster.%1 1 7200 3600 1209600 3600|%1 3600 IN NS ns.%1|"
                "ns.%1 3600 IN A 192.0.2.9")
            .arg(name)
            .split('|')));
    return zone;
}

// What the core holds, down to which record objects: a failed change must leave exactly this.
// Without identities, in name order: a fresh read lists a moved zone where its statement now is.
QString held(const ServerZones &zones, bool identities)
{
    QStringList blocks;
    for (const PZone &zone : zones.zones()) {
        QStringList lines;
        lines << QStringLiteral("%1 %2 %3 %4 %5 %6 view %7")
                     .arg(zone->name(), zone->zoneClass(), zone->type(), zone->conf(), zone->file(),
                          zone->primaries().join(','), zone->view());
        for (const PRecord &record : zone->records())
            lines << QStringLiteral("  %1 %2").arg(
                identities ? QString::number(quintptr(record.data()), 16) : QString(),
                record->toString());
        // The compiler prints a zone in an order of its own.
        if (!identities)
            std::sort(lines.begin() + 1, lines.end());
        blocks << lines.join('\n');
    }
    if (!identities)
        blocks.sort();
    return blocks.join('\n');
}

const auto recordOf = TestSupport::findRecord;

// A change, or what puts a fault in place (or makes a change beforehand) once the zones are read.
using Step = std::function<void(ServerZones &)>;
using Change = Step;
using Fault = Step;

// The paths whose bytes differ, appeared or went.
QStringList changedEntries(const QMap<QString, QByteArray> &before,
                           const QMap<QString, QByteArray> &after)
{
    QStringList paths;
    for (const QString &path : before.keys() + after.keys()) {
        if (before.value(path, "gone") != after.value(path, "gone") && !paths.contains(path))
            paths << path;
    }
    return paths;
}

// The changes name their zone, and its view where there are views: the objects exist only once
// the zones are read.
Change addingZone(const QString &name, const QString &view = {})
{
    return [=](ServerZones &zones) {
        const PZone zone = newZone(name);
        zone->setView(view);
        zones.addZone(zone);
    };
}

Change editingZone(const QString &name, const ZoneSettings &wanted, const QString &view = {})
{
    return [=](ServerZones &zones) { zones.editZone(zones.find(name, view), wanted); };
}

Change removingZone(const QString &name, const QString &view = {})
{
    return [=](ServerZones &zones) { zones.removeZone(zones.find(name, view)); };
}

Change addingRecord(const QString &name, const QString &line, const QString &view = {})
{
    return
        [=](ServerZones &zones) { zones.addRecord(zones.find(name, view), parseRecordLine(line)); };
}

Change addingMail(const QString &name)
{
    return addingRecord(name, "mail." + name + ". 60 IN A 192.0.2.25");
}

// Without `edit` the record is removed, with it replaced by an edited copy.
Change changingRecord(const QString &name, const QString &owner, const QString &type,
                      const std::function<void(Record &)> &edit = {})
{
    return [=](ServerZones &zones) {
        const PZone zone = zones.find(name);
        const PRecord record = recordOf(zone, owner, type);
        if (!edit) {
            zones.removeRecord(zone, record);
            return;
        }
        QVERIFY(record);
        const PRecord replacement(record->clone());
        edit(*replacement);
        zones.editRecord(zone, record, replacement);
    };
}

const Change removeWww = changingRecord("example.com", "www.example.com.", "A");

// For a fault that rewrote the configuration: read again before the change.
void loadNow(ServerZones &zones)
{
    zones.setBackgroundWork(false);
    zones.load();
    zones.setBackgroundWork(true);
}

std::unique_ptr<ServerZones> readAfresh()
{
    auto zones = std::make_unique<ServerZones>();
    zones->load();
    return zones;
}

bool namedAccepts()
{
    return QProcess::execute(checkConf, {QStringLiteral("-z"), namedConf}) == 0;
}

void row(const char *name, const Change &change, const Fault &fault, const QString &failure = {},
         const QString &statement = {})
{
    QTest::newRow(name) << change << fault << failure << statement;
}
} // namespace

Q_DECLARE_METATYPE(Step)

// Every change of the core on Debian's configuration with a zone declared elsewhere
// (example.com) and one in the managed file (managed.test): done, it is what a fresh read of the
// disk finds; failed at any step, memory and disk stay as they were and no signal is sent.
class TestServerZones : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        QString reason;
        QVERIFY2(Sandbox::isolateNetwork(&reason), qPrintable(reason));
        qRegisterMetaType<PZone>("PZone");
        qputenv("TMPDIR", QFile::encodeName(Sandbox::scratchDirectory()));
    }

    void init()
    {
        Sandbox::reset();
        Sandbox::installDebianDefaults();
        Sandbox::writeFile(namedConf,
                           Sandbox::readFile(namedConf) + "include \"/etc/bind/tamzor.conf\";\n");
        Sandbox::writeFile(localConf, transferKey +
                                          "zone \"example.com\" { type master; allow-transfer { "
                                          "none; }; file \"/etc/bind/db.example.com\"; };\n" +
                                          otherZones);
        Sandbox::writeFile(managedConf, TestSupport::managedHeader +
                                            "zone \"managed.test\" IN {\n\ttype master;\n\tfile "
                                            "\"/etc/bind/db.managed.test\";\n};\n");
        Sandbox::writeFile(QStringLiteral("/etc/bind/db.example.com"), zoneText);
        Sandbox::writeFile(QStringLiteral("/etc/bind/db.managed.test"), zoneText);
        Sandbox::writeFile(QStringLiteral("/etc/bind/db.signed.test"), signedZoneText);
        Sandbox::writeFile(QStringLiteral("/etc/bind/db.policy.test"), signedZoneText);
        const QString text = Sandbox::scratchDirectory() + QStringLiteral("/secondary.text");
        Sandbox::writeFile(text, zoneText);
        QCOMPARE(QProcess::execute(QStringLiteral("/usr/bin/named-compilezone"),
                                   {"-q", "-F", "raw", "-o", "/var/cache/bind/db.secondary.test",
                                    "secondary.test", text}),
                 0);
    }

    void cleanupTestCase() { Sandbox::reset(); }

    void change_doneOrLeavesEverythingAsItWas_data()
    {
        QTest::addColumn<Change>("change");
        QTest::addColumn<Fault>("fault");
        // Empty when the change is stored.
        QTest::addColumn<QString>("failure");
        // The zone's statement in the managed file afterwards, where it matters: only a
        // secondary's servers are written anew, in a clause that replaces or joins the old text or
        // goes with its line. FILE is the file that named is left to write for a new secondary.
        QTest::addColumn<QString>("statement");

        const Change addZone = addingZone("new.test.");
        const Change renameManaged = editingZone("managed.test", {"renamed.test", "master"});
        const Change moveForeign = editingZone("example.com", {"example.org", "master"});
        const Change removeManaged = removingZone("managed.test");
        const Change removeForeign = removingZone("example.com");
        const Change addRecord = addingMail("example.com");
        const Change editRecord = changingRecord("example.com", "www.example.com.", "A",
                                                 [](Record &www) { www.setTtl(60); });

        const Fault none = [](ServerZones &) {};
        const Fault zoneCheckerRefuses = [](ServerZones &) {
            Sandbox::replaceProgram(checkZone, "#!/bin/sh\necho 'zone refused'\nexit 1\n");
        };
        // A changed record's text is judged by the compiler that reads the records back.
        const Fault zoneCompilerRefuses = [](ServerZones &) {
            Sandbox::replaceProgram(compileZone, "#!/bin/sh\necho 'zone refused' >&2\nexit 1\n");
        };
        const Fault confCheckerRefuses = [](ServerZones &) {
            Sandbox::replaceProgram(checkConf, "#!/bin/sh\necho 'configuration refused'\nexit 1\n");
        };
        const Fault readOnly = [](ServerZones &) { Sandbox::makeReadOnly(); };
        const Fault noBackup = [](ServerZones &) { Sandbox::makeReadOnly(backups); };
        const Fault fullBackup = [](ServerZones &) {
            Sandbox::mountTmpfs(backups, 8);
            Sandbox::writeFile(backups + "/filler", QByteArray(8192, 'x'));
        };
        // Split horizon: example.com in both views, the outside one's names checked as named
        // checks them there, and a zone in a file included in a view.
        const Fault inViews = [](ServerZones &zones) {
            Sandbox::writeFile(
                namedConf, "options { directory \"/var/cache/bind\"; };\n"
                           "view \"inside\" {\n\tmatch-clients { 127.0.0.1; };\n"
                           "\tzone \"example.com\" { type master; file "
                           "\"/etc/bind/db.example.com\"; };\n"
                           "\tinclude \"/etc/bind/both.conf\";\n};\n"
                           "view \"outside\" {\n\tcheck-names primary ignore;\n"
                           "\tzone \"example.com\" { type master; file \"/etc/bind/db.outside\"; "
                           "};\n\tinclude \"/etc/bind/outside.conf\";\n"
                           "\tinclude \"/etc/bind/both.conf\";\n};\n");
            Sandbox::writeFile(
                "/etc/bind/outside.conf",
                "zone \"extra.test\" { type master; file \"/etc/bind/db.extra\"; };\n");
            Sandbox::writeFile(
                "/etc/bind/both.conf",
                "zone \"both.test\" { type master; file \"/etc/bind/db.extra\"; };\n");
            Sandbox::writeFile("/etc/bind/db.outside", zoneText + "PC_01 IN A 192.0.2.7\n");
            Sandbox::writeFile("/etc/bind/db.extra", zoneText);
            loadNow(zones);
        };
        const Fault doesNotScan = [](ServerZones &) {
            Sandbox::writeFile(localConf, Sandbox::readFile(localConf) + "/* never closed\n");
        };
        // Records that the zone's file only points to are changed where they are written.
        const Fault includeAndRange = [](ServerZones &zones) {
            Sandbox::writeFile(exampleFile, zoneText + "$INCLUDE \"/etc/bind/db.example.inc\"\n"
                                                       "$GENERATE 1-2 dhcp$ A 192.0.2.$\n");
            Sandbox::writeFile(QStringLiteral("/etc/bind/db.example.inc"), "inc IN A 192.0.2.9\n");
            loadNow(zones);
        };

        const QString refused = "Zone contains errors: zone refused";
        const QString confRefused = "named-checkconf refuses the configuration";
        row("zone added", addZone, none);
        row("zone added, file refused", addZone, zoneCheckerRefuses, refused);
        row("zone added, statement refused", addZone, confCheckerRefuses, confRefused);
        row("zone added, read-only", addZone, readOnly, "Can't create");
        row("zone added twice", addingZone("Managed.Test."), none,
            "Zone managed.test already exists");
        row("managed zone renamed", renameManaged, none);
        row("managed zone renamed, statement refused", renameManaged, confCheckerRefuses,
            confRefused);
        row("managed zone renamed onto another",
            editingZone("managed.test", {"example.com.", "master"}), none,
            "Zone example.com already exists");
        row("foreign zone moved", moveForeign, none);
        row("foreign zone moved, read-only", moveForeign, readOnly, "Can't");
        row("foreign zone moved, statement refused", moveForeign, confCheckerRefuses, confRefused);
        row("managed zone removed", removeManaged, none);
        row("managed zone removed, read-only", removeManaged, readOnly, "Can't");
        row("foreign zone removed", removeForeign, none);
        row("foreign zone removed, read-only", removeForeign, readOnly, "Can't");
        row("zone added, no backup possible", addZone, noBackup, "backup folder");
        row("foreign zone removed, backup disk full", removeForeign, fullBackup,
            "Can't keep a copy of");
        row("foreign zone removed, its file does not scan", removeForeign, doesNotScan,
            "Can't read the statements of file " + localConf);

        const Change addSecondary = [](ServerZones &zones) {
            zones.addZone(newSecondary("secondary.new"));
        };
        row("secondary added, with a port and a key", addSecondary, none, {},
            "zone \"secondary.new\" IN {\n\ttype slave;\n\tfile \"FILE\";\n\tprimaries { "
            "192.0.2.1; 2001:db8::1 port 5353 key \"xfer-key\"; };\n};");
        row("secondary added, statement refused", addSecondary, confCheckerRefuses, confRefused);
        const auto serveFrom = [](const QStringList &primaries) {
            return editingZone("secondary.test", {"secondary.test", "slave", primaries});
        };
        row("secondary's primaries replace the masters of its foreign statement",
            serveFrom({"192.0.2.7 port 5353"}), none, {},
            "zone \"secondary.test\" { type slave; primaries { 192.0.2.7 port 5353; }; file "
            "\"db.secondary.test\"; };");
        // Before the first transfer: what named wrote under the old name is not read under the new.
        const Fault notTransferred = [](ServerZones &zones) {
            QFile::remove("/var/cache/bind/db.secondary.test");
            loadNow(zones);
        };
        const Change renameSecondary =
            editingZone("secondary.test", {"secondary.org", "secondary", {"192.0.2.1"}});
        const QByteArray renamedSecondary = "zone \"secondary.org\" { type slave; masters { "
                                            "192.0.2.1; }; file \"db.secondary.test\"; };";
        row("secondary not yet transferred renamed: its masters kept as written", renameSecondary,
            notTransferred, {}, renamedSecondary);
        row("secondary renamed after a transfer: no records until the primary sends them",
            renameSecondary, none, {}, renamedSecondary);
        const Change managedToSecondary =
            editingZone("managed.test", {"managed.test", "slave", {"192.0.2.1"}});
        row("master made a secondary", managedToSecondary, none, {},
            "zone \"managed.test\" IN {\n\tprimaries { 192.0.2.1; };\n\ttype slave;");
        row("secondary made a master again",
            editingZone("managed.test", {"managed.test", "master"}), managedToSecondary, {},
            "zone \"managed.test\" IN {\n\ttype master;\n\tfile "
            "\"/etc/bind/db.managed.test\";\n};");
        // The checks of one primary's text are the records' tests; here the core must use them.
        row("secondary given a bad primary", serveFrom({"192.0.2.1", "192.0.2.300"}), none,
            "192.0.2.300 is neither an IPv4 nor an IPv6 address");
        row("secondary without primaries", serveFrom({}), none,
            "A slave zone needs at least one primary server");
        row("master given primaries",
            editingZone("managed.test", {"managed.test", "master", {"192.0.2.1"}}), none,
            "Only a slave zone has primaries");

        row("record added", addRecord, none);
        row("record added, refused", addRecord, zoneCompilerRefuses, refused);
        row("record added, read-only", addRecord, readOnly, "Can't");
        row("invalid record added", addingRecord("example.com", "bad..name. 60 IN A 192.0.2.1"),
            none, "Domain name is invalid");
        // named would drop it at its next start.
        row("record outside the zone added",
            addingRecord("example.com", "www.other.org. 60 IN A 192.0.2.1"), none,
            "www.other.org. lies outside zone example.com");
        row("record edited", editRecord, none);
        row("record edited, refused", editRecord, zoneCompilerRefuses, refused);
        row("record removed", removeWww, none);
        row("record removed, read-only", removeWww, readOnly, "Can't");
        row("record removed, backup disk full", removeWww, fullBackup, "Can't keep a copy of");
        row("record removed twice", removeWww, removeWww, "no longer in zone example.com");

        const QString pc02 = QStringLiteral("PC_02.example.com. 60 IN A 192.0.2.8");
        row("views: zone added in one", addingZone("new.test.", "inside"), inViews);
        row("views: zone added in none", addingZone("new.test.", ""), inViews,
            "must go into one of them: inside, outside");
        row("views: zone added in one that does not exist", addingZone("new.test.", "guests"),
            inViews, "has no view guests");
        row("views: zone of one renamed, its namesake kept",
            editingZone("example.com", {"example.org", "master"}, "outside"), inViews);
        row("views: zone removed from one", removingZone("example.com", "inside"), inViews);
        row("views: zone removed from a file included in one",
            removingZone("extra.test", "outside"), inViews);
        row("views: zone of a file that both include removed from one",
            removingZone("both.test", "outside"), inViews, "declares it in the views inside too");
        row("views: record added beside a name only that view lets pass",
            addingRecord("example.com", pc02, "outside"), inViews);
        row("views: name the other view refuses", addingRecord("example.com", pc02, "inside"),
            inViews, "a host name takes letters, digits and inner hyphens only");

        row("record added to a secondary: its primary keeps them", addingMail("secondary.test"),
            none, "kept by its primary");
        row("record added to a zone signed outside named", addingMail("signed.test"), none,
            "Zone signed.test is signed outside named");
        row("record added to a zone that named signs", addingMail("policy.test"), none);
        row("signature removed from a zone that named signs",
            changingRecord("policy.test", "ns.policy.test.", "RRSIG"), none,
            "RRSIG records are made by DNSSEC signing");
        row("key added by hand",
            addingRecord("example.com", "example.com. 60 IN DNSKEY 257 3 8 AwEAAaz/tAm8yTn4Mfeh"),
            none, "DNSKEY records are made by DNSSEC signing");

        const QString included = "This record comes from $INCLUDE file /etc/bind/db.example.inc; "
                                 "edit that file instead.";
        row("included record removed", changingRecord("example.com", "inc.example.com.", "A"),
            includeAndRange, included);
        row("included record edited",
            changingRecord("example.com", "inc.example.com.", "A", [](Record &) {}),
            includeAndRange, included);
        row("record made by a range removed",
            changingRecord("example.com", "dhcp1.example.com.", "A"), includeAndRange,
            "This record is made by $GENERATE 1-2 dhcp$ A 192.0.2.$; change that line of the "
            "zone file instead.");
    }

    // The serial on disk after a record change of example.com, whose file starts with `serial`.
    void recordChange_serialOnDisk_data()
    {
        QTest::addColumn<QByteArray>("serial");
        QTest::addColumn<Change>("change");
        QTest::addColumn<QString>("expected");
        const QString today = QDate::currentDate().toString(QStringLiteral("yyyyMMdd"));
        const auto editSoa = [](const std::function<void(SOARecord &)> &edit) {
            return changingRecord("example.com", "example.com.", "SOA",
                                  [=](Record &soa) { edit(static_cast<SOARecord &>(soa)); });
        };
        QTest::newRow("counter raised by a removal") << QByteArray("1") << removeWww << "2";
        QTest::newRow("earlier day's date becomes today's first")
            << QByteArray("2024010101") << removeWww << today + "00";
        QTest::newRow("serial the user set in the SOA stands")
            << QByteArray("1") << editSoa([](SOARecord &soa) { soa.setSerial(77); }) << "77";
        QTest::newRow("SOA edited without its serial: raised")
            << QByteArray("41") << editSoa([](SOARecord &soa) { soa.setRefresh(7201); }) << "42";
    }

    // example.com renamed example.org: its file changes in the names that held the old name and
    // nowhere else, or, where BIND would read other records from it, nothing changes at all.
    void rename_fileChangesInTheOldNamesOnly_data()
    {
        QTest::addColumn<QByteArray>("text");
        QTest::addColumn<QByteArray>("expected");
        QTest::addColumn<QString>("failure");
        // Another zone whose statement names the same file.
        QTest::addColumn<bool>("shared");
        QTest::newRow("relative names only: the file stays")
            << zoneText << zoneText << QString() << false;
        const QByteArray absolute =
            "$TTL 1h ; default\r\n$ORIGIN example.com.\r\n"
            "@ IN SOA ns.example.com. hostmaster.example.com. (\r\n\t1 7200 3600 1209600 3600 "
            ") ; apex\r\n"
            "\tIN NS ns\r\nns IN A 192.0.2.1\r\nwww.Example.COM. IN CNAME ns.example.com.\r\n"
            "@ IN MX 10 mail.example.com.\r\nmail IN A 192.0.2.3\r\n"
            "@ IN TXT \"see www.example.com.\" ; example.com. stays in comments\r\n"
            "_sip._tcp IN SRV 0 5 5060 ns.example.com.\r\n"
            "$ORIGIN sub.example.com.\r\nhost IN A 192.0.2.4\r\nalias IN CNAME www.example.net.";
        QTest::newRow("absolute names, CRLF, no final line feed")
            << absolute
            << QByteArray(absolute)
                   .replace("$ORIGIN example.com.", "$ORIGIN example.org.")
                   .replace("ns.example.com. hostmaster.example.com.",
                            "ns.example.org. hostmaster.example.org.")
                   .replace("www.Example.COM. IN CNAME ns.example.com.",
                            "www.example.org. IN CNAME ns.example.org.")
                   .replace("10 mail.example.com.", "10 mail.example.org.")
                   .replace("5060 ns.example.com.", "5060 ns.example.org.")
                   .replace("$ORIGIN sub.example.com.", "$ORIGIN sub.example.org.")
            << QString() << false;
        QTest::newRow("absolute names in a file another zone shares: refused")
            << absolute << absolute << "also the file of example.net" << true;
        QTest::newRow("an included file names the old zone: refused")
            << zoneText + "$INCLUDE /etc/bind/db.include\n"
            << zoneText + "$INCLUDE /etc/bind/db.include\n"
            << "otherwise than intended" << false;
    }

    void rename_fileChangesInTheOldNamesOnly()
    {
        QFETCH(QByteArray, text);
        QFETCH(QByteArray, expected);
        QFETCH(QString, failure);
        QFETCH(bool, shared);
        Sandbox::writeFile(exampleFile, text);
        Sandbox::writeFile("/etc/bind/db.include", "mail.example.com. IN A 192.0.2.3\n");
        if (shared)
            Sandbox::writeFile(localConf, Sandbox::readFile(localConf) +
                                              "zone \"example.net\" { type master; file \"" +
                                              exampleFile.toUtf8() + "\"; };\n");
        ServerZones zones;
        zones.load();
        const QString error = TestSupport::failureOf([&] {
            zones.editZone(zones.find("example.com"), {"example.org", "master"});
        });
        QVERIFY2(failure.isEmpty() ? error.isEmpty() : error.contains(failure), qPrintable(error));
        QCOMPARE(Sandbox::readFile(exampleFile), expected);
        const auto reread = readAfresh();
        const PZone zone = reread->find(failure.isEmpty() ? "example.org" : "example.com");
        QVERIFY(zone && zone->readProblem().isEmpty());
        QCOMPARE(held(*reread, false), held(zones, false));
    }

    // named may be slow to answer rndc, or never answer: meanwhile the window's event loop goes
    // on, as it does while the files are written.
    void recordChange_namedSlowToAnswer_eventLoopGoesOn()
    {
        Sandbox::Systemctl::setActive(true);
        Sandbox::replaceProgram(QStringLiteral("/usr/sbin/rndc"),
                                "#!/bin/sh\nsleep 0.5\necho 'zone reload queued'\n");
        ServerZones zones;
        zones.load();
        zones.setBackgroundWork(true);
        QSignalSpy told(&zones, &ServerZones::serverNotified);
        StallWatch stalls;

        addingMail("example.com")(zones);

        const qint64 longestStall = stalls.longest();
        QVERIFY2(longestStall < 100, qPrintable(QString::number(longestStall)));
        QCOMPARE(told.count(), 1);
        QVERIFY2(told.at(0).at(0).toString().contains("zone reload queued"),
                 qPrintable(told.at(0).at(0).toString()));
    }

    void recordChange_serialOnDisk()
    {
        QFETCH(QByteArray, serial);
        QFETCH(Change, change);
        QFETCH(QString, expected);
        Sandbox::writeFile(exampleFile,
                           QByteArray(zoneText).replace(" 1 7200", ' ' + serial + " 7200"));
        ServerZones zones;
        zones.load();
        change(zones);
        const PRecord soa = recordOf(readAfresh()->find("example.com"), "example.com.", "SOA");
        QCOMPARE(QString::number(static_cast<const SOARecord &>(*soa).serial()), expected);
    }

    void change_doneOrLeavesEverythingAsItWas()
    {
        QFETCH(Change, change);
        QFETCH(Fault, fault);
        QFETCH(QString, failure);
        QFETCH(QString, statement);
        ServerZones zones;
        zones.load();
        // As in the window: the files are checked and written on another thread.
        zones.setBackgroundWork(true);
        fault(zones);
        QSignalSpy added(&zones, &ServerZones::zoneAdded);
        QSignalSpy changed(&zones, &ServerZones::zoneChanged);
        QSignalSpy removed(&zones, &ServerZones::zoneRemoved);
        QSignalSpy records(&zones, &ServerZones::recordsChanged);
        const QString before = held(zones, true);
        const auto files = Sandbox::snapshot();
        const QStringList changes = ChangeBackup::folders();
        const auto folders = [] {
            return QDir(Paths::backupDirectory()).entryList(QDir::Dirs | QDir::NoDotAndDotDot);
        };
        const QStringList foldersBefore = folders();

        const QString error = TestSupport::failureOf([&] { change(zones); });

        if (!failure.isEmpty()) {
            QVERIFY2(error.contains(failure), qPrintable(error));
            QCOMPARE(held(zones, true), before);
            QCOMPARE(changedEntries(files, Sandbox::snapshot()).join(' '), QString());
            QCOMPARE(added.count() + changed.count() + removed.count() + records.count(), 0);
            QCOMPARE(folders(), foldersBefore);
            return;
        }
        QVERIFY2(error.isEmpty(), qPrintable(error));
        QCOMPARE(ChangeBackup::folders().size(), changes.size() + 1);
        QVERIFY(added.count() + changed.count() + removed.count() + records.count() > 0);
        QVERIFY(namedAccepts());
        QCOMPARE(held(*readAfresh(), false).split(QLatin1Char('\n')),
                 held(zones, false).split(QLatin1Char('\n')));
        if (statement.isEmpty())
            return;
        const PZone zone = zones.find(statement.section('"', 1, 1));
        QVERIFY2(Sandbox::readFile(managedConf)
                     .contains(QString(statement).replace("FILE", zone->file()).toUtf8()),
                 Sandbox::readFile(managedConf).constData());
        if (!statement.contains("FILE"))
            return;
        // In a folder named may write as it writes its own, and Tamzor's to delete with the zone.
        QVERIFY(!QFileInfo::exists(zone->filePath()));
        const QFileInfo folder(QFileInfo(zone->filePath()).path());
        QCOMPARE(folder.filePath(), Paths::secondaryZoneDirectory());
        const auto access = [](const QFileInfo &file) {
            return QString("%1 %2 %3")
                .arg(file.ownerId())
                .arg(file.groupId())
                .arg(file.permissions());
        };
        QCOMPARE(access(folder), access(QFileInfo("/var/cache/bind")));
        QVERIFY(zones.removalDeletesFile(zone));
    }

    void load_compilersFinishOutOfOrder_eachZoneItsOwnRecords_data()
    {
        QTest::addColumn<bool>("background");
        QTest::newRow("caller waits") << false;
        QTest::newRow("read in the background") << true;
    }

    // Several compilers run at once; the first zone waits until the second has started and then
    // takes longest. Every zone is listed at once where its statement is, gets its own records or
    // its own problem, and keeps what it has from changes until then; a zone asked for comes
    // before those still waiting.
    void load_compilersFinishOutOfOrder_eachZoneItsOwnRecords()
    {
        QFETCH(bool, background);
        const QString real =
            Sandbox::scratchDirectory() + QStringLiteral("/real/named-compilezone");
        QVERIFY(QDir().mkpath(QFileInfo(real).path()) && QFile::copy(compileZone, real));
        const QByteArray marker = Sandbox::scratchDirectory().toUtf8() + "/second-started";
        Sandbox::replaceProgram(compileZone,
                                "#!/bin/bash\ncase \"$5\" in\nslowest) i=0; while [ ! -e '" +
                                    marker + "' ] && [ $i -lt 100 ]; do sleep 0.05; " +
                                    "i=$((i+1)); done; sleep 0.6 ;;\ngone) touch '" + marker +
                                    "'; sleep 0.4 ;;\nslow) sleep 0.2 ;;\n" + "esac\nexec '" +
                                    real.toUtf8() + "' \"$@\"\n");
        const auto statement = [](const QString &name, const QByteArray &text) {
            const QString file = "/etc/bind/db." + name;
            if (!text.isEmpty())
                Sandbox::writeFile(file, text);
            return QStringLiteral("zone \"%1\" { type master; file \"%2\"; };\n")
                .arg(name, file)
                .toUtf8();
        };
        QStringList names{"slowest", "gone", "slow", "refused", "quick", "last"};
        QByteArray conf = statement("slowest", zoneText) + statement("gone", {}) +
                          statement("slow", zoneText + "mail IN A 192.0.2.25\n") +
                          statement("refused", zoneText + "@ IN SRV 0 0 53 ns\n") +
                          statement("quick", zoneText) +
                          statement("last", zoneText + "x IN TXT \"a b\"\n");
        for (int index = 0; index < 20; ++index) { // more than the compilers that run at once
            names << QStringLiteral("zone%1").arg(index);
            conf += statement(names.last(), zoneText);
        }
        Sandbox::writeFile(localConf, conf);
        ServerZones zones;
        zones.setBackgroundWork(background);
        QSignalSpy problems(&zones, &ServerZones::readProblem);
        QSignalSpy loaded(&zones, &ServerZones::zoneLoaded);
        QSignalSpy finished(&zones, &ServerZones::loadFinished);

        zones.load();

        QStringList listed;
        for (const PZone &zone : zones.zones())
            listed << zone->name();
        QCOMPARE(listed.mid(0, names.size()), names);
        if (background) {
            zones.prioritize(zones.zones().last());
            const QString refusal = TestSupport::failureOf([&] { addingMail("zone19")(zones); });
            QVERIFY2(refusal.contains("zone19 are still being read"), qPrintable(refusal));
            QVERIFY(finished.wait(30000));
        }
        QCOMPARE(finished.count(), 1);
        QCOMPARE(loaded.count(), zones.zones().size());
        QStringList order;
        for (const QList<QVariant> &arguments : loaded)
            order << arguments.at(0).value<PZone>()->name();
        if (background)
            QVERIFY2(order.indexOf(listed.last()) < order.indexOf("zone19"),
                     qPrintable(order.join(' ')));
        QStringList reported;
        for (const QList<QVariant> &arguments : problems)
            reported << arguments.at(0).toString().section('\n', 0, 0);
        QCOMPARE(reported, QStringList({"Zone gone could not be read: Zone compiler failed: "
                                        "/usr/bin/named-compilezone exited with code 1.",
                                        "Zone refused could not be read: Can not parse service, "
                                        "proto and name in srv record name: refused."}));
        QStringList read;
        for (const QString &name : names.mid(0, 7)) {
            const PZone zone = zones.find(name);
            read << (zone->records().isEmpty() ? zone->readProblem().section(':', 0, 0)
                                               : QString::number(zone->records().size()));
            for (const PRecord &record : zone->records()) {
                QCOMPARE(record->zone(), zone.data());
                QVERIFY(record->fullName().endsWith(name + '.'));
            }
        }
        QCOMPARE(read, QStringList({"4", "Zone compiler failed", "5",
                                    "Can not parse service, proto and name in srv record name", "4",
                                    "5", "4"}));
        const QString unreadable = TestSupport::failureOf([&] { addingMail("gone")(zones); });
        QVERIFY2(
            unreadable.contains("Zone gone could not be read, so its records cannot be changed"),
            qPrintable(unreadable));
        QCOMPARE(TestSupport::failureOf([&] { addingMail("zone19")(zones); }), QString());
    }

    // A colleague's edit made after the zones were read is never overwritten: the change is
    // refused and the zone shown as the file now is.
    void fileChangedSinceRead_refusedAndReadAgain()
    {
        ServerZones zones;
        zones.load();
        const QByteArray colleague = zoneText + "mail IN A 192.0.2.25\n";
        Sandbox::writeFile(exampleFile, colleague);
        QSignalSpy records(&zones, &ServerZones::recordsChanged);

        const QString error = TestSupport::failureOf([&] { removeWww(zones); });

        QVERIFY2(error.contains("File " + exampleFile + " was changed"), qPrintable(error));
        QCOMPARE(Sandbox::readFile(exampleFile), colleague);
        QVERIFY(recordOf(zones.find("example.com"), "mail.example.com.", "A"));
        QCOMPARE(records.count(), 1);
    }

    // Statements Tamzor could not read stay in the managed file, and a moved statement keeps every
    // option; the administrator's zone file outlives its zone, Tamzor's own does not.
    void administratorsText_keptThroughChanges()
    {
        const QByteArray unreadable =
            "zone \"broken.test\" IN { type master; file \"/etc/bind/db.missing\"; };\n";
        Sandbox::writeFile(managedConf, Sandbox::readFile(managedConf) + unreadable);
        ServerZones zones;
        QSignalSpy problems(&zones, &ServerZones::readProblem);
        zones.load();
        QCOMPARE(problems.count(), 1);

        zones.addZone(newZone("new.test."));
        const PZone added = zones.find("new.test");
        zones.editZone(zones.find("example.com"), {"example.org.", "master"});
        QVERIFY(Sandbox::readFile(managedConf).contains(unreadable));
        QVERIFY(Sandbox::readFile(managedConf).contains("allow-transfer { none; }"));
        QVERIFY(!Sandbox::readFile(localConf).contains("example"));

        QVERIFY(!zones.removalDeletesFile(zones.find("example.org")));
        QVERIFY(zones.removalDeletesFile(added));
        zones.removeZone(zones.find("example.org"));
        zones.removeZone(added);
        QVERIFY(QFile::exists(exampleFile));
        QVERIFY(!QFile::exists(added->filePath()));
        QVERIFY(Sandbox::readFile(managedConf).contains(unreadable));
    }

    // Before Tamzor ever wrote its file, the server's configuration must not include it.
    void foreignZoneRemoved_beforeAnyManagedFile()
    {
        QFile::remove(managedConf);
        Sandbox::writeFile(namedConf, Sandbox::readFile(namedConf).replace(
                                          "include \"/etc/bind/tamzor.conf\";\n", ""));
        ServerZones zones;
        zones.load();
        zones.removeZone(zones.find("example.com"));
        QVERIFY(!Sandbox::readFile(namedConf).contains("tamzor.conf"));
        QVERIFY(namedAccepts());
    }

    void sharedZoneFile_refusedUntilTheZoneHasItsOwn()
    {
        Sandbox::writeFile(localConf,
                           "zone \"a.test\" { type master; file \"/etc/bind/db.shared\"; };\n"
                           "zone \"b.test\" { type master; file \"/etc/bind/db.shared\"; };\n");
        Sandbox::writeFile(QStringLiteral("/etc/bind/db.shared"), zoneText);
        ServerZones zones;
        zones.load();
        const PZone a = zones.find("a.test");
        const auto addMail = [&] { addingMail("a.test")(zones); };

        QVERIFY(TestSupport::failureOf(addMail).contains("also the file of b.test"));
        zones.giveOwnFile(a);
        QCOMPARE(TestSupport::failureOf(addMail), QString());

        QCOMPARE(Sandbox::readFile(QStringLiteral("/etc/bind/db.shared")), zoneText);
        QVERIFY(a->filePath().startsWith(Paths::zoneDirectory()));
        QVERIFY(namedAccepts());
    }

    // Every replaced file is copied first, readable by root alone; undo puts the newest change
    // back, and refuses when the file was changed after it.
    void backups_keptAndUndone()
    {
        const QByteArray original = Sandbox::readFile(exampleFile);
        ServerZones zones;
        zones.load();
        removeWww(zones);
        const QString copy = ChangeBackup::folders().last() + exampleFile;
        QCOMPARE(Sandbox::readFile(copy), original);
        QCOMPARE(QFileInfo(copy).permissions() & 0x7077, QFile::ReadOwner | QFile::WriteOwner);
        QVERIFY(ServerZones::lastChange().contains("example.com"));
        // As an earlier Tamzor wrote the list: with SHA-256 hashes.
        const QString list = ChangeBackup::folders().last() + "/changes";
        const auto hashNow = [](QCryptographicHash::Algorithm algorithm) {
            return QCryptographicHash::hash(Sandbox::readFile(exampleFile), algorithm).toHex();
        };
        const QByteArray sha1 = hashNow(QCryptographicHash::Sha1);
        QVERIFY(Sandbox::readFile(list).contains(sha1));
        Sandbox::writeFile(
            list, Sandbox::readFile(list).replace(sha1, hashNow(QCryptographicHash::Sha256)));

        zones.undo();
        QCOMPARE(Sandbox::readFile(exampleFile), original);
        QVERIFY(ServerZones::lastChange().isEmpty());
        QVERIFY(recordOf(zones.find("example.com"), "www.example.com.", "A"));

        removeWww(zones);
        Sandbox::writeFile(exampleFile, Sandbox::readFile(exampleFile) + "; a colleague\n");
        QVERIFY(TestSupport::failureOf([&] { zones.undo(); }).contains("was changed after"));
        QVERIFY(Sandbox::readFile(exampleFile).endsWith("; a colleague\n"));
    }
};

TAMZOR_SANDBOX_TEST_MAIN(TestServerZones)
#include "tst_serverzones.moc"
