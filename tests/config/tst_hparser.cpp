#include "config/hparser.h"
#include "config/iscparser.h"
#include "records/record.h"
#include "tests/support/testmain.h"

#include <QDir>
#include <QSignalSpy>
#include <QTemporaryDir>

namespace {

const QByteArray head = "$TTL 3600\n@ IN SOA ns.example. admin.example. 1 3600 600 86400 300\n"
                        "@ IN NS ns.example.\n";
const QByteArray exampleZoneText = head + "ns IN A 192.0.2.53\nwww IN A 192.0.2.1\n";

} // namespace

class TestHParser : public QObject
{
    Q_OBJECT

private:
    QTemporaryDir m_directory;
    QStringList m_errors;

    QString path(const QString &name) const { return m_directory.filePath(name); }

    QString write(const QString &name, const QByteArray &text)
    {
        Sandbox::writeFile(path(name), text);
        return path(name);
    }

    // A master zone statement whose zone file holds the given text.
    QByteArray masterZone(const QByteArray &name, const QByteArray &text = exampleZoneText)
    {
        const QString file = write("db." + QString::fromUtf8(name), text);
        return "zone \"" + name + "\" { type master; file \"" + file.toUtf8() + "\"; };\n";
    }

    QList<PZone> read(const QByteArray &text)
    {
        HParser reader;
        QSignalSpy errors(&reader, &HParser::error);
        const QString conf = write(QStringLiteral("named.conf"), text);
        const QList<PZone> zones = reader.parseZones(ISCParser().parse(conf))->zones();
        m_errors.clear();
        for (const QList<QVariant> &arguments : errors)
            m_errors << arguments.at(0).toString();
        return zones;
    }

private slots:
    void init() { Sandbox::reset(); }

    // The file as written, read from the server's directory when relative; the configuration
    // file the statement stands in.
    void includedFile_zonesAsWrittenWithTheFileOfTheirStatement_nonAsciiPath()
    {
        write(QStringLiteral("zones/db.first"), exampleZoneText);
        const QString included =
            write(QString::fromUtf8("r\xc3\xa9pertoire/named.conf.local"), masterZone("local"));
        const QList<PZone> zones =
            read("options { directory \"" + m_directory.path().toUtf8() +
                 "\"; };\nzone \"first.\" IN {\n\ttype master;\n\tfile \"zones/../zones/db.first\";"
                 "\n};\ninclude \"" +
                 included.toUtf8() + "\";\n" + masterZone("last"));

        QVERIFY2(m_errors.isEmpty(), qPrintable(m_errors.join('\n')));
        QStringList read;
        for (const PZone &zone : zones)
            read << QStringList{zone->name(), zone->zoneClass(),
                                zone->type(), zone->file(),
                                zone->conf(), zone->isLoaded() ? "loaded" : "unread"}
                        .join(' ');
        const QString conf = path(QStringLiteral("named.conf"));
        QCOMPARE(read,
                 QStringList({"first. IN master zones/../zones/db.first " + conf + " unread",
                              "local IN master " + path("db.local") + ' ' + included + " unread",
                              "last IN master " + path("db.last") + ' ' + conf + " unread"}));
        QCOMPARE(zones.first()->directory(), m_directory.path());
    }

    // The statements alone are read: a zone file that is missing or that the compiler would
    // refuse does not keep its zone from the list, nor does a secondary's missing file; a
    // statement without a type, or a primary without a file, is reported in its place, and
    // types other than primary and secondary (in either spelling) are left out.
    void parseZones_statementsOnly_problemsInStatementOrder()
    {
        const QByteArray conf =
            "zone \"gone\" { type master; file \"/nonexistent/db.gone\"; };\n" +
            masterZone("refused", head + "@ IN SRV 0 0 53 ns.example.\n") +
            "zone \"nofile\" { type slave; masters { 192.0.2.1; }; };\n"
            "zone \"u\" { file \"db.u\"; };\n"
            "zone \"pf\" { type primary; };\n"
            "zone \".\" { type hint; file \"/nonexistent/root.hints\"; };\n"
            "zone \"p\" { type primary; file \"/nonexistent/db.p\"; };\n"
            "zone \"m\" { type MASTER; file \"/nonexistent/db.m\"; };\n"
            "zone \"f\" { type forward; forwarders { 192.0.2.1; }; };\n"
            "view \"v\" { zone \"v\" { type master; file \"/nonexistent/v\"; }; };\n" +
            masterZone("last");

        const QList<PZone> zones = read(conf);

        QCOMPARE(m_errors, QStringList({"Failed to parse zone. Expected type key",
                                        "Failed to parse zone. Expected file key"}));
        QStringList listed;
        for (const PZone &zone : zones)
            listed << zone->name() + (zone->records().isEmpty() ? "" : " with records");
        QCOMPARE(listed, QStringList({"gone", "refused", "nofile", "p", "m", "last", "v"}));
    }

