#include "common/errorstackexception.h"
#include "records/compilezone.h"
#include "records/recordparser.h"
#include "tests/support/testmain.h"

namespace {

const QString compiler = QStringLiteral("/usr/bin/named-compilezone");
const QString formerLine = QStringLiteral("former.example. 1 IN A 192.0.2.99");

PZone makeZone()
{
    PZone zone(new Zone);
    zone->setName(QStringLiteral("example."));
    zone->setFile(QStringLiteral("/etc/bind/db.example"));
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

// The compiler's output is read while it is printed, in whatever pieces it arrives.
class TestCompilerOutput : public QObject
{
    Q_OBJECT

private slots:
    void init() { Sandbox::reset(); }

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

TAMZOR_SANDBOX_TEST_MAIN(TestCompilerOutput)
#include "tst_compileroutput.moc"
