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
        Sandbox::writeFile(QStringLiteral("/etc/bind/db.example"),
                           "$TTL 3600\n"
                           "@\tIN\tSOA\tns.example. hostmaster.example. ( 2024010101 7200 900 "
                           "1209600 300 )\n"
                           "\tIN\tNS\tns.example.\n"
                           "\tIN\tMX\t10 mail.example.\n"
                           "www\tIN\tA\t192.0.2.10\n"
                           "$INCLUDE \"hosts.inc\"\n"
                           "_sip._tcp\tIN\tSRV\t0 5 5060 www.example.\n"
                           "txt\t300\tIN\tTXT\t\"hello  world\" \"x\"\n");
        Sandbox::writeFile(QStringLiteral("/etc/bind/hosts.inc"),
                           "mail IN A 192.0.2.20\nns IN A 192.0.2.1\n");
        const PZone zone = makeZone();

        readZoneRecords(zone);

        const QList<PRecord> records = zone->records();
        QCOMPARE(
            linesOf(records),
            QStringList({"example. 3600 IN SOA ns.example. hostmaster.example. 2024010101 "
                         "7200 900 1209600 300",
                         "example. 3600 IN NS ns.example.", "example. 3600 IN MX 10 mail.example.",
                         "_sip._tcp.example. 3600 IN SRV 0 5 5060 www.example.",
                         "mail.example. 3600 IN A 192.0.2.20", "ns.example. 3600 IN A 192.0.2.1",
                         "txt.example. 300 IN TXT \"hello  world\" \"x\"",
                         "www.example. 3600 IN A 192.0.2.10"}));
        for (const PRecord &record : records)
            QCOMPARE(record->zone(), zone.data());
    }

    void compile_passesStyleOutputZoneAndFile()
    {
        const QByteArray log = Sandbox::scratchDirectory().toUtf8() + "/arguments";
        Sandbox::replaceProgram(compiler, "#!/bin/sh\nprintf '%s\\n' \"$@\" > '" + log + "'\n");

        const CompileResult result =
            CompileZone().compile(QStringLiteral("example."), QStringLiteral("/etc/bind/db.x"));

        QVERIFY(result.ok);
        QCOMPARE(Sandbox::readFile(QString::fromUtf8(log)),
                 QByteArray("-s\nfull\n-o\n-\nexample.\n/etc/bind/db.x\n"));
    }

    // The zone file, or a stand-in compiler ("missing" hides it), and the start of the error.
    void readZoneRecords_fails_keepsRecords_data()
    {
        QTest::addColumn<QByteArray>("zoneText");
        QTest::addColumn<QByteArray>("script");
        QTest::addColumn<QString>("prefix");
        QTest::addColumn<QString>("part");

        QTest::newRow("zone file missing")
            << QByteArray() << QByteArray()
            << "Zone compiler failed: " + compiler + " exited with code 1.\n"
            << "/etc/bind/db.example failed: file not found";
        // named accepts a service record at the apex of a one-label zone, whose owner has no room
        // for service and protocol labels.
        QTest::newRow("line the parser refuses")
            << QByteArray("$TTL 60\n@ IN SOA ns.example. host.example. 1 7200 900 1209600 300\n"
                          "@ IN NS ns.example.\n@ IN SRV 0 0 1 ns.example.\nns IN A 192.0.2.1\n")
            << QByteArray() << "Can not parse service, proto and name in srv record name: example."
            << "";
        QTest::newRow("compiler crashes")
            << QByteArray() << QByteArray("#!/bin/sh\nkill -SEGV $$\n")
            << "Zone compiler failed: Process crashed"
            << "";
        QTest::newRow("compiler missing")
            << QByteArray() << QByteArray("missing")
            << "Zone compiler failed: " + compiler + " could not be started: "
            << "";
        QTest::newRow("compiler refuses: code and standard error, not its output")
            << QByteArray()
            << QByteArray("#!/bin/sh\necho 'line one' >&2\necho 'caf\xc3\xa9' >&2\n"
                          "echo 'partial output'\nexit 3\n")
            << "Zone compiler failed: " + compiler +
                   QString::fromUtf8(" exited with code 3.\nline one\ncaf\xc3\xa9\n")
            << "";
    }

    void readZoneRecords_fails_keepsRecords()
    {
        QFETCH(QByteArray, zoneText);
        QFETCH(QByteArray, script);
        QFETCH(QString, prefix);
        QFETCH(QString, part);
        if (!zoneText.isEmpty())
            Sandbox::writeFile(QStringLiteral("/etc/bind/db.example"), zoneText);
        if (script == "missing")
            Sandbox::removeProgram(compiler);
        else if (!script.isEmpty())
            Sandbox::replaceProgram(compiler, script);
        const PZone zone = makeZone();

        QString text;
        try {
            readZoneRecords(zone);
        } catch (const ErrorStackException &exception) {
            text = exception.text();
        }

        if (script == "missing")
            QVERIFY2(text.size() > prefix.size() && text.startsWith(prefix), qPrintable(text));
        else if (part.isEmpty())
            QCOMPARE(text, prefix);
        else
            QVERIFY2(text.startsWith(prefix) && text.contains(part), qPrintable(text));
        QCOMPARE(linesOf(zone->records()), QStringList{formerLine});
    }

    void readZoneRecords_compilerOutput_data()
    {
        QTest::addColumn<QByteArray>("output");
        QTest::addColumn<QStringList>("lines");

        QTest::newRow("empty lines dropped")
            << QByteArray(
                   "\n\na.example.\t1 IN A\t192.0.2.1\n\n\nb.example.\t2 IN NS\tns.example.\n")
            << QStringList({"a.example. 1 IN A 192.0.2.1", "b.example. 2 IN NS ns.example."});
        QTest::newRow("only line ends empty the zone") << QByteArray("\n\n\n") << QStringList();
        QTest::newRow("comment lines of signed zones skipped")
            << QByteArray(
                   "example.\t1 IN RRSIG\tNS 8 1 1 20901231235959 20250630034615 3495 "
                   "example. AbCd\n; resign=20901231235959\nns.example.\t1 IN A\t192.0.2.1\n")
            << QStringList({"example. 1 IN RRSIG NS 8 1 1 20901231235959 20250630034615 3495 "
                            "example. AbCd",
                            "ns.example. 1 IN A 192.0.2.1"});
        QTest::newRow("bytes that are not UTF-8")
            << QByteArray(
                   "\xff\xfe.example.\t1 IN A\t192.0.2.1\nt.example.\t1 IN TXT\t\"\xc0\x80\"\n")
            << QStringList({QString::fromUtf8("\xff\xfe.example. 1 IN A 192.0.2.1"),
                            QString::fromUtf8("t.example. 1 IN TXT \"\xc0\x80\"")});
    }

    void readZoneRecords_compilerOutput()
    {
        QFETCH(QByteArray, output);
        QFETCH(QStringList, lines);
        const QString printed = Sandbox::scratchDirectory() + QStringLiteral("/output");
        Sandbox::writeFile(printed, output);
        Sandbox::replaceProgram(compiler, "#!/bin/sh\ncat '" + printed.toUtf8() + "'\n");
        const PZone zone = makeZone();

        readZoneRecords(zone);

        QCOMPARE(linesOf(zone->records()), lines);
    }

    // The output is read while it is printed, in whatever pieces it arrives.
    void readZoneRecords_outputInPieces_data()
    {
        QTest::addColumn<QByteArray>("script");
        QTest::addColumn<QStringList>("records");
        QTest::addColumn<QString>("failure");

        QTest::newRow("line split between two writes")
            << QByteArray("printf 'a.example.\\t1 IN '; sleep 0.2; printf 'A\\t192.0.2.1\\n'")
            << QStringList{"a.example. 1 IN A 192.0.2.1"} << QString();
        QTest::newRow("character split between two writes")
            << QByteArray("printf 'caf\\303'; sleep 0.2; printf '\\251.example.\\t1 IN A\\t"
                          "192.0.2.1\\n'")
            << QStringList{QString::fromUtf8("caf\xc3\xa9.example. 1 IN A 192.0.2.1")} << QString();
        QTest::newRow("last line without line feed")
            << QByteArray("printf 'a.example.\\t1 IN A\\t192.0.2.1\\nb.example.\\t2 IN NS\\t"
                          "ns.example.'")
            << QStringList{"a.example. 1 IN A 192.0.2.1", "b.example. 2 IN NS ns.example."}
            << QString();
        QTest::newRow("zero byte ends the text within a line")
            << QByteArray("printf 'a.example.\\t1 IN A\\t192.0.2.1\\000b.example.\\t2 IN A\\t"
                          "192.0.2.2\\n'")
            << QStringList{"a.example. 1 IN A 192.0.2.1"} << QString();
        QTest::newRow("zero byte in a later write")
            << QByteArray("printf 'a.example.\\t1 IN A\\t192.0.2.1\\n'; sleep 0.2; "
                          "printf '\\000not a record\\n'")
            << QStringList{"a.example. 1 IN A 192.0.2.1"} << QString();
        QTest::newRow("refused line, then much more output")
            << QByteArray("printf 'a.example.\\t1 IN A\\t192.0.2.1\\nnot a record\\n'; "
                          "i=0; while [ $i -lt 3000 ]; do "
                          "printf 'b.example.\\t1 IN TXT\\t\"%0100d\"\\n' $i; i=$((i+1)); done")
            << QStringList{formerLine} << QStringLiteral("Can not parse record: not a record");
        QTest::newRow("only the first refused line is reported")
            << QByteArray("printf 'bad one\\n'; sleep 0.2; printf 'bad two\\n'")
            << QStringList{formerLine} << QStringLiteral("Can not parse record: bad one");
        QTest::newRow("refused line, then the compiler fails")
            << QByteArray("printf 'not a record\\n'; echo 'broken zone' >&2; exit 1")
            << QStringList{formerLine}
            << "Zone compiler failed: " + compiler + " exited with code 1.\nbroken zone\n";
    }

    void readZoneRecords_outputInPieces()
    {
        QFETCH(QByteArray, script);
        QFETCH(QStringList, records);
        QFETCH(QString, failure);
        Sandbox::replaceProgram(compiler, "#!/bin/bash\n" + script + '\n');
        const PZone zone = makeZone();

        QString thrown;
        try {
            readZoneRecords(zone);
        } catch (const ErrorStackException &e) {
            thrown = e.text();
        }

        QCOMPARE(thrown, failure);
        QCOMPARE(linesOf(zone->records()), records);
    }

    void readZoneRecords_bigOutput_everyLineInOrder()
    {
        Sandbox::replaceProgram(compiler, "#!/bin/bash\ni=0\nwhile [ $i -lt 20000 ]; do\n"
                                          "printf 'h%d.example.\\t60 IN A\\t192.0.2.1\\n' $i\n"
                                          "i=$((i+1))\ndone\n");
        const PZone zone = makeZone();

        readZoneRecords(zone);

        const QStringList lines = linesOf(zone->records());
        QCOMPARE(lines.size(), 20000);
        QCOMPARE(lines.first(), QStringLiteral("h0.example. 60 IN A 192.0.2.1"));
        QCOMPARE(lines.at(12345), QStringLiteral("h12345.example. 60 IN A 192.0.2.1"));
        QCOMPARE(lines.last(), QStringLiteral("h19999.example. 60 IN A 192.0.2.1"));
    }
};

TAMZOR_SANDBOX_TEST_MAIN(TestCompileZone)
#include "tst_compilezone.moc"
