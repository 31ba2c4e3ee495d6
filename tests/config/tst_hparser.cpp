#include "config/hparser.h"
#include "config/iscparser.h"
#include "records/record.h"
#include "tests/support/testmain.h"

#include <QDir>
#include <QFile>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QThread>

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
        const QString file = write("db." + QString::fromUtf8(name), exampleZoneText);
        return "zone \"" + name + "\" { type master; file \"" + file.toUtf8() + "\"; };\n";
    }

    // A master zone statement whose zone file holds the given text.
    QByteArray masterZone(const QByteArray &name, const QByteArray &text)
    {
        const QString file = write("db." + QString::fromUtf8(name), text);
        return "zone \"" + name + "\" { type master; file \"" + file.toUtf8() + "\"; };\n";
    }

    // The real compiler behind a stand-in that first runs the given shell code; $5 is the zone.
    void compilerRunsFirst(const QByteArray &code)
    {
        const QString compiler = QStringLiteral("/usr/bin/named-compilezone");
        const QString real =
            Sandbox::scratchDirectory() + QStringLiteral("/real/named-compilezone");
        QVERIFY(QDir().mkpath(QFileInfo(real).path()));
        QVERIFY(QFile::copy(compiler, real));
        Sandbox::replaceProgram(compiler,
                                "#!/bin/sh\n" + code + "\nexec '" + real.toUtf8() + "' \"$@\"\n");
    }

    QList<PZone> read(const QString &confPath)
    {
        HParser reader;
        QSignalSpy errors(&reader, &HParser::error);
        const QList<PZone> zones = reader.parseZones(ISCParser().parse(confPath))->zones();
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
    void init() { Sandbox::reset(); }

    // Each statement goes before a good master zone, which must be listed whatever came first.
    void zonesListed_data()
    {
        QTest::addColumn<QByteArray>("statement");
        QTest::addColumn<QStringList>("errors");

        const QStringList none;
        QTest::newRow("options only") << QByteArray("options { recursion no; };") << none;
        QTest::newRow("slave without file")
            << QByteArray("zone \"s\" { type slave; masters { 192.0.2.1; }; };")
            << QStringList{"Failed to parse zone. Expected file key"};
        QTest::newRow("zone without type")
            << QByteArray("zone \"u\" { file \"db.u\"; };")
            << QStringList{"Failed to parse zone. Expected type key"};
        // None of these files exists: a zone that is left out must not be read either.
        QTest::newRow("root hints left out")
            << QByteArray("zone \".\" { type hint; file \"/nonexistent/root.hints\"; };") << none;
        QTest::newRow("primary left out")
            << QByteArray("zone \"p\" { type primary; file \"/nonexistent/db.p\"; };") << none;
        QTest::newRow("master in capitals left out")
            << QByteArray("zone \"m\" { type MASTER; file \"/nonexistent/db.m\"; };") << none;
        QTest::newRow("forward zone without file left out")
            << QByteArray("zone \"f\" { type forward; forwarders { 192.0.2.1; }; };") << none;
        QTest::newRow("stub zone left out")
            << QByteArray("zone \"st\" { type stub; masters { "
                          "192.0.2.1; }; file \"/nonexistent/st\"; };")
            << none;
        QTest::newRow("zones inside a view left out")
            << QByteArray(
                   "view \"inside\" { zone \"v\" { type master; file \"/nonexistent/v\"; }; };")
            << none;
    }

    void zonesListed()
    {
        QFETCH(QByteArray, statement);
        QFETCH(QStringList, errors);

        const QList<PZone> zones = readText(statement + '\n' + exampleZone());

        QCOMPARE(m_errors, errors);
        QCOMPARE(namesOf(zones), QStringList{"example"});
    }

    void classBeforeBraces_zoneAsWrittenWithRecords()
    {
        write(QStringLiteral("zones/db.example"), exampleZoneText);
        const QString file = path(QStringLiteral("zones/../zones/db.example"));
        const QString conf = write(QStringLiteral("named.conf"),
                                   "zone \"example.\" IN {\n\ttype master;\n\tfile \"" +
                                       file.toUtf8() + "\";\n};\n");
        const QList<PZone> zones = read(conf);

        QVERIFY(m_errors.isEmpty());
        QCOMPARE(zones.size(), 1);
        const PZone zone = zones.first();
        QCOMPARE(QStringList(
                     {zone->name(), zone->zoneClass(), zone->type(), zone->file(), zone->conf()}),
                 QStringList({"example.", "IN", "master", file, conf}));
        QStringList records;
        for (const PRecord &record : zone->records()) {
            QCOMPARE(record->zone(), zone.data());
            records << record->fullName() + QLatin1Char(' ') + record->type();
        }
        QCOMPARE(records,
                 QStringList({"example. SOA", "example. NS", "ns.example. A", "www.example. A"}));
    }

    void zoneInIncludedFile_confIsIncludedPath()
    {
        const QString included = write(QStringLiteral("named.conf.local"), exampleZone("local"));
        const QString conf = write(QStringLiteral("named.conf"),
                                   exampleZone("first") + "include \"" + included.toUtf8() +
                                       "\";\n" + exampleZone("last"));
        const QList<PZone> zones = read(conf);

        QVERIFY(m_errors.isEmpty());
        QCOMPARE(namesOf(zones), QStringList({"first", "local", "last"}));
        QCOMPARE(QStringList({zones.at(0)->conf(), zones.at(1)->conf(), zones.at(2)->conf()}),
                 QStringList({conf, included, conf}));
    }

    void missingZoneFile_oneErrorRestListed()
    {
        const QList<PZone> zones =
            readText(exampleZone("before") + "zone \"gone\" { type master; file \"" +
                     path(QStringLiteral("db.gone")).toUtf8() + "\"; };\n" + exampleZone("after"));

        QCOMPARE(namesOf(zones), QStringList({"before", "after"}));
        QCOMPARE(m_errors.size(), 1);
        QVERIFY2(m_errors.first().startsWith("Failed to parse zone. Zone compiler failed: "
                                             "/usr/bin/named-compilezone exited with code 1.\n") &&
                     m_errors.first().contains(QStringLiteral("db.gone")),
                 qPrintable(m_errors.first()));
    }

    // Start-up reads the zone files with several compilers at once; the zones listed and the
    // messages must be exactly what reading one zone after another gives. The first zones take
    // longest here, so that their compilers end after those of later zones.
    void parseZones_earlierZonesFinishLast_zonesAndMessagesInStatementOrder()
    {
        compilerRunsFirst("case \"$5\" in\n"
                          "slowest) sleep 0.6 ;;\n"
                          "gone) sleep 0.4 ;;\n"
                          "slow) sleep 0.2 ;;\n"
                          "esac");
        const QByteArray head = "$TTL 3600\n@ IN SOA ns.example. admin.example. 1 3600 600 86400 "
                                "300\n@ IN NS ns.example.\n";
        const QList<PZone> zones = readText(
            masterZone("slowest", head + "www IN A 192.0.2.1\n") + "zone \"gone\" { type master; " +
            "file \"" + path(QStringLiteral("db.gone")).toUtf8() + "\"; };\n" +
            masterZone("slow", head + "mail IN A 192.0.2.25\n") +
            "zone \"nofile\" { type slave; masters { 192.0.2.1; }; };\n" +
            masterZone("refused", head + "@ IN SRV 0 0 53 ns.example.\n") +
            "zone \".\" { type hint; file \"/nonexistent/root.hints\"; };\n" +
            masterZone("quick", head) + masterZone("last", head + "x IN TXT \"a b\"\n"));

        QCOMPARE(namesOf(zones), QStringList({"slowest", "slow", "quick", "last"}));
        QCOMPARE(m_errors.size(), 3);
        QVERIFY2(m_errors.at(0).startsWith("Failed to parse zone. Zone compiler failed: "
                                           "/usr/bin/named-compilezone exited with code 1.\n") &&
                     m_errors.at(0).contains("db.gone"),
                 qPrintable(m_errors.at(0)));
        QCOMPARE(m_errors.mid(1),
                 QStringList({"Failed to parse zone. Expected file key",
                              "Failed to parse zone. Can not parse service, proto and name in srv "
                              "record name: refused."}));
        QStringList lastRecords;
        for (const PZone &zone : zones) {
            lastRecords << zone->records().last()->toString();
            for (const PRecord &record : zone->records())
                QCOMPARE(record->zone(), zone.data());
        }
        QCOMPARE(lastRecords,
                 QStringList({"www.slowest. 3600 IN A 192.0.2.1", "mail.slow. 3600 IN A 192.0.2.25",
                              "quick. 3600 IN NS ns.example.", "x.last. 3600 IN TXT \"a b\""}));
    }

    void parseZones_manyZones_allListedInStatementOrder()
    {
        QByteArray configuration;
        QStringList names;
        for (int index = 0; index < 40; ++index) {
            names << QStringLiteral("zone%1").arg(index);
            configuration += masterZone(names.last().toUtf8(), exampleZoneText);
        }

        const QList<PZone> zones = readText(configuration);

        QVERIFY2(m_errors.isEmpty(), qPrintable(m_errors.join('\n')));
        QCOMPARE(namesOf(zones), names);
        QCOMPARE(zones.last()->records().last()->toString(),
                 QStringLiteral("www.zone39. 3600 IN A 192.0.2.1"));
    }

    void parseZones_firstCompilerWaitsForSecond_bothRunAtOnce()
    {
        if (QThread::idealThreadCount() < 2)
            QSKIP("one processor: the compilers run one after another");
        const QByteArray marker = Sandbox::scratchDirectory().toUtf8() + "/second-started";
        compilerRunsFirst("case \"$5\" in\n"
                          "first) i=0\n"
                          "  while [ ! -e '" +
                          marker +
                          "' ] && [ $i -lt 100 ]; do\n"
                          "    sleep 0.05; i=$((i+1))\n"
                          "  done\n"
                          "  [ -e '" +
                          marker +
                          "' ] || { echo 'ran alone' >&2; exit 9; } ;;\n"
                          "second) touch '" +
                          marker +
                          "' ;;\n"
                          "esac");

        const QList<PZone> zones =
            readText(masterZone("first", exampleZoneText) + masterZone("second", exampleZoneText));

        QVERIFY2(m_errors.isEmpty(), qPrintable(m_errors.join('\n')));
        QCOMPARE(namesOf(zones), QStringList({"first", "second"}));
    }

    void serverDirectory_givenToZones_data()
    {
        QTest::addColumn<QByteArray>("options");
        QTest::addColumn<QString>("directory");

        QTest::newRow("no directory") << QByteArray("options { recursion no; };") << QString();
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
                     "\"; };\nzone \"example\" { type master; file \"db.example\"; };\n");

        QVERIFY2(m_errors.isEmpty(), qPrintable(m_errors.join(QLatin1Char('\n'))));
        QCOMPARE(zones.size(), 1);
        QCOMPARE(zones.first()->filePath(), path(QStringLiteral("cache/db.example")));
        QCOMPARE(zones.first()->records().size(), 4);
    }

    void parseZones_rootNotMap_throwsExpectedMap()
    {
        QStringList messages;
        try {
            HParser().parseZones(PISCType());
        } catch (const ErrorStackException &e) {
            messages = e.messages();
        }
        QCOMPARE(messages, QStringList{"Expected map"});
    }
};

TAMZOR_SANDBOX_TEST_MAIN(TestHParser)
#include "tst_hparser.moc"
