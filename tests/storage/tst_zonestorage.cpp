#include "common/filestamps.h"
#include "records/recordparser.h"
#include "storage/zonestorage.h"
#include "tests/support/testmain.h"

#include <QDir>
#include <QDirIterator>
#include <QProcess>

#include <pwd.h>
#include <sys/stat.h>
#include <unistd.h>

#include <functional>

namespace {

const QString namedConf = QStringLiteral("/etc/bind/named.conf");
const QString managedConf = QStringLiteral("/etc/bind/tamzor.conf");
const QString genericZoneFile = QStringLiteral("/etc/bind/db.generic");
const QString checkZone = QStringLiteral("/usr/bin/named-checkzone");

const QByteArray header = TestSupport::managedHeader;
const QByteArray includeLine = "include \"/etc/bind/tamzor.conf\";\n";
const QByteArray options = "options { directory \"/etc/bind\"; };\n";
// Owner names relative to the origin, so that any zone can load it.
const QByteArray genericZone = "$TTL 3600\n@ IN SOA ns.example.net. admin.example.net. 1 3600 600 "
                               "86400 300\n@ IN NS ns.example.net.\n";
const QByteArray foreignStatement =
    "zone \"example.com\" { type master; file \"/etc/bind/db.generic\"; };";
const QByteArray otherStatement =
    "zone \"other.com\" { type master; file \"/etc/bind/db.generic\"; };";
const QByteArray exampleZoneText = "example.com. 86400 IN SOA ns1.example.com. "
                                   "hostmaster.example.com. 7 86400 7200 3600000 172800\n"
                                   "example.com. 86400 IN NS ns1.example.com.\n"
                                   "ns1.example.com. 3600 IN A 192.0.2.1\n"
                                   "example.com. 86400 IN TXT \"gr\xc3\xbc\xc3\x9f dich\"\n";

QByteArray managedStatement(const QString &name, const QString &file = "/etc/bind/db.generic")
{
    return TestSupport::masterStatement(name, file);
}

PZone makeZone(const QString &name, const QString &file, const QString &conf = managedConf)
{
    PZone zone(new Zone);
    zone->setName(name);
    zone->setFile(file);
    zone->setConf(conf);
    return zone;
}

// Zone text in the checker's own form, one record a line.
QVector<PRecord> recordsOf(const QByteArray &text)
{
    return TestSupport::parsedRecords(QString::fromUtf8(text).split('\n', Qt::SkipEmptyParts));
}

using TestSupport::failureOf;

// Whether the server would accept the sandbox's configuration and load every zone; its complaint
// goes to the test log.
bool serverAccepts()
{
    QProcess checker;
    checker.setProcessChannelMode(QProcess::MergedChannels);
    checker.start(QStringLiteral("/usr/bin/named-checkconf"), {QStringLiteral("-z"), namedConf});
    checker.waitForFinished(-1);
    qInfo().noquote() << "named-checkconf -z:" << checker.readAll();
    return checker.exitStatus() == QProcess::NormalExit && checker.exitCode() == 0;
}

// Owner, group and mode as "uid:gid:octal mode".
QString stateOf(const QString &path)
{
    struct stat status = {};
    stat(QFile::encodeName(path).constData(), &status);
    return QString::asprintf("%u:%u:%o", status.st_uid, status.st_gid, status.st_mode & 07777);
}

// The files every failure case starts from.
void writeBaseline()
{
    Sandbox::writeFile(namedConf, options + foreignStatement + "\n");
    Sandbox::writeFile(managedConf, header + "// the old zones\n");
    QDir().mkpath(QStringLiteral("/etc/bind/tamzor"));
}

} // namespace

// Puts a fault in place before the step, or spoils the zone the step gets.
using Arrange = std::function<void(Zone &)>;
Q_DECLARE_METATYPE(Arrange)

class TestZoneStorage : public QObject
{
    Q_OBJECT

public:
    // SaveInclude: a managed zone whose include line cannot be added to the server configuration.
    enum Operation { SaveInclude, SaveForeign, Add, SaveRecords };
    Q_ENUM(Operation)

private slots:
    void initTestCase() { qputenv("TMPDIR", QFile::encodeName(Sandbox::scratchDirectory())); }

    void init()
    {
        Sandbox::reset();
        FileStamps::forgetAll();
        Sandbox::writeFile(genericZoneFile, genericZone);
        umask(022);
    }

    void cleanupTestCase() { Sandbox::reset(); }

