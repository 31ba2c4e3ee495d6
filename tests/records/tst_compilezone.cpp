#include "common/errorstackexception.h"
#include "records/compilezone.h"
#include "records/recordparser.h"
#include "tests/support/testmain.h"

#include <QDir>

namespace {

const QString compiler = QStringLiteral("/usr/bin/named-compilezone");
const QString formerLine = QStringLiteral("former.example. 1 IN A 192.0.2.99");

// A zone named example. whose file db.example lies in /etc/bind, holding one record already to
// see whether a failed read leaves it alone.
PZone makeZone()
{
    PZone zone(new Zone);
    zone->setName(QStringLiteral("example."));
    zone->setFile(QStringLiteral("db.example"));
    zone->setDirectory(QStringLiteral("/etc/bind"));
    zone->setRecords({parseRecordLine(formerLine)});
    return zone;
}

QStringList linesOf(const QList<PRecord> &records)
{
    QStringList lines;
    for (const PRecord &record : records)
        lines.append(record->toString());
    return lines;
}

} // namespace

class TestCompileZone : public QObject
{
    Q_OBJECT

private:
    QString m_formerCurrent = QDir::currentPath();

private slots:
    void init()
    {
        Sandbox::reset();
        // Relative names must be found through the zone's directory, not the current one.
        QVERIFY(QDir::setCurrent(QDir::rootPath()));
    }

    void cleanup() { QDir::setCurrent(m_formerCurrent); }

    void readZoneRecords_relativeFileAndInclude_recordsInCompilerOrderWithZoneLink()
    {
        Sandbox::writeFile(
            QStringLiteral("/etc/bind/db.example"),
            "$TTL 3600\n@ IN SOA ns.example. h.example. ( 1 7200 900 1209600 300 )\n"
            "\tIN\tNS\tns.example.\nwww\tIN\tA\t192.0.2.10\n$INCLUDE \"hosts.inc\"\n");
        Sandbox::writeFile(QStringLiteral("/etc/bind/hosts.inc"), "ns 60 IN A 192.0.2.1\n");
        const PZone zone = makeZone();

        readZoneRecords(zone);

        QCOMPARE(linesOf(zone->records()),
                 QStringList({"example. 3600 IN SOA ns.example. h.example. 1 7200 900 1209600 300",
                              "example. 3600 IN NS ns.example.", "ns.example. 60 IN A 192.0.2.1",
                              "www.example. 3600 IN A 192.0.2.10"}));
        for (const PRecord &record : zone->records())
            QCOMPARE(record->zone(), zone.data());
    }

