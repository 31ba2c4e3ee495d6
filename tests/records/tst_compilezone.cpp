#include "common/errorstackexception.h"
#include "records/arecord.h"
#include "records/compilezone.h"
#include "records/recordparser.h"
#include "tests/support/testmain.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

namespace {

const QByteArray zoneText = "$TTL 3600\n"
                            "@\tIN\tSOA\tns.example. hostmaster.example. ( 2024010101 7200 900 "
                            "1209600 300 )\n"
                            "\tIN\tNS\tns.example.\n"
                            "\tIN\tMX\t10 mail.example.\n"
                            "www\tIN\tA\t192.0.2.10\n"
                            "mail\tIN\tA\t192.0.2.20\n"
                            "ns\tIN\tA\t192.0.2.1\n"
                            "_sip._tcp\tIN\tSRV\t0 5 5060 www.example.\n"
                            "txt\t300\tIN\tTXT\t\"hello  world\" \"x\"\n";

// What named-compilezone prints for zoneText, one line per record in its own order.
const QStringList zoneLines = {
    "example. 3600 IN SOA ns.example. hostmaster.example. 2024010101 7200 900 1209600 300",
    "example. 3600 IN NS ns.example.",
    "example. 3600 IN MX 10 mail.example.",
    "_sip._tcp.example. 3600 IN SRV 0 5 5060 www.example.",
    "mail.example. 3600 IN A 192.0.2.20",
    "ns.example. 3600 IN A 192.0.2.1",
    "txt.example. 300 IN TXT \"hello  world\" \"x\"",
    "www.example. 3600 IN A 192.0.2.10",
};

void writeFile(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    QCOMPARE(file.write(bytes), bytes.size());
}

PZone makeZone(const QString &name, const QString &file)
{
    PZone zone(new Zone);
    zone->setName(name);
    zone->setFile(file);
    return zone;
}

QStringList linesOf(const QList<PRecord> &records)
{
    QStringList lines;
    for (const PRecord &record : records)
        lines.append(record->toString());
    return lines;
}

QString readFailure(const PZone &zone)
{
    try {
        readZoneRecords(zone);
    } catch (const ErrorStackException &exception) {
        return exception.text();
    }
    return QStringLiteral("(no exception)");
}

// A zone that already holds a record, to see whether a failed read leaves it alone.
void giveFormerRecord(const PZone &zone)
{
    zone->setRecords({parseRecordLine(QStringLiteral("former.example. 1 IN A 192.0.2.99"))});
}

} // namespace

class TestCompileZone : public QObject
{
    Q_OBJECT

private:
    QTemporaryDir m_directory;
    QString m_formerCurrent;

    QString path(const QString &name) const { return m_directory.filePath(name); }

private slots:
    void initTestCase()
    {
        QVERIFY(m_directory.isValid());
        writeFile(path(QStringLiteral("example.db")), zoneText);
        m_formerCurrent = QDir::currentPath();
    }

    void cleanup() { QDir::setCurrent(m_formerCurrent); }

    void readZoneRecords_goodZone_recordsInCompilerOrderWithZoneLink()
    {
        const PZone zone = makeZone(QStringLiteral("example."), path(QStringLiteral("example.db")));
        giveFormerRecord(zone);

        readZoneRecords(zone);

        const QList<PRecord> records = zone->records();
        QCOMPARE(linesOf(records), zoneLines);
        for (const PRecord &record : records)
            QCOMPARE(record->zone(), zone.data());
    }

    void readZoneRecords_relativeFile_readBesideTheZoneDirectory()
    {
        const PZone zone = makeZone(QStringLiteral("example."), QStringLiteral("example.db"));
        zone->setDirectory(m_directory.path());
        QVERIFY(QDir::setCurrent(QDir::rootPath()));

        readZoneRecords(zone);

        QCOMPARE(linesOf(zone->records()), zoneLines);
    }

    void readZoneRecords_relativeInclude_resolvedInTheZoneDirectory()
    {
        writeFile(path(QStringLiteral("main.db")),
                  "$TTL 60\n@ IN SOA ns.example. host.example. 1 7200 900 1209600 300\n"
                  "@ IN NS ns.example.\n$INCLUDE \"hosts.inc\"\n");
        writeFile(path(QStringLiteral("hosts.inc")), "ns IN A 192.0.2.1\n");
        const PZone zone = makeZone(QStringLiteral("example."), QStringLiteral("main.db"));
        zone->setDirectory(m_directory.path());
        QVERIFY(QDir::setCurrent(QDir::rootPath()));

        readZoneRecords(zone);

        QCOMPARE(linesOf(zone->records()),
                 QStringList({"example. 60 IN SOA ns.example. host.example. 1 7200 900 1209600 300",
                              "example. 60 IN NS ns.example.", "ns.example. 60 IN A 192.0.2.1"}));
    }

    void readZoneRecords_missingFile_throwsExitCodeAndCompilerMessage_keepsRecords()
    {
        const QString missing = path(QStringLiteral("missing.db"));
        const PZone zone = makeZone(QStringLiteral("example."), missing);
        giveFormerRecord(zone);

        const QString text = readFailure(zone);

        QVERIFY2(text.startsWith(QStringLiteral("Zone compiler failed: /usr/bin/named-compilezone "
                                                "exited with code 1.\n")),
                 qPrintable(text));
        QVERIFY2(text.contains(missing + QStringLiteral(" failed: file not found")),
                 qPrintable(text));
        QCOMPARE(linesOf(zone->records()), QStringList{"former.example. 1 IN A 192.0.2.99"});
    }

    void readZoneRecords_lineTheParserRefuses_throwsItsMessage_keepsRecords()
    {
        // named accepts a service record at the apex of a one-label zone, whose owner has no
        // room for service and protocol labels.
        writeFile(path(QStringLiteral("apex.db")),
                  "$TTL 60\n@ IN SOA ns.example. host.example. 1 7200 900 1209600 300\n"
                  "@ IN NS ns.example.\n@ IN SRV 0 0 1 ns.example.\nns IN A 192.0.2.1\n");
        const PZone zone = makeZone(QStringLiteral("example."), path(QStringLiteral("apex.db")));
        giveFormerRecord(zone);

        QCOMPARE(
            readFailure(zone),
            QStringLiteral("Can not parse service, proto and name in srv record name: example."));
        QCOMPARE(linesOf(zone->records()), QStringList{"former.example. 1 IN A 192.0.2.99"});
    }
};

TAMZOR_TEST_MAIN(TestCompileZone)
#include "tst_compilezone.moc"
