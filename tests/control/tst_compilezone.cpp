#include "control/compilezone.h"
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

using TestSupport::recordLines;

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

    void readZoneRecords_relativeFileAndInclude_recordsInCompilerOrder()
    {
        Sandbox::writeFile(
            QStringLiteral("/etc/bind/db.example"),
            "$TTL 3600\n@ IN SOA ns.example. h.example. ( 1 7200 900 1209600 300 )\n"
            "\tIN\tNS\tns.example.\nwww\tIN\tA\t192.0.2.10\n$INCLUDE \"hosts.inc\"\n");
        Sandbox::writeFile(QStringLiteral("/etc/bind/hosts.inc"), "ns 60 IN A 192.0.2.1\n");
        const PZone zone = makeZone();

        readZoneRecords(zone);

        QCOMPARE(recordLines(zone->records()),
                 QStringList({"example. 3600 IN SOA ns.example. h.example. 1 7200 900 1209600 300",
                              "example. 3600 IN NS ns.example.", "ns.example. 60 IN A 192.0.2.1",
                              "www.example. 3600 IN A 192.0.2.10"}));
    }

    // A stand-in compiler (bash, or "missing"), and the records read or the failure shown ("..."
    // at its end: the start of the text). A failed read keeps the records the zone had.
    void readZoneRecords_standInCompiler_data()
    {
        QTest::addColumn<QByteArray>("script");
        QTest::addColumn<QString>("expected");
        const QString failed = "Zone compiler failed: " + compiler;

        QTest::newRow("zone file missing") << QByteArray() << failed + " exited with code 1.\n...";
        QTest::newRow("compiler crashes") << QByteArray("kill -SEGV $$") << failed + " crashed";
        QTest::newRow("compiler missing")
            << QByteArray("missing") << failed + " could not be started: ...";
        QTest::newRow("compiler refuses: code and standard error, not its output")
            << QByteArray("echo 'line one' >&2; echo 'caf\xc3\xa9' >&2; echo output; exit 3")
            << failed + QString::fromUtf8(" exited with code 3.\nline one\ncaf\xc3\xa9\n");
        QTest::newRow("empty lines dropped, last line without line feed")
            << QByteArray("printf '\\n\\na.e.\\t1 IN A\\t1.2.3.4\\n\\n\\nb.e.\\t2 IN NS\\tns.e.'")
            << "a.e. 1 IN A 1.2.3.4\nb.e. 2 IN NS ns.e.";
        QTest::newRow("comment lines of signed zones skipped")
            << QByteArray("printf 'e.\\t1 IN RRSIG\\tNS 8 1 1 2090 2025 3495 e. AbCd\\n"
                          "; resign=20901231235959\\nns.e.\\t1 IN A\\t192.0.2.1\\n'")
            << "e. 1 IN RRSIG NS 8 1 1 2090 2025 3495 e. AbCd\nns.e. 1 IN A 192.0.2.1";
        QTest::newRow("bytes that are not UTF-8")
            << QByteArray("printf '\\377\\376.e.\\t1 IN A\\t1.2.3.4\\nt.e.\\t1 IN "
                          "TXT\\t\"\\300\\200\"\\n'")
            << QString::fromUtf8("\xff\xfe.e. 1 IN A 1.2.3.4\nt.e. 1 IN TXT \"\xc0\x80\"");
        QTest::newRow("character split between two writes")
            << QByteArray("printf 'caf\\303'; sleep 0.2; printf '\\251.e.\\t1 IN A\\t192.0.2.1\\n'")
            << QString::fromUtf8("caf\xc3\xa9.e. 1 IN A 192.0.2.1");
        QTest::newRow("zero byte ends the text within a line")
            << QByteArray("printf 'a.e.\\t1 IN A\\t192.0.2.1\\000b.e.\\t2 IN A\\t192.0.2.2\\n'")
            << "a.e. 1 IN A 192.0.2.1";
        QTest::newRow("refused line, then much more output")
            << QByteArray(
                   "printf 'a.e.\\t1 IN A\\t1.2.3.4\\nnot a record\\n'; for ((i = 0; i < 3000; "
                   "++i)); do printf 'b.e.\\t1 IN TXT\\t\"%0100d\"\\n' $i; done")
            << "Can not parse record: not a record";
        QTest::newRow("refused line, then the compiler fails")
            << QByteArray("printf 'not a record\\n'; echo 'broken zone' >&2; exit 1")
            << failed + " exited with code 1.\nbroken zone\n";
        QString many = QStringLiteral("h0.e. 60 IN A 192.0.2.1");
        for (int i = 1; i < 20000; ++i)
            many += QStringLiteral("\nh%1.e. 60 IN A 192.0.2.1").arg(i);
        QTest::newRow("big output in many pieces, every line in order")
            << QByteArray("for ((i = 0; i < 20000; ++i)); do printf 'h%d.e.\\t60 IN "
                          "A\\t192.0.2.1\\n' $i; done")
            << many;
    }

    void readZoneRecords_standInCompiler()
    {
        QFETCH(QByteArray, script);
        QFETCH(QString, expected);
        TestSupport::standIn(compiler, script);
        const PZone zone = makeZone();

        QString got = TestSupport::failureOf([&] { readZoneRecords(zone); });
        if (got.isEmpty())
            got = recordLines(zone->records()).join('\n');
        else
            QCOMPARE(recordLines(zone->records()), QStringList{formerLine});

        QVERIFY2(TestSupport::fits(got, expected), qPrintable(got));
    }
};

TAMZOR_SANDBOX_TEST_MAIN(TestCompileZone)
#include "tst_compilezone.moc"
