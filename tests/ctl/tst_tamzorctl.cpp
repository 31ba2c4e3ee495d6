#include "tests/support/testmain.h"

#include <QDate>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>

namespace {

const QString program = QStringLiteral(TAMZORCTL_PATH);
const QString sampleDirectory = QStringLiteral(TAMZOR_SAMPLE_DIR);
const QString localConf = QStringLiteral("/etc/bind/named.conf.local");
const QString exampleZoneFile = QStringLiteral("/etc/bind/db.example.com");
const QStringList unprivileged = {QStringLiteral("setpriv"), QStringLiteral("--reuid=65534"),
                                  QStringLiteral("--regid=65534"),
                                  QStringLiteral("--clear-groups")};
const QByteArray exampleStatement =
    "zone \"example.com\" { type master; file \"/etc/bind/db.example.com\"; };\n";
const QByteArray exampleZone = "$TTL 1h\n"
                               "@ IN SOA ns1.example.com. hostmaster.example.com. 1 3600 900 "
                               "1209600 3600\n"
                               "@ IN NS ns1.example.com.\n"
                               "ns1 IN A 192.0.2.1\n"
                               "www IN A 192.0.2.20\n";

// Debian: the package's configuration with example.com added in named.conf.local; SharedFiles
// also includes the package's zones.rfc1918, whose zones all use db.empty.
enum Fixture { Debian, Sample, BrokenConfiguration, FailingService, SharedFiles, RunningService };

struct Run
{
    int status = -1;
    QString output;
    QString error;
};

Run run(const QStringList &words, bool asRoot = true)
{
    QProcess process;
    // The messages are checked in English, whatever language the test runs in.
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("LC_ALL"), QStringLiteral("C.UTF-8"));
    process.setProcessEnvironment(environment);
    if (asRoot)
        process.start(program, words);
    else
        process.start(unprivileged.first(), unprivileged.mid(1) << program << words);
    process.waitForFinished(-1);
    return {process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1,
            QString::fromUtf8(process.readAllStandardOutput()),
            QString::fromUtf8(process.readAllStandardError())};
}

// Whether every field of `expected` is in `actual`; each element of an expected array matches
// some element of the actual one.
bool holds(const QJsonValue &actual, const QJsonValue &expected)
{
    if (expected.isObject()) {
        const QJsonObject wanted = expected.toObject();
        for (auto field = wanted.begin(); field != wanted.end(); ++field) {
            if (!actual.toObject().contains(field.key()) ||
                !holds(actual.toObject().value(field.key()), field.value()))
                return false;
        }
        return actual.isObject();
    }
    if (expected.isArray()) {
        for (const QJsonValue &element : expected.toArray()) {
            const QJsonArray candidates = actual.toArray();
            if (std::none_of(
                    candidates.begin(), candidates.end(),
                    [&](const QJsonValue &candidate) { return holds(candidate, element); }))
                return false;
        }
        return actual.isArray();
    }
    return actual == expected;
}

QStringList words(const char *line)
{
    return QString::fromUtf8(line).split(QLatin1Char(' '));
}

void row(const char *name, Fixture fixture, const QList<QStringList> &setup,
         const QStringList &words, int status, const QVariant &output, const QString &error = {},
         bool changes = false, const QString &absent = {}, bool asRoot = true)
{
    QTest::newRow(name) << fixture << setup << words << asRoot << status << output << absent
                        << error << changes;
}

// A JSON object written with single quotes, which read better inside C++ strings. A typing
// error must not leave an empty object, which any output would hold.
QJsonObject json(const QString &text)
{
    QJsonParseError error;
    const QJsonDocument document =
        QJsonDocument::fromJson(QString(text).replace('\'', '"').toUtf8(), &error);
    if (!document.isObject())
        qFatal("%s in %s", qPrintable(error.errorString()), qPrintable(text));
    return document.object();
}

} // namespace

Q_DECLARE_METATYPE(Fixture)