    void saveZone_serverConfiguration_foreignStatementCutAndIncludedOnce_data()
    {
        // Between the bars: the foreign statement that goes, with the line it stood alone on;
        // without bars the zone is managed already.
        QTest::addColumn<QByteArray>("marked");
        QTest::addColumn<QByteArray>("appended");
        const QByteArray none;
        QTest::newRow("no include: appended on a line of its own") << options << includeLine;
        QTest::newRow("last line without line feed: line feed added before the include")
            << options.trimmed() << "\n" + includeLine;
        QTest::newRow("include behind comment markers is no include")
            << options + "// " + includeLine + "/* " + includeLine + "*/\n"
            << includeLine;
        QTest::newRow("include in an included file")
            << options + "include \"/etc/bind/named.conf.local\";\n"
            << none;
        QTest::newRow("include through a wildcard")
            << options + "include \"/etc/bind/tamzor.con?\";\n"
            << none;
        QTest::newRow("cut: last in its file, after a zone whose name matches with any character "
                      "for the dots")
            << "zone \"example1com\" { type master; file \"/etc/bind/db.generic\"; };\n|" +
                   foreignStatement + "|"
            << includeLine;
        QTest::newRow("cut: keyword in capitals, unquoted name with final dot in other case, class")
            << QByteArray("|ZONE Example.COM. IN { type master; file \"/etc/bind/db.generic\"; };|")
            << includeLine;
        QTest::newRow("cut: nested blocks inside, an unknown statement after")
            << QByteArray("|zone \"example.com\" { type master; file \"/etc/bind/db.generic\";\n"
                          "\tallow-transfer { none; }; };\n|statistics-channels { inet 127.0.0.1 "
                          "port 8053 allow { 127.0.0.1; }; };\n")
            << includeLine;
        QTest::newRow("cut: the name, braces and semicolons in comments and strings")
            << "/* zone \"example.com\" { }; */\n# zone example.com { };\n"
               "options { version \"}; zone example.com {\"; };\n"
               "|zone \"example.com\" { // }; here\n\ttype master; # };\n"
               "\tfile \"/etc/bind/db.generic\"; /* }; */\n};\n|" +
                   otherStatement + "\n"
            << includeLine;
        QTest::newRow("cut: CRLF line ends and bytes that are not UTF-8 stay byte for byte")
            << "// caf\xe9\r\n|" + foreignStatement + "\r\n|options { version \"\xff\"; };\r\n"
            << includeLine;
    }

    void saveZone_serverConfiguration_foreignStatementCutAndIncludedOnce()
    {
        QFETCH(QByteArray, marked);
        QFETCH(QByteArray, appended);
        const QList<QByteArray> parts = marked.split('|');
        Sandbox::writeFile(namedConf, parts.join());
        Sandbox::writeFile(QStringLiteral("/etc/bind/named.conf.local"), includeLine);
        const PZone zone =
            makeZone("example.com", genericZoneFile, parts.size() == 3 ? namedConf : managedConf);
        if (parts.size() != 3)
            Sandbox::writeFile(managedConf, header + managedStatement("example.com") + "\n");

        QCOMPARE(failureOf([&] { ZoneStorage::saveZone(zone, {zone}); }), QString());

        QCOMPARE(Sandbox::readFile(namedConf), parts.at(0) + parts.value(2) + appended);
        // A moved statement keeps its text, options and comments included.
        QCOMPARE(Sandbox::readFile(managedConf),
                 header + (parts.size() == 3 ? QByteArray(parts.at(1).trimmed() + "\n\n")
                                             : QByteArray(managedStatement("example.com") + "\n")));
        QCOMPARE(zone->conf(), managedConf);
        QVERIFY(serverAccepts());
    }

