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

const QString compiler = QStringLiteral("/usr/bin/named-compilezone");

QByteArray zoneText(const QByteArray &extra = {})
{
    return "$TTL 3600\n"
           "@ IN SOA ns.example. admin.example. 1 3600 600 86400 300\n"
           "@ IN NS ns.example.\n" +
           extra;
}

QStringList recordsOf(const PZone &zone)
{
    QStringList lines;
    for (const PRecord &record : zone->records())
        lines << record->toString();
    return lines;
}

} // namespace

// Start-up reads the zone files with several compilers at once; what it lists and reports must be
// exactly what reading one zone after another gives.
class TestZoneReadOrder : public QObject
{
    Q_OBJECT

private:
    QTemporaryDir m_directory;
    QStringList m_errors;

    QByteArray file(const QString &name, const QByteArray &text)
    {
        const QString path = m_directory.filePath(name);
        Sandbox::writeFile(path, text);
        return path.toUtf8();
    }

    QByteArray master(const QByteArray &name, const QByteArray &text)
    {
        return "zone \"" + name + "\" { type master; file \"" +
               file(QString::fromUtf8("db." + name), text) + "\"; };\n";
    }

    QList<PZone> read(const QByteArray &configuration)
    {
        HParser reader;
        QSignalSpy errors(&reader, &HParser::error);
        const PISCType root =
            ISCParser().parse(QString::fromUtf8(file("named.conf", configuration)));
        const QList<PZone> zones = reader.parseZones(root)->zones();
        m_errors.clear();
        for (const QList<QVariant> &arguments : errors)
            m_errors << arguments.at(0).toString();
        return zones;
    }

    // The real compiler behind a stand-in that first runs the given shell code; $5 is the zone.
    void compilerRunsFirst(const QByteArray &code)
    {
        const QString real =
            Sandbox::scratchDirectory() + QStringLiteral("/real/named-compilezone");
        QDir().mkpath(QFileInfo(real).path());
        QVERIFY(QFile::copy(compiler, real));
        Sandbox::replaceProgram(compiler,
                                "#!/bin/sh\n" + code + "\nexec '" + real.toUtf8() + "' \"$@\"\n");
    }

    static QStringList namesOf(const QList<PZone> &zones)
    {
        QStringList names;
        for (const PZone &zone : zones)
            names << zone->name();
        return names;
    }

private slots:
    void init() { Sandbox::reset(); }

    void parseZones_earlierZonesFinishLast_zonesAndMessagesInStatementOrder()
    {
        // The first zones take longest, so their compilers end after those of later zones.
        compilerRunsFirst("case \"$5\" in\n"
                          "slowest) sleep 0.6 ;;\n"
                          "gone) sleep 0.4 ;;\n"
                          "slow) sleep 0.2 ;;\n"
                          "esac");
        const QByteArray configuration =
            master("slowest", zoneText("www IN A 192.0.2.1\n")) +
            "zone \"gone\" { type master; file \"" + m_directory.filePath("db.gone").toUtf8() +
            "\"; };\n" + master("slow", zoneText("mail IN A 192.0.2.25\n")) +
            "zone \"nofile\" { type slave; masters { 192.0.2.1; }; };\n" +
            master("refused", zoneText("@ IN SRV 0 0 53 ns.example.\n")) +
            "zone \".\" { type hint; file \"/nonexistent/root.hints\"; };\n" +
            master("quick", zoneText()) + master("last", zoneText("x IN TXT \"a b\"\n"));

        const QList<PZone> zones = read(configuration);

        QCOMPARE(namesOf(zones), QStringList({"slowest", "slow", "quick", "last"}));
        QCOMPARE(m_errors.size(), 3);
        QVERIFY2(m_errors.at(0).startsWith("Failed to parse zone. Zone compiler failed: "
                                           "/usr/bin/named-compilezone exited with code 1.\n"),
                 qPrintable(m_errors.at(0)));
        QVERIFY2(m_errors.at(0).contains("db.gone"), qPrintable(m_errors.at(0)));
        QCOMPARE(m_errors.at(1), QStringLiteral("Failed to parse zone. Expected file key"));
        QCOMPARE(m_errors.at(2),
                 QStringLiteral("Failed to parse zone. Can not parse service, proto and name in "
                                "srv record name: refused."));
        QCOMPARE(recordsOf(zones.at(0)).last(), QStringLiteral("www.slowest. 3600 IN A 192.0.2.1"));
        QCOMPARE(recordsOf(zones.at(1)).last(), QStringLiteral("mail.slow. 3600 IN A 192.0.2.25"));
        QCOMPARE(recordsOf(zones.at(2)).size(), 2);
        QCOMPARE(recordsOf(zones.at(3)).last(), QStringLiteral("x.last. 3600 IN TXT \"a b\""));
        for (const PZone &zone : zones) {
            for (const PRecord &record : zone->records())
                QCOMPARE(record->zone(), zone.data());
        }
    }

    void parseZones_manyZones_allListedInStatementOrder()
    {
        QByteArray configuration;
        QStringList expected;
        for (int index = 0; index < 40; ++index) {
            const QByteArray name = "zone" + QByteArray::number(index);
            configuration +=
                master(name, zoneText("www IN A 192.0.2." + QByteArray::number(index) + "\n"));
            expected << QString::fromUtf8(name);
        }

        const QList<PZone> zones = read(configuration);

        QVERIFY2(m_errors.isEmpty(), qPrintable(m_errors.join('\n')));
        QCOMPARE(namesOf(zones), expected);
        QCOMPARE(recordsOf(zones.at(39)).last(),
                 QStringLiteral("www.zone39. 3600 IN A 192.0.2.39"));
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

        const QList<PZone> zones = read(master("first", zoneText()) + master("second", zoneText()));

        QVERIFY2(m_errors.isEmpty(), qPrintable(m_errors.join('\n')));
        QCOMPARE(namesOf(zones), QStringList({"first", "second"}));
    }
};

TAMZOR_SANDBOX_TEST_MAIN(TestZoneReadOrder)
#include "tst_zonereadorder.moc"
