#include "config/hparser.h"
#include "config/iscparser.h"
#include "records/record.h"
#include "tests/support/testmain.h"

#include <QDir>
#include <QFile>
#include <QSignalSpy>
#include <QTemporaryDir>

namespace {

const QByteArray exampleZoneText = "$TTL 3600\n"
                                   "@ IN SOA ns.example. admin.example. 1 3600 600 86400 300\n"
                                   "@ IN NS ns.example.\n"
                                   "ns IN A 192.0.2.53\n"
                                   "www IN A 192.0.2.1\n";

QStringList namesOf(const QList<PZone> &zones)
{
    QStringList names;
    for (const PZone &zone : zones)
        names << zone->name();
    return names;
}

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
        const QString filePath = path(name);
        QDir().mkpath(QFileInfo(filePath).path());
        QFile file(filePath);
        if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) ||
            file.write(text) != text.size())
            qFatal("cannot write %s", qPrintable(filePath));
        return filePath;
    }

    // A master zone statement whose zone file exists and holds four records.
    QByteArray exampleZone(const QByteArray &name = "example")
    {
        const QString file =
            write(QStringLiteral("db.") + QString::fromUtf8(name), exampleZoneText);
        return "zone \"" + name + "\" { type master; file \"" + file.toUtf8() + "\"; };\n";
    }

    QList<PZone> read(const QString &confPath)
    {
        HParser reader;
        QSignalSpy errors(&reader, &HParser::error);
        const PISCType root = ISCParser().parse(confPath);
        const QList<PZone> zones = reader.parseZones(root)->zones();
        m_errors.clear();
        for (const QList<QVariant> &arguments : errors)
            m_errors << arguments.at(0).toString();
        return zones;
    }

    QList<PZone> readText(const QByteArray &text)
    {
        return read(write(QStringLiteral("named.conf"), text));
    }