class TestTamzorctl : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { qputenv("TMPDIR", QFile::encodeName(Sandbox::scratchDirectory())); }
    void cleanupTestCase() { Sandbox::reset(); }

    void command_data()
    {
        QTest::addColumn<Fixture>("fixture");
        // Commands that must succeed before the one under test.
        QTest::addColumn<QList<QStringList>>("setup");
        QTest::addColumn<QStringList>("words");
        QTest::addColumn<bool>("asRoot");
        QTest::addColumn<int>("status");
        // Text the output must hold, or a JSON object whose fields the output's document holds.
        QTest::addColumn<QVariant>("output");
        QTest::addColumn<QString>("absent");
        QTest::addColumn<QString>("error");
        QTest::addColumn<bool>("changes");

        const QString localhostZone =
            "{'name': 'localhost', 'class': 'IN', 'type': 'master', 'view': '', 'file': "
            "'/etc/bind/db.local', 'managed': false, 'readable': true, 'problem': ''}";
        const QString serial = QDate::currentDate().toString(QStringLiteral("yyyyMMdd")) + "01";

        row("zones --json: Debian's zones and the added one", Debian, {}, words("zones --json"), 0,
            json("{'zones': [" + localhostZone + ", {'name': 'example.com', 'type': 'master'}]}"));
        row("option before the command", Debian, {}, words("--json zones"), 0,
            json("{'zones': [" + localhostZone + "]}"));
        row("zones as text", Debian, {}, words("zones"), 0,
            "localhost\tIN\tmaster\t\t/etc/bind/db.local\tforeign\n");
        row("zones --view of another view lists none", Debian, {}, words("zones --view inside"), 0,
            {}, {}, false, QStringLiteral("localhost"));
        row("records --json", Debian, {}, words("records example.com --json"), 0,
            json("{'zone': 'example.com', 'class': 'IN', 'view': '', 'records': [{'name': "
                 "'www.example.com.', 'ttl': 3600, 'class': 'IN', 'type': 'A', 'data': "
                 "'192.0.2.20'}]}"));
        row("add-record: relative name and TTL, shown by records", Debian,
            {words("add-record example.com www2 300 A 192.0.2.21")}, words("records example.com"),
            0, "www2.example.com.\t300\tIN\tA\t192.0.2.21\n", {}, true);
        row("add-record: the zone's $TTL by default, the record printed", Debian, {},
            words("add-record example.com @ MX 10 mail"), 0,
            "example.com.\t3600\tIN\tMX\t10 mail.example.com.\n", {}, true);
        row("add-record: TXT words are one text, quoted", Debian, {},
            {"add-record", "example.com", "note", "TXT", "say \"hi\" \\", "there"}, 0,
            "note.example.com.\t3600\tIN\tTXT\t\"say \\\"hi\\\" \\\\ there\"\n", {}, true);
        row("add-record: -- ends the options", Debian, {},
            words("add-record example.com -- dash TXT --no-option"), 0, "\"--no-option\"", {},
            true);
        row("add-record --json after the arguments", Debian, {},
            words("add-record example.com mail.example.com. AAAA 2001:db8::25 --json"), 0,
            json("{'record': {'name': 'mail.example.com.', 'ttl': 3600, 'class': 'IN', 'type': "
                 "'AAAA', 'data': '2001:db8::25'}}"),
            {}, true);
        row("add-record: bad address refused with BIND's words", Debian, {},
            words("add-record example.com www A 300.1.2.3"), 1, {},
            "example.com: near '300.1.2.3': bad dotted quad");
        row("add-record: bad owner name refused", Debian, {},
            words("add-record example.com bad_name A 192.0.2.1"), 1, {}, "bad_name");
        // The rules of the window's forms.
        row("add-record: an underscore owner's text is one string", Debian, {},
            words("add-record example.com _dmarc TXT v=DMARC1; p=reject"), 0,
            "_dmarc.example.com.\t3600\tIN\tTXT\t\"v=DMARC1; p=reject\"\n", {}, true);
        row("add-record: a wildcard inside the name refused", Debian, {},
            words("add-record example.com a.*.b TXT x"), 1, {},
            "Domain label * is a wildcard only as the leftmost label");
        row("edit-record: the SOA's mailbox given as an e-mail address", Debian, {},
            words("edit-record example.com @ SOA ns1 hostmaster 1 3600 900 1209600 3600 --to @ "
                  "SOA ns1 dns.admin@example.com 2 3600 900 1209600 3600"),
            0, "\tSOA\tns1.example.com. dns\\.admin.example.com. 2 ", {}, true);
        row("add-record: the record is there already, TTL aside", Debian, {},
            words("add-record example.com www 60 A 192.0.2.20"), 1, {},
            "Zone example.com already has the record www.example.com. 3600 IN A 192.0.2.20");
        row("add-record: words missing", Debian, {}, words("add-record example.com www 300 A"), 2,
            {}, "Usage: tamzorctl add-record ZONE NAME [TTL] TYPE DATA...");
        row("remove-record: relative and absolute target match", Debian,
            {words("add-record example.com @ MX 10 mail"),
             words("remove-record example.com @ MX 10 mail.example.com.")},
            words("records example.com"), 0, "www.example.com.", {}, true, QStringLiteral("MX"));
        row("remove-record: no match refused", Debian, {},
            words("remove-record example.com www A 192.0.2.99"), 1, {},
            "Zone example.com has no record www.example.com. A 192.0.2.99");
        row("edit-record: the TTL kept, the old data gone", Debian,
            {words("add-record example.com www2 300 A 192.0.2.21"),
             words("edit-record example.com www2 A 192.0.2.21 --to www2 A 192.0.2.22")},
            words("records example.com"), 0, "www2.example.com.\t300\tIN\tA\t192.0.2.22\n", {},
            true, QStringLiteral("192.0.2.21"));
        row("edit-record: without --to", Debian, {}, words("edit-record example.com www A 1.2.3.4"),
            2, {}, "--to");
        row("add-zone: the defaults", Debian,
            {words("add-zone example.net --ns-address 192.0.2.53")},
            words("records example.net --json"), 0,
            json("{'records': [{'name': 'example.net.', 'type': 'SOA', 'data': 'ns1.example.net. "
                 "hostmaster.example.net. " +
                 serial +
                 " 3600 900 1209600 3600'}, {'name': 'example.net.', 'type': 'NS', 'data': "
                 "'ns1.example.net.'}, {'name': 'ns1.example.net.', 'type': 'A', 'data': "
                 "'192.0.2.53'}]}"),
            {}, true);
        row("add-zone: reverse zone with the name server outside", Debian,
            {words("add-zone 3.0.192.in-addr.arpa --ns ns1.example.com.")},
            words("records 3.0.192.in-addr.arpa"), 0,
            "3.0.192.in-addr.arpa.\t3600\tIN\tNS\tns1.example.com.\n", {}, true,
            QStringLiteral("\tA\t"));
        row("add-zone: name server inside without address", Debian, {},
            words("add-zone example.net"), 1, {}, "needs an address");
        row("add-zone: secondary, its primaries one argument each", Debian,
            {words("add-zone example.net --type secondary --primary 192.0.2.53") +
             QStringList{"--primary", "2001:DB8::53 port 5353"}},
            words("zones --json"), 0,
            json("{'zones': [{'name': 'example.net', 'type': 'slave', 'primaries': ['192.0.2.53', "
                 "'2001:db8::53 port 5353']}]}"),
            {}, true);
        row("add-zone: slave with a name server", Debian, {},
            words("add-zone example.net --type slave --primary 192.0.2.53 --ns ns1"), 1, {},
            "takes no name server");
        row("add-zone: unknown type", Debian, {}, words("add-zone example.net --type stub"), 1, {},
            "The zone type stub is none of master");
        row("edit-zone: to slave, then its primary replaced", Debian,
            {words("edit-zone example.com --type slave --primary 192.0.2.1"),
             words("edit-zone example.com --primary 192.0.2.2")},
            words("zones --json"), 0,
            json("{'zones': [{'name': 'example.com', 'type': 'slave', 'primaries': "
                 "['192.0.2.2']}]}"),
            {}, true);
        row("remove-zone", Debian, {words("remove-zone example.com")}, words("zones"), 0,
            "localhost", {}, true, QStringLiteral("example.com"));
        row("undo: the added record gone again", Debian,
            {words("add-record example.com www2 300 A 192.0.2.21"), words("undo")},
            words("records example.com"), 0, "www.example.com.", {}, false, QStringLiteral("www2"));
        row("undo: nothing to undo", Debian, {}, words("undo"), 1, {},
            "There is no change to undo");
        row("shared file: a copy of its own, then changed", SharedFiles,
            {words("own-file 10.in-addr.arpa"), words("add-record 10.in-addr.arpa @ TXT kept")},
            words("records 10.in-addr.arpa"), 0, "\"kept\"", {}, true);
        row("zone in a view", Debian, {}, words("records example.com --view inside"), 1, {},
            "no zone example.com in view inside");
        row("unknown zone", Debian, {}, words("records example.org"), 1, {}, "no zone example.org");
        row("check: the configuration", Debian, {}, words("check"), 0, {});
        row("check: a zone", Debian, {}, words("check example.com"), 0, "OK");
        row("check: the configuration refused", BrokenConfiguration, {}, words("check"), 1,
            "named.conf.local", "named-checkconf refuses the configuration");
        row("zones: the configuration refused", BrokenConfiguration, {}, words("zones"), 1, {},
            "named.conf.local");
        row("service start", Debian, {}, words("service start"), 0, "active");
        row("service status", Debian, {}, words("service status"), 0, "inactive");
        row("service start refused", FailingService, {}, words("service start"), 1, {},
            "Job for bind9.service failed");
        row("service reload: rndc's reload of the running named", RunningService, {},
            words("service reload"), 0, "active");
        row("service: unknown action", Debian, {}, words("service frobnicate"), 2, {},
            "Usage: tamzorctl service start|stop|restart|reload|status");
        row("--help of a command", Debian, {}, words("records --help"), 0,
            "Usage: tamzorctl records ZONE");
        row("--help before everything", Debian, {}, words("--help"), 0, "add-zone");
        row("--version", Debian, {}, words("zones --version"), 0,
            QStringLiteral("tamzorctl " TAMZOR_VERSION "\n"));
        row("no command", Debian, {}, {}, 2, {}, "Usage: tamzorctl COMMAND");
        row("unknown option", Debian, {}, words("zones --bogus"), 2, {}, "--bogus");
        row("option of another command", Debian, {}, words("zones --ns x"), 2, {},
            "--ns does not apply to zones");
        row("too many arguments", Debian, {}, words("records example.com extra"), 2, {},
            "too many arguments");
        row("not root", Debian, {}, words("add-record example.com www2 A 192.0.2.21"), 1, {},
            "run it as root", false, {}, false);
        row("not root, --help answered", Debian, {}, words("zones --help"), 0, "--json", {}, false,
            {}, false);

        row("sample: zones", Sample, {}, words("zones --json"), 0,
            json("{'zones': [{'name': 'example.org', 'type': 'slave'}, {'name': "
                 "'2.0.192.in-addr.arpa', 'type': 'master'}]}"));
        row("sample: records of the reverse zone", Sample, {},
            words("records 2.0.192.in-addr.arpa"), 0, "\tPTR\t");
        row("sample: remove a service record", Sample,
            {words("remove-record example.com _sip._udp SRV 10 60 5060 sip")},
            words("records example.com"), 0, "_sip._tcp.example.com.", {}, true,
            QStringLiteral("_sip._udp"));
        row("sample: the slave zone renamed, its type given again", Sample,
            {words("edit-zone example.org --name example.info --type slave")}, words("check"), 0,
            {}, {}, true);
        row("sample: the slave zone made a master drops its primaries", Sample,
            {words("edit-zone example.org --type primary")}, words("zones --json"), 0,
            json("{'zones': [{'name': 'example.org', 'type': 'master', 'primaries': []}]}"), {},
            true, QStringLiteral("192.0.2.53"));
        row("sample: add-record, a dash in the data after --", Sample, {},
            words("add-record example.com spf TXT -- v=spf1 -all"), 0, "\"v=spf1 -all\"", {}, true);
        row("sample: edit-record of the SOA", Sample, {},
            words("edit-record example.com @ SOA ns1 hostmaster 2024060101 7200 3600 1209600 3600 "
                  "--to @ SOA ns1 hostmaster 2024060102 7200 3600 1209600 3600"),
            0, "ns1.example.com. hostmaster.example.com. 2024060102 ", {}, true);
        row("sample: add-zone", Sample, {words("add-zone example.net --ns ns1.example.com.")},
            words("zones"), 0, "example.net\tIN\tmaster\t\t/etc/bind/tamzor/", {}, true);
        row("sample: remove-zone of a foreign zone", Sample,
            {words("remove-zone 2.0.192.in-addr.arpa")}, words("zones"), 0, "example.org", {}, true,
            QStringLiteral("2.0.192"));
        row("sample: check", Sample, {}, words("check"), 0, {});
        row("sample: service restart", Sample, {}, words("service restart"), 0, "active");
        row("sample: check a zone", Sample, {}, words("check example.com"), 0, "OK");
    }

    void command()
    {
        QFETCH(Fixture, fixture);
        QFETCH(QList<QStringList>, setup);
        QFETCH(QStringList, words);
        QFETCH(bool, asRoot);
        QFETCH(int, status);
        QFETCH(QVariant, output);
        QFETCH(QString, absent);
        QFETCH(QString, error);
        QFETCH(bool, changes);
        install(fixture);
        for (const QStringList &step : setup) {
            const Run done = run(step);
            QVERIFY2(done.status == 0, qPrintable(step.join(' ') + ": " + done.error));
        }
        const QMap<QString, QByteArray> before = Sandbox::snapshot();

        const Run result = run(words, asRoot);

        QVERIFY2(result.status == status, qPrintable(result.output + result.error));
        if (output.userType() == QMetaType::QJsonObject) {
            QJsonParseError parseError;
            const QJsonDocument document =
                QJsonDocument::fromJson(result.output.toUtf8(), &parseError);
            QVERIFY2(!document.isNull(), qPrintable(parseError.errorString()));
            QVERIFY2(holds(document.object(), output.toJsonObject()), qPrintable(result.output));
        } else {
            QVERIFY2(result.output.contains(output.toString()), qPrintable(result.output));
        }
        QVERIFY2(absent.isEmpty() || !result.output.contains(absent), qPrintable(result.output));
        QVERIFY2(result.error.contains(error), qPrintable(result.error));
        // BIND's complaint names the zone, never the scratch file it read.
        QVERIFY2(!result.error.contains(Sandbox::scratchDirectory()), qPrintable(result.error));
        if (!changes)
            QCOMPARE(Sandbox::snapshot(), before);
    }