    // What the statement, or the options block for it, says of the zone, as "what: value".
    // settings: updates, signing, the file's format and the journal, "-" for no and for nothing
    // said. primaries: a secondary's servers from its primaries or masters block, each entry as
    // PrimaryServer reads it, "|" between them. directory: the server's, which systemd starts in
    // the root directory, where a relative directory therefore begins.
    void zoneOptions_fromStatementOrOptions_data()
    {
        QTest::addColumn<QByteArray>("options");
        QTest::addColumn<QByteArray>("zoneOptions");
        QTest::addColumn<QString>("expected");
        const auto row = [](const char *name, const char *options, const char *zoneOptions,
                            const QString &expected) {
            QTest::newRow(name) << QByteArray(options) << QByteArray(zoneOptions) << expected;
        };
        row("plain zone", "", "", "settings: - - - -");
        row("allow-update from an address", "", "allow-update { 127.0.0.1; };",
            "settings: dynamic - - -");
        row("allow-update none lets no update in", "", "allow-update { none; };",
            "settings: - - - -");
        row("allow-update of the options block", "allow-update { key k; };", "",
            "settings: dynamic - - -");
        row("zone's none overrides the options block", "allow-update { any; };",
            "allow-update { none; };", "settings: - - - -");
        row("update-policy local", "", "update-policy local;", "settings: dynamic - - -");
        row("dnssec-policy default", "", "dnssec-policy default;", "settings: - signed - -");
        row("dnssec-policy none signs nothing", "dnssec-policy default;", "dnssec-policy none;",
            "settings: - - - -");
        row("inline-signing", "", "inline-signing yes;", "settings: - signed - -");
        row("zone's text format overrides the options' raw; own journal", "masterfile-format raw;",
            "masterfile-format text; journal \"/tmp/example.jnl\";",
            "settings: - - text /tmp/example.jnl");
        row("primaries: port, key, tls and a list's name", "",
            "type slave; primaries { 192.0.2.1; 2001:DB8::1 port 5353 key \"k\"; upstream; "
            "192.0.2.3 key k tls ephemeral; };",
            "primaries: 192.0.2.1|2001:db8::1 port 5353 key k|upstream|192.0.2.3 key k tls "
            "ephemeral");
        row("masters with a port for the block", "",
            "type slave; masters port 5353 { 192.0.2.1; 192.0.2.2 port 53; };",
            "primaries: 192.0.2.1 port 5353|192.0.2.2 port 53");
        row("a master has no primaries", "", "", "primaries: ");
        row("no directory", "recursion no;", "", "directory: ");
        row("relative directory starts at the root", "directory \"var/cache/bind\";", "",
            "directory: /var/cache/bind");
        row("dot directory is the root", "directory \".\";", "", "directory: /");
    }

    void zoneOptions_fromStatementOrOptions()
    {
        QFETCH(QByteArray, options);
        QFETCH(QByteArray, zoneOptions);
        QFETCH(QString, expected);
        const QString file = write(QStringLiteral("db.example"), exampleZoneText);
        const QList<PZone> zones = read(
            "key k { algorithm hmac-sha256; secret \"c2VjcmV0\"; };\noptions { " + options +
            " };\nzone \"example\" { " + (zoneOptions.contains("type ") ? "" : "type master; ") +
            zoneOptions + " file \"" + file.toUtf8() + "\"; };\n");
        QVERIFY2(m_errors.isEmpty(), qPrintable(m_errors.join('\n')));
        QCOMPARE(zones.size(), 1);
        const Zone &zone = *zones.first();
        const auto said = [](const QString &value) { return value.isEmpty() ? "-" : value; };
        const QString settings = QStringList({zone.isDynamic() ? "dynamic" : "-",
                                              zone.isSignedByServer() ? "signed" : "-",
                                              said(zone.fileFormat()), said(zone.journal())})
                                     .join(' ');
        const QString what = expected.section(": ", 0, 0);
        QCOMPARE(what + ": " +
                     (what == "settings"    ? settings
                      : what == "primaries" ? zone.primaries().join('|')
                                            : zone.directory()),
                 expected);
    }
};

TAMZOR_SANDBOX_TEST_MAIN(TestHParser)
#include "tst_hparser.moc"
