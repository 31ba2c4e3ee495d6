#include "common/errorstackexception.h"
#include "records/compilezone.h"
#include "records/recordparser.h"
#include "tests/support/testmain.h"

namespace {

const QString compiler = QStringLiteral("/usr/bin/named-compilezone");

PZone makeZone()
{
    PZone zone(new Zone);
    zone->setName(QStringLiteral("example."));
    zone->setFile(QStringLiteral("/etc/bind/db.example"));
    zone->setRecords({parseRecordLine(QStringLiteral("former.example. 1 IN A 192.0.2.99"))});
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

// A stand-in compiler that prints the given bytes on standard output and succeeds.
void compilerPrints(const QByteArray &output)
{
    Sandbox::writeFile(Sandbox::scratchDirectory() + QStringLiteral("/output"), output);
    Sandbox::replaceProgram(compiler, "#!/bin/sh\ncat '" + Sandbox::scratchDirectory().toUtf8() +
                                          "/output'\n");
}

} // namespace

class TestCompileZoneFaults : public QObject
{
    Q_OBJECT

private slots:
    void init() { Sandbox::reset(); }

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

    void compilerCrashes_failsWithProcessCrashed_keepsRecords()
    {
        Sandbox::replaceProgram(compiler, "#!/bin/sh\nkill -SEGV $$\n");
        const PZone zone = makeZone();

        const CompileResult result = CompileZone().compile(zone->name(), zone->file());

        QVERIFY(!result.ok);
        QCOMPARE(result.text, QStringLiteral("Process crashed"));
        QCOMPARE(readFailure(zone), QStringLiteral("Zone compiler failed: Process crashed"));
        QCOMPARE(linesOf(zone->records()), QStringList{"former.example. 1 IN A 192.0.2.99"});
    }

    void compilerMissing_failsNamingProgram_keepsRecords()
    {
        Sandbox::removeProgram(compiler);
        const PZone zone = makeZone();

        const CompileResult result = CompileZone().compile(zone->name(), zone->file());

        QVERIFY(!result.ok);
        QVERIFY2(result.text.startsWith(compiler + QStringLiteral(" could not be started: ")),
                 qPrintable(result.text));
        QVERIFY(result.text.size() > compiler.size() + 24);
        QCOMPARE(readFailure(zone), QStringLiteral("Zone compiler failed: ") + result.text);
        QCOMPARE(linesOf(zone->records()), QStringList{"former.example. 1 IN A 192.0.2.99"});
    }

    void compilerRefuses_failsWithCodeAndStandardError()
    {
        Sandbox::replaceProgram(compiler, "#!/bin/sh\necho 'line one' >&2\necho 'caf\xc3\xa9' >&2\n"
                                          "echo 'partial output'\nexit 3\n");

        const CompileResult result =
            CompileZone().compile(QStringLiteral("example."), QStringLiteral("/etc/bind/db.x"));

        QVERIFY(!result.ok);
        QCOMPARE(result.text,
                 compiler + QString::fromUtf8(" exited with code 3.\nline one\ncaf\xc3\xa9\n"));
    }

    void readZoneRecords_emptyLinesDropped()
    {
        compilerPrints(
            "\n\na.example.\t1 IN A\t192.0.2.1\n\n\nb.example.\t2 IN NS\tns.example.\n\n");
        const PZone zone = makeZone();

        readZoneRecords(zone);

        QCOMPARE(linesOf(zone->records()),
                 QStringList({"a.example. 1 IN A 192.0.2.1", "b.example. 2 IN NS ns.example."}));
    }

    void readZoneRecords_onlyLineEnds_emptiesTheZone()
    {
        compilerPrints("\n\n\n");
        const PZone zone = makeZone();

        readZoneRecords(zone);

        QVERIFY(zone->records().isEmpty());
    }

    void readZoneRecords_commentLinesOfSignedZones_skipped()
    {
        compilerPrints("example.\t1 IN NS\tns.example.\n"
                       "example.\t1 IN RRSIG\tNS 8 1 1 20901231235959 20250630034615 3495 "
                       "example. AbCd\n"
                       "; resign=20901231235959\n"
                       "ns.example.\t1 IN A\t192.0.2.1\n");
        const PZone zone = makeZone();

        readZoneRecords(zone);

        QCOMPARE(linesOf(zone->records()),
                 QStringList({"example. 1 IN NS ns.example.",
                              "example. 1 IN RRSIG NS 8 1 1 20901231235959 20250630034615 3495 "
                              "example. AbCd",
                              "ns.example. 1 IN A 192.0.2.1"}));
    }

    void readZoneRecords_outputNotUtf8_readsWithoutCrash()
    {
        compilerPrints("\xff\xfe.example.\t1 IN A\t192.0.2.1\n"
                       "t.example.\t1 IN TXT\t\"\xc0\x80\"\n");
        const PZone zone = makeZone();

        readZoneRecords(zone);

        const QList<PRecord> records = zone->records();
        QCOMPARE(records.size(), 2);
        QCOMPARE(records.at(0)->name(), QString::fromUtf8("\xff\xfe.example."));
        QCOMPARE(records.at(0)->content(), QStringLiteral("192.0.2.1"));
        QCOMPARE(records.at(1)->type(), QStringLiteral("TXT"));
    }
};

TAMZOR_SANDBOX_TEST_MAIN(TestCompileZoneFaults)
#include "tst_compilezonefaults.moc"