    void failedStep_everyFileAsItWas_data()
    {
        QTest::addColumn<Operation>("operation");
        QTest::addColumn<Arrange>("arrange");
        QTest::addColumn<QString>("failure"); // "..." at the end: the start of the text
        const Arrange readOnly = [](Zone &) { Sandbox::makeReadOnly(); };
        // Three pages: the two files take one each, a large new file finds room for its first
        // page only, which makes a short write.
        const Arrange fullDisk = [](Zone &) {
            Sandbox::mountTmpfs(QStringLiteral("/etc/bind"), 12);
            writeBaseline();
        };
        const auto confHolding = [](const QByteArray &conf) {
            return Arrange([conf](Zone &) { Sandbox::writeFile(namedConf, conf); });
        };
        const auto spoiled = [](void (Zone::*set)(const QString &), const QString &value) {
            return Arrange([=](Zone &zone) { (zone.*set)(value); });
        };
        const QString notFound = "Can't find zone example.com in file " + namedConf;
        const QString noRecords = QStringLiteral("Can't save zone records\n");
        const QString notChecked = noRecords + "Can't check zone example.com: ";
        const QString noZones = QStringLiteral("Can't save zones\n");
        const QString serverRefuses = noZones + "named-checkconf refuses the configuration: ...";
        const QString holds = " holds a double quote, a backslash or a control character";

        QTest::newRow("include, server configuration read-only")
            << SaveInclude << Arrange([](Zone &) { Sandbox::makeReadOnly(namedConf); })
            << "Can't open file " + namedConf;
        QTest::newRow("take over, managed file fails after the cut: statement put back")
            << SaveForeign << Arrange([](Zone &zone) {
                   zone.setConf(Sandbox::scratchDirectory() + "/zones.conf");
                   Sandbox::writeFile(zone.conf(), "// mine\n" + foreignStatement);
                   Sandbox::makeReadOnly();
               })
            << "Can't open file " + managedConf;
        QTest::newRow("take over, only in comments, inside a view or with another class")
            << SaveForeign
            << confHolding("// " + foreignStatement + "\n/*/ " + foreignStatement + " */\n# " +
                           foreignStatement + "\nview \"v\" { " + foreignStatement +
                           " };\nzone example.com CH { type master; file \"x\"; };")
            << notFound;
        QTest::newRow("take over, file does not scan")
            << SaveForeign << confHolding(foreignStatement + "\n/* never closed\n")
            << "Can't read the statements of file " + namedConf + "...";
        QTest::newRow("take over, line feed in name")
            << SaveForeign << spoiled(&Zone::setName, "a\n}; zone x {")
            << noZones + "Zone name a\n}; zone x {" + holds;
        QTest::newRow("add, backslash in file")
            << Add << spoiled(&Zone::setFile, "a\\b") << noZones + "Zone file path a\\b" + holds;
        QTest::newRow("add, class of two words")
            << Add << spoiled(&Zone::setZoneClass, "IN {")
            << noZones + "Zone class IN { is not a single word";
        QTest::newRow("take over a slave zone: refused, statement put back")
            << SaveForeign << spoiled(&Zone::setType, "slave") << serverRefuses;
        QTest::newRow("add, managed file fails: new zone file removed")
            << Add << Arrange([](Zone &) {
                   QFile::remove(managedConf);
                   QDir().mkpath(managedConf);
               })
            << "Can't open file " + managedConf;
        QTest::newRow("records, checker refuses")
            << SaveRecords << Arrange([](Zone &zone) {
                   zone.setRecords(zone.records() << parseRecordLine("example.com. 1 IN SOA n. "
                                                                     "h. 1 2 3 4 5"));
               })
            << "Zone contains errors: dns_master_load: example.com: example.com: multiple RRs of "
               "singleton type\nzone example.com/IN: loading from master file example.com "
               "failed...";
        QTest::newRow("records, checker missing")
            << SaveRecords << Arrange([](Zone &) { Sandbox::removeProgram(checkZone); })
            << notChecked + "/usr/bin/named-checkzone could not be started: ...";
        QTest::newRow("records, checker crashes after saying OK")
            << SaveRecords << Arrange([](Zone &) {
                   Sandbox::replaceProgram(checkZone, "#!/bin/sh\necho OK\nkill -SEGV $$\n");
               })
            << notChecked + "/usr/bin/named-checkzone crashed";
        QTest::newRow("records, read-only /etc/bind")
            << SaveRecords << readOnly << noRecords + "Can't open file " + genericZoneFile;
        QTest::newRow("records, full disk")
            << SaveRecords << fullDisk << noRecords + "Can't write file " + genericZoneFile;
    }

    void failedStep_everyFileAsItWas()
    {
        QFETCH(Operation, operation);
        QFETCH(Arrange, arrange);
        QFETCH(QString, failure);
        writeBaseline();
        const PZone zone = makeZone("example.com", genericZoneFile,
                                    operation == SaveForeign ? namedConf : managedConf);
        if (operation == Add)
            zone->setFile(QStringLiteral("/etc/bind/tamzor/new.db"));
        if (operation == SaveInclude)
            Sandbox::writeFile(managedConf, header + managedStatement("example.com"));
        QList<PZone> zones{zone};
        QByteArray text = exampleZoneText;
        for (int i = 0; i < 200; ++i) {
            zones.append(makeZone(QStringLiteral("zone%1.test").arg(i), genericZoneFile));
            text += "host" + QByteArray::number(i) + ".example.com. 3600 IN A 192.0.2.1\n";
        }
        zone->setRecords(recordsOf(text));
        arrange(*zone);
        const QString conf = zone->conf();
        QMap<QString, QByteArray> before = Sandbox::snapshot();

        const QString got = failureOf([&] {
            if (operation == Add)
                ZoneStorage::addZone(zone, {zone});
            else if (operation == SaveRecords)
                ZoneStorage::saveZoneRecords(zone);
            else
                ZoneStorage::saveZone(zone, zones);
        });

        QVERIFY2(TestSupport::fits(got, failure), qPrintable(got));
        QMap<QString, QByteArray> after = Sandbox::snapshot();
        if (operation == SaveInclude)
            QVERIFY(before.remove(managedConf) && after.remove(managedConf));
        QCOMPARE(after, before);
        QCOMPARE(zone->conf(), conf);
    }