private:
    static void install(Fixture fixture)
    {
        Sandbox::reset();
        if (fixture == Sample) {
            for (const QFileInfo &file : QDir(sampleDirectory).entryInfoList(QDir::Files))
                QFile::copy(file.filePath(), QStringLiteral("/etc/bind/") + file.fileName());
            return;
        }
        Sandbox::installDebianDefaults();
        Sandbox::writeFile(exampleZoneFile, exampleZone);
        const QByteArray broken = fixture == BrokenConfiguration ? "zone {\n"
                                  : fixture == SharedFiles
                                      ? "include \"/etc/bind/zones.rfc1918\";\n"
                                      : "";
        Sandbox::writeFile(localConf, Sandbox::readFile(localConf) + exampleStatement + broken);
        if (fixture == FailingService)
            Sandbox::Systemctl::setAnswer(QStringLiteral("start"), 1,
                                          "Job for bind9.service failed.\n");
        // A stand-in for rndc: the machine's own named must never be told anything.
        if (fixture == RunningService) {
            Sandbox::Systemctl::setActive(true);
            Sandbox::replaceProgram(QStringLiteral("/usr/sbin/rndc"),
                                    "#!/bin/sh\n[ \"$*\" = reload ] || exit 1\necho 'server reload "
                                    "successful'\n");
        }
    }
};

TAMZOR_SANDBOX_TEST_MAIN(TestTamzorctl)
#include "tst_tamzorctl.moc"