private slots:
    void noZoneStatements_emptyListNoError()
    {
        const QList<PZone> zones = readText("options { directory \"/var/cache/bind\"; };\n");
        QVERIFY(zones.isEmpty());
        QVERIFY(m_errors.isEmpty());
    }

    void slaveWithoutFile_oneErrorAndNextZoneListed()
    {
        const QList<PZone> zones = readText(
            "zone \"secondary\" { type slave; masters { 192.0.2.1; }; };\n" + exampleZone());
        QCOMPARE(m_errors, QStringList(QStringLiteral("Failed to parse zone. Expected file key")));
        QCOMPARE(namesOf(zones), QStringList(QStringLiteral("example")));
    }

    void classBeforeBraces_zoneAsWrittenWithRecords()
    {
        write(QStringLiteral("zones/db.example"), exampleZoneText);
        const QString conf = write(QStringLiteral("named.conf"),
                                   "zone \"example.\" IN {\n"
                                   "\ttype master;\n"
                                   "\tfile \"" +
                                       path(QStringLiteral("zones/../zones/db.example")).toUtf8() +
                                       "\";\n"
                                       "};\n");
        const QList<PZone> zones = read(conf);

        QVERIFY(m_errors.isEmpty());
        QCOMPARE(zones.size(), 1);
        const PZone zone = zones.first();
        QCOMPARE(zone->name(), QStringLiteral("example."));
        QCOMPARE(zone->zoneClass(), QStringLiteral("IN"));
        QCOMPARE(zone->type(), QStringLiteral("master"));
        QCOMPARE(zone->file(), path(QStringLiteral("zones/../zones/db.example")));
        QCOMPARE(zone->conf(), conf);

        QStringList records;
        for (const PRecord &record : zone->records()) {
            QCOMPARE(record->zone(), zone.data());
            records << record->fullName() + QLatin1Char(' ') + record->type();
        }
        QCOMPARE(records,
                 QStringList({QStringLiteral("example. SOA"), QStringLiteral("example. NS"),
                              QStringLiteral("ns.example. A"), QStringLiteral("www.example. A")}));
    }

    void otherZoneTypes_leftOutWithoutMessage_data()
    {
        QTest::addColumn<QByteArray>("statement");

        // None of these files exists: a zone that is left out must not be read either.
        QTest::newRow("root hints")
            << QByteArray("zone \".\" { type hint; file \"/nonexistent/root.hints\"; };");
        QTest::newRow("primary written as such")
            << QByteArray("zone \"p\" { type primary; file \"/nonexistent/db.p\"; };");
        QTest::newRow("secondary written as such")
            << QByteArray("zone \"s\" { type secondary; primaries { 192.0.2.1; }; "
                          "file \"/nonexistent/db.s\"; };");
        QTest::newRow("master in capitals")
            << QByteArray("zone \"m\" { type MASTER; file \"/nonexistent/db.m\"; };");
        QTest::newRow("forward zone, which has no file")
            << QByteArray("zone \"f\" { type forward; forwarders { 192.0.2.1; }; };");
        QTest::newRow("static-stub zone, which has no file")
            << QByteArray("zone \"ss\" { type static-stub; server-addresses { 192.0.2.1; }; };");
        QTest::newRow("mirror zone without file") << QByteArray("zone \".\" { type mirror; };");
        QTest::newRow("stub zone") << QByteArray("zone \"st\" { type stub; masters { 192.0.2.1; }; "
                                                 "file \"/nonexistent/db.st\"; };");
    }

    void otherZoneTypes_leftOutWithoutMessage()
    {
        QFETCH(QByteArray, statement);

        const QList<PZone> zones = readText(statement + '\n' + exampleZone());
        QVERIFY2(m_errors.isEmpty(), qPrintable(m_errors.join(QLatin1Char('\n'))));
        QCOMPARE(namesOf(zones), QStringList(QStringLiteral("example")));
    }

    void zoneInIncludedFile_confIsIncludedPath()
    {
        const QString included = write(QStringLiteral("named.conf.local"), exampleZone("local"));
        const QString conf = write(QStringLiteral("named.conf"),
                                   exampleZone("first") + "include \"" + included.toUtf8() +
                                       "\";\n" + exampleZone("last"));
        const QList<PZone> zones = read(conf);

        QVERIFY(m_errors.isEmpty());
        QCOMPARE(namesOf(zones), QStringList({QStringLiteral("first"), QStringLiteral("local"),
                                              QStringLiteral("last")}));
        QCOMPARE(zones.at(0)->conf(), conf);
        QCOMPARE(zones.at(1)->conf(), included);
        QCOMPARE(zones.at(2)->conf(), conf);
    }

    void zonesInsideView_notListed()
    {
        const QList<PZone> zones = readText("view \"inside\" {\n" + exampleZone("viewed") + "};\n");
        QVERIFY(zones.isEmpty());
        QVERIFY(m_errors.isEmpty());
    }

    void missingZoneFile_oneErrorRestListed()
    {
        const QList<PZone> zones =
            readText(exampleZone("before") + "zone \"gone\" { type master; file \"" +
                     path(QStringLiteral("db.gone")).toUtf8() + "\"; };\n" + exampleZone("after"));

        QCOMPARE(namesOf(zones), QStringList({QStringLiteral("before"), QStringLiteral("after")}));
        QCOMPARE(m_errors.size(), 1);
        const QString prefix = QStringLiteral("Failed to parse zone. Zone compiler failed: "
                                              "/usr/bin/named-compilezone exited with code 1.\n");
        QVERIFY2(m_errors.first().startsWith(prefix), qPrintable(m_errors.first()));
        QVERIFY2(m_errors.first().contains(QStringLiteral("db.gone")),
                 qPrintable(m_errors.first()));
    }

    void zoneWithoutType_errorExpectedTypeKey()
    {
        const QList<PZone> zones =
            readText("zone \"untyped\" { file \"db.untyped\"; };\n" + exampleZone());
        QCOMPARE(m_errors, QStringList(QStringLiteral("Failed to parse zone. Expected type key")));
        QCOMPARE(namesOf(zones), QStringList(QStringLiteral("example")));
    }

    void serverDirectory_givenToZones_data()
    {
        QTest::addColumn<QByteArray>("options");
        QTest::addColumn<QString>("directory");

        QTest::newRow("no options") << QByteArray() << QString();
        QTest::newRow("options without directory")
            << QByteArray("options { recursion no; };") << QString();
        QTest::newRow("absolute directory")
            << QByteArray("options { directory \"/var/cache/bind\"; };") << "/var/cache/bind";
        QTest::newRow("relative directory starts at the root")
            << QByteArray("options { directory \"var/cache/bind\"; };") << "/var/cache/bind";
        QTest::newRow("dot directory is the root")
            << QByteArray("options { directory \".\"; };") << "/";
    }

    void serverDirectory_givenToZones()
    {
        QFETCH(QByteArray, options);
        QFETCH(QString, directory);

        const QList<PZone> zones = readText(options + '\n' + exampleZone());
        QVERIFY(m_errors.isEmpty());
        QCOMPARE(zones.size(), 1);
        QCOMPARE(zones.first()->directory(), directory);
        QCOMPARE(zones.first()->filePath(), path(QStringLiteral("db.example")));
    }

    void relativeZoneFile_readFromServerDirectory()
    {
        write(QStringLiteral("cache/db.example"), exampleZoneText);
        const QList<PZone> zones =
            readText("options { directory \"" + path(QStringLiteral("cache")).toUtf8() +
                     "\"; };\n"
                     "zone \"example\" { type master; file \"db.example\"; };\n");

        QVERIFY2(m_errors.isEmpty(), qPrintable(m_errors.join(QLatin1Char('\n'))));
        QCOMPARE(zones.size(), 1);
        QCOMPARE(zones.first()->file(), QStringLiteral("db.example"));
        QCOMPARE(zones.first()->filePath(), path(QStringLiteral("cache/db.example")));
        QCOMPARE(zones.first()->records().size(), 4);
    }

    void parseZones_rootNotMap_throwsExpectedMap()
    {
        HParser reader;
        QStringList messages;
        try {
            reader.parseZones(PISCType());
        } catch (const ErrorStackException &e) {
            messages = e.messages();
        }
        QCOMPARE(messages, QStringList(QStringLiteral("Expected map")));
    }
};

TAMZOR_TEST_MAIN(TestHParser)
#include "tst_hparser.moc"