    void debianDefaults_takeOverAndAdd_serverAcceptsEachStep()
    {
        Sandbox::installDebianDefaults();
        const QString defaultZones = QStringLiteral("/etc/bind/named.conf.default-zones");
        const QByteArray namedConfAfter = Sandbox::readFile(namedConf) + includeLine;
        const QByteArray zonesLeft = Sandbox::readFile(defaultZones)
                                         .replace("zone \"127.in-addr.arpa\" {\n\ttype "
                                                  "master;\n\tfile \"/etc/bind/db.127\";\n};\n",
                                                  "");
        const PZone taken = makeZone("127.in-addr.arpa", "/etc/bind/db.127", defaultZones);
        const PZone foreign = makeZone("255.in-addr.arpa", "/etc/bind/db.255", defaultZones);
        const PZone added(new Zone);
        added->setName(QStringLiteral("example.com"));
        added->setRecords(recordsOf(exampleZoneText));
        umask(077); // the server, not root, reads what is written

        QCOMPARE(failureOf([&] { ZoneStorage::saveZone(taken, {taken, foreign}); }), QString());
        QCOMPARE(Sandbox::readFile(defaultZones), zonesLeft);
        QCOMPARE(Sandbox::readFile(namedConf), namedConfAfter);
        QVERIFY(serverAccepts());

        QCOMPARE(failureOf([&] {
                     ZoneStorage::addZone(added, {taken, foreign, added});
                 }),
                 QString());
        QCOMPARE(Sandbox::readFile(added->file()), exampleZoneText);
        QCOMPARE(Sandbox::readFile(managedConf),
                 header +
                     "zone \"127.in-addr.arpa\" {\n\ttype master;\n\tfile "
                     "\"/etc/bind/db.127\";\n};\n\n" +
                     managedStatement("example.com", added->file()) + "\n");
        QCOMPARE(Sandbox::readFile(namedConf), namedConfAfter);
        QVERIFY(serverAccepts());
        QCOMPARE(stateOf(added->file()) + ' ' + stateOf("/etc/bind/tamzor"),
                 QStringLiteral("0:0:644 0:0:755"));
    }

    // The administrator's file outlives the zones: only files the application made are deleted.
    void relativeZoneFiles_takeOverSaveAndRemove_resolvedFileReplacedInPlaceAndKept()
    {
        const QByteArray directory = "options { directory \"/etc/bind/zones\"; };\n";
        const QByteArray conf =
            directory + "zone \"example.org\" { type master; file \"db.example\"; };\n";
        Sandbox::writeFile(namedConf,
                           conf + "zone \"example.com\" { type master; file \"db.example\"; };\n");
        Sandbox::writeFile("/etc/bind/zones/db.example", genericZone);
        const PZone zone = makeZone("example.com", "db.example", namedConf);
        const PZone other = makeZone("example.org", "db.example", namedConf);
        zone->setDirectory(QStringLiteral("/etc/bind/zones"));
        other->setDirectory(QStringLiteral("/etc/bind/zones"));
        zone->setRecords(recordsOf(exampleZoneText));

        QCOMPARE(failureOf([&] { ZoneStorage::saveZone(zone, {zone, other}); }), QString());
        QCOMPARE(Sandbox::readFile(managedConf),
                 header + "zone \"example.com\" { type master; file \"db.example\"; };\n\n");
        QVERIFY(serverAccepts());
        // The server's user must still be able to write a file it owns after root replaced it.
        const passwd *server = getpwnam("bind");
        const QByteArray path = QFile::encodeName(zone->filePath());
        QVERIFY(server && !chown(path, server->pw_uid, server->pw_gid) && !chmod(path, 0664));
        const QString kept = stateOf(zone->filePath());

        QCOMPARE(failureOf([&] { ZoneStorage::saveZoneRecords(zone); }), QString());
        QCOMPARE(failureOf([&] { ZoneStorage::removeZone(zone, {other}); }), QString());
        QCOMPARE(Sandbox::readFile(zone->filePath()), exampleZoneText);
        QCOMPARE(stateOf(zone->filePath()), kept);
        QCOMPARE(Sandbox::readFile(managedConf), header + "\n");
        QCOMPARE(Sandbox::readFile(namedConf), conf + includeLine);

        QCOMPARE(failureOf([&] { ZoneStorage::removeZone(other, {}); }), QString());
        QCOMPARE(Sandbox::readFile(namedConf), directory + includeLine);
        QCOMPARE(Sandbox::readFile(zone->filePath()), exampleZoneText);
    }
};

TAMZOR_SANDBOX_TEST_MAIN(TestZoneStorage)
#include "tst_zonestorage.moc"