    // A stand-in compiler (bash, or "missing") and the records left or the failure shown ("..."
    // at its end: the start of the text). A failed read keeps the records the zone had.
    void readZoneRecords_standInCompiler_data()
    {
        QTest::addColumn<QByteArray>("script");
        QTest::addColumn<QStringList>("records");
        QTest::addColumn<QString>("failure");
        const QStringList former{formerLine};
        const QString failed = "Zone compiler failed: ";

        QTest::newRow("zone file missing")
            << QByteArray() << former << failed + compiler + " exited with code 1.\n...";
        QTest::newRow("compiler crashes")
            << QByteArray("kill -SEGV $$") << former << failed + "Process crashed";
        QTest::newRow("compiler missing")
            << QByteArray("missing") << former << failed + compiler + " could not be started: ...";
        QTest::newRow("compiler refuses: code and standard error, not its output")
            << QByteArray("echo 'line one' >&2; echo 'caf\xc3\xa9' >&2; echo output; exit 3")
            << former
            << failed + compiler +
                   QString::fromUtf8(" exited with code 3.\nline one\ncaf\xc3\xa9\n");
        QTest::newRow("empty lines dropped")
            << QByteArray("printf '\\n\\na.example.\\t1 IN A\\t192.0.2.1\\n\\n\\n'")
            << QStringList{"a.example. 1 IN A 192.0.2.1"} << QString();
        QTest::newRow("comment lines of signed zones skipped")
            << QByteArray("printf 'e.\\t1 IN RRSIG\\tNS 8 1 1 2090 2025 3495 e. AbCd\\n"
                          "; resign=20901231235959\\nns.e.\\t1 IN A\\t192.0.2.1\\n'")
            << QStringList{"e. 1 IN RRSIG NS 8 1 1 2090 2025 3495 e. AbCd",
                           "ns.e. 1 IN A 192.0.2.1"}
            << QString();
        QTest::newRow("bytes that are not UTF-8")
            << QByteArray("printf '\\377\\376.e.\\t1 IN A\\t192.0.2.1\\nt.e.\\t1 IN "
                          "TXT\\t\"\\300\\200\"\\n'")
            << QStringList{QString::fromUtf8("\xff\xfe.e. 1 IN A 192.0.2.1"),
                           QString::fromUtf8("t.e. 1 IN TXT \"\xc0\x80\"")}
            << QString();
        QTest::newRow("character split between two writes")
            << QByteArray("printf 'caf\\303'; sleep 0.2; printf '\\251.e.\\t1 IN A\\t192.0.2.1\\n'")
            << QStringList{QString::fromUtf8("caf\xc3\xa9.e. 1 IN A 192.0.2.1")} << QString();
        QTest::newRow("last line without line feed")
            << QByteArray("printf 'a.e.\\t1 IN A\\t192.0.2.1\\nb.e.\\t2 IN NS\\tns.e.'")
            << QStringList{"a.e. 1 IN A 192.0.2.1", "b.e. 2 IN NS ns.e."} << QString();
        QTest::newRow("zero byte ends the text within a line")
            << QByteArray("printf 'a.e.\\t1 IN A\\t192.0.2.1\\000b.e.\\t2 IN A\\t192.0.2.2\\n'")
            << QStringList{"a.e. 1 IN A 192.0.2.1"} << QString();
        QTest::newRow("zero byte in a later write")
            << QByteArray("printf 'a.e.\\t1 IN A\\t192.0.2.1\\n'; sleep 0.2; printf '\\000x\\n'")
            << QStringList{"a.e. 1 IN A 192.0.2.1"} << QString();
        QTest::newRow("refused line, then much more output")
            << QByteArray(
                   "printf 'a.e.\\t1 IN A\\t192.0.2.1\\nnot a record\\n'; i=0; while [ $i "
                   "-lt 3000 ]; do printf 'b.e.\\t1 IN TXT\\t\"%0100d\"\\n' $i; i=$((i+1)); done")
            << former << QStringLiteral("Can not parse record: not a record");
        QTest::newRow("only the first refused line is reported")
            << QByteArray("printf 'bad one\\n'; sleep 0.2; printf 'bad two\\n'") << former
            << QStringLiteral("Can not parse record: bad one");
        QTest::newRow("refused line, then the compiler fails")
            << QByteArray("printf 'not a record\\n'; echo 'broken zone' >&2; exit 1") << former
            << failed + compiler + " exited with code 1.\nbroken zone\n";
    }

    void readZoneRecords_standInCompiler()
    {
        QFETCH(QByteArray, script);
        QFETCH(QStringList, records);
        QFETCH(QString, failure);
        if (script == "missing")
            Sandbox::removeProgram(compiler);
        else if (!script.isEmpty())
            Sandbox::replaceProgram(compiler, "#!/bin/bash\n" + script + '\n');
        const PZone zone = makeZone();

        QString thrown;
        try {
            readZoneRecords(zone);
        } catch (const ErrorStackException &e) {
            thrown = e.text();
        }

        QVERIFY2(failure.endsWith("...") ? thrown.startsWith(failure.chopped(3))
                                         : thrown == failure,
                 qPrintable(thrown));
        QCOMPARE(linesOf(zone->records()), records);
    }

    // The output arrives in many pieces; no line may be lost or joined where they meet.
    void readZoneRecords_bigOutput_everyLineInOrder()
    {
        Sandbox::replaceProgram(compiler, "#!/bin/bash\nfor ((i = 0; i < 20000; ++i)); do\n"
                                          "printf 'h%d.e.\\t60 IN A\\t192.0.2.1\\n' $i; done\n");
        const PZone zone = makeZone();

        readZoneRecords(zone);

        QStringList expected;
        for (int i = 0; i < 20000; ++i)
            expected << QStringLiteral("h%1.e. 60 IN A 192.0.2.1").arg(i);
        QCOMPARE(linesOf(zone->records()), expected);
    }
};

TAMZOR_SANDBOX_TEST_MAIN(TestCompileZone)
#include "tst_compilezone.moc"
