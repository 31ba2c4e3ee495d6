#include "control/compilezone.h"
#include "records/recordparser.h"
#include "storage/recordsources.h"
#include "storage/zonestorage.h"
#include "tests/support/testmain.h"

#include <QDir>
#include <QProcess>
#include <QTemporaryDir>

#include <algorithm>

namespace {

const QString diffProgram = QStringLiteral("/usr/bin/diff");
const QString compiler = QStringLiteral("/usr/bin/named-compilezone");
const QString checker = QStringLiteral("/usr/bin/named-checkzone");
const QString zoneFileName = QStringLiteral("db.zone");

// As administrators write zones: comments everywhere, $TTL with units, $ORIGIN changing
// mid-file, blank owners, @, a commented SOA over several lines, quotes holding ; and ",
// escaped names, included files by absolute and relative path, a $GENERATE with modifiers.
// INCLUDED stands for the absolute path of the included file.
const QByteArray handWritten =
    "; example.org, kept by hand - see ticket #4711\n"
    "$TTL 1h\n"
    "$ORIGIN example.org.\n"
    "@\tIN\tSOA\tns1 hostmaster (\n"
    "\t\t2024031501 ; serial\n"
    "\t\t3h         ; refresh\n"
    "\t\t15m        ; retry\n"
    "\t\t2w         ; expire\n"
    "\t\t1h )       ; minimum\n"
    "\tIN\tNS\tns1\n"
    "\tIN\tNS\tns2.example.net.\n"
    "\tIN\tMX\t10 mail\n"
    "\n"
    "; web servers\n"
    "www\tIN\tA\t192.0.2.10 ; moved to the new rack\n"
    "\tIN\tAAAA\t2001:db8::10\n"
    ";old\tIN\tA\t192.0.2.99 ; kept for later\n"
    "ns1\tIN\tA\t192.0.2.1\n"
    "mail\t300\tIN\tA\t192.0.2.25\n"
    "txt\tIN\tTXT\t\"v=spf1 mx -all\" \"a;b \\\"quoted\\\"\" ; (not a parenthesis\n"
    "odd\\.label\tIN\tTXT\t\"a dot in a label\"\n"
    "\\065bc\tIN\tA\t192.0.2.31\n"
    "\n"
    "$ORIGIN lab.example.org.\n"
    "host1\tA\t192.0.2.50\n"
    "host2\tA\t192.0.2.51\n"
    "$ORIGIN example.org.\n"
    "$INCLUDE \"INCLUDED\" ; the DKIM key, rotated by cron\n"
    "$INCLUDE extra.inc\n"
    "$GENERATE 1-3 dhcp-${0,2,d} IN A 192.0.2.${100}\n"
    "last\tIN\tCNAME\twww\n";
const QByteArray includedKey =
    "mail._domainkey IN TXT \"v=DKIM1; k=rsa; p=MIGfMA0GCSqGSIb3DQEBAQUAA4GNADCBiQKBgQC\"\n";
const QByteArray includedExtra = "extra IN A 192.0.2.60\n";

// Without $TTL, each record takes the last time written; CRLF line ends, no final line feed.
const QByteArray windowsStyle = "$ORIGIN example.net.\r\n"
                                "@ 3600 IN SOA ns1 hostmaster 1 7200 3600 1209600 300\r\n"
                                " NS ns1\r\n"
                                "ns1 A 192.0.2.1\r\n"
                                "www 600 A 192.0.2.2\r\n"
                                " AAAA 2001:db8::2\r\n"
                                "ftp A 192.0.2.3";

using TestSupport::findRecord;

using TestSupport::sorted;

// The records BIND's compiler reads from the zone's file now.
QStringList compiledLines(const Zone &zone)
{
    return sorted(TestSupport::recordsOnDisk(zone.name(), zone.file(), zone.directory()));
}

int countStarting(const QList<QByteArray> &lines, const char *start)
{
    return int(std::count_if(lines.cbegin(), lines.cend(),
                             [start](const QByteArray &line) { return line.startsWith(start); }));
}

bool bindAccepts(const QString &origin, const QString &path, const QString &directory)
{
    return !TestSupport::outputOf(compiler, {"-s", "full", "-o", "-", origin, path}, directory)
                .isNull() &&
           !TestSupport::outputOf(checker, {"-i", "full", origin, path}, directory).isNull();
}

} // namespace

// A record change alters only the text of the records it changes, and BIND reads exactly the
// records intended from what is written.
class TestZoneTextEdit : public QObject
{
    Q_OBJECT

public:
    enum Change { Remove, Add, Edit };
    Q_ENUM(Change)

private:
    QTemporaryDir m_directory;

    QString path(const QString &name) const { return m_directory.filePath(name); }

    // The zone as read from the text, with its file in the test's directory.
    PZone writeZone(const QString &name, const QByteArray &text)
    {
        Sandbox::writeFile(path(zoneFileName), QByteArray(text).replace(
                                                   "INCLUDED", QFile::encodeName(path("key.inc"))));
        PZone zone(new Zone);
        zone->setName(name);
        zone->setFile(zoneFileName);
        zone->setDirectory(m_directory.path());
        const QString failure = TestSupport::failureOf([&] { readZoneRecords(zone); });
        if (!failure.isEmpty())
            qWarning("%s", qPrintable(failure));
        RecordSources::mark(zone);
        return zone;
    }

    // Makes the change through the storage and returns its failure, empty when it was written.
    static QString change(const PZone &zone, Change kind, const PRecord &record,
                          const QString &line)
    {
        const QVector<PRecord> before = zone->records();
        QVector<PRecord> records = before;
        if (kind == Remove)
            records.removeOne(record);
        else if (kind == Add)
            records.append(parseRecordLine(line));
        else
            records.replace(records.indexOf(record), parseRecordLine(line));
        zone->setRecords(records);
        return TestSupport::failureOf([&] { ZoneStorage::saveZoneRecords(zone, before); });
    }

    // The columns that say a change: what is done to the record of which owner and type, with
    // which new record's line.
    static void addChangeColumns()
    {
        QTest::addColumn<Change>("kind");
        QTest::addColumn<QString>("owner");
        QTest::addColumn<QString>("type");
        QTest::addColumn<QString>("line");
    }

    static QString changeOfRow(const PZone &zone)
    {
        QFETCH(Change, kind);
        QFETCH(QString, owner);
        QFETCH(QString, type);
        QFETCH(QString, line);
        const PRecord record = kind == Add ? PRecord() : findRecord(zone, owner, type);
        if (kind != Add && !record)
            return QStringLiteral("no record %1 %2").arg(owner, type);
        return change(zone, kind, record, line);
    }

    // The lines that differ, as diff prints them.
    QByteArray diffOf(const QByteArray &before) const
    {
        Sandbox::writeFile(path(QStringLiteral("before")), before);
        QProcess diff;
        diff.start(diffProgram, {path(QStringLiteral("before")), path(zoneFileName)});
        diff.waitForFinished(-1);
        return diff.readAllStandardOutput();
    }

private slots:
    void initTestCase()
    {
        QVERIFY(m_directory.isValid());
        Sandbox::writeFile(path(QStringLiteral("key.inc")), includedKey);
        Sandbox::writeFile(path(QStringLiteral("extra.inc")), includedExtra);
    }

    void change_onlyItsLinesChange_data()
    {
        QTest::addColumn<QByteArray>("text");
        QTest::addColumn<QString>("zone");
        addChangeColumns();
        QTest::addColumn<QByteArray>("diff");
        const QString org = QStringLiteral("example.org.");
        const QString net = QStringLiteral("example.net.");

        QTest::newRow("remove: the blank-owner line after it keeps the owner")
            << handWritten << org << Remove << "www.example.org."
            << "A" << QString()
            << QByteArray("15,16c15\n< www\tIN\tA\t192.0.2.10 ; moved to the new rack\n"
                          "< \tIN\tAAAA\t2001:db8::10\n---\n> www\tIN\tAAAA\t2001:db8::10\n");
        QTest::newRow("remove: a blank-owner line")
            << handWritten << org << Remove << "example.org."
            << "NS" << QString() << QByteArray("10d9\n< \tIN\tNS\tns1\n");
        QTest::newRow("remove: quotes holding ; and \"")
            << handWritten << org << Remove << "txt.example.org."
            << "TXT" << QString()
            << QByteArray("20d19\n< txt\tIN\tTXT\t\"v=spf1 mx -all\" \"a;b \\\"quoted\\\"\" ; "
                          "(not a parenthesis\n");
        QTest::newRow("remove: an escaped name")
            << handWritten << org << Remove << "Abc.example.org."
            << "A" << QString() << QByteArray("22d21\n< \\065bc\tIN\tA\t192.0.2.31\n");
        QTest::newRow("add: after the last entry of its owner, time to live as the default")
            << handWritten << org << Add << QString() << QString()
            << "www.example.org. 3600 IN TXT \"web\""
            << QByteArray("16a17\n> www\tIN TXT \"web\"\n");
        QTest::newRow("add: at the end, relative to the origin there, other time to live")
            << handWritten << org << Add << QString() << QString()
            << "new.example.org. 60 IN A 192.0.2.77"
            << QByteArray("31a32\n> new\t60 IN A 192.0.2.77\n");
        QTest::newRow("add: relative to the origin in effect after its owner")
            << handWritten << org << Add << QString() << QString()
            << "host2.lab.example.org. 3600 IN TXT \"lab\""
            << QByteArray("26a27\n> host2\tTXT \"lab\"\n");
        QTest::newRow("edit: the address only, comment kept")
            << handWritten << org << Edit << "www.example.org."
            << "A"
            << "www.example.org. 3600 IN A 192.0.2.11"
            << QByteArray("15c15\n< www\tIN\tA\t192.0.2.10 ; moved to the new rack\n---\n"
                          "> www\tIN\tA\t192.0.2.11 ; moved to the new rack\n");
        QTest::newRow("edit: the serial token only, inside the parentheses")
            << handWritten << org << Edit << "example.org."
            << "SOA"
            << "example.org. 3600 IN SOA ns1.example.org. hostmaster.example.org. 2024031502 "
               "10800 900 1209600 3600"
            << QByteArray("5c5\n< \t\t2024031501 ; serial\n---\n> \t\t2024031502 ; serial\n");
        QTest::newRow("edit: another owner and time to live, the next blank owner kept")
            << handWritten << org << Edit << "example.org."
            << "MX"
            << "mail.example.org. 600 IN MX 20 mail.example.org."
            << QByteArray("12c12\n< \tIN\tMX\t10 mail\n---\n> mail\t600 IN\tMX\t20 mail\n");
        QTest::newRow("edit: a name outside the origin there is written whole")
            << handWritten << org << Edit << "host1.lab.example.org."
            << "A"
            << "host9.example.org. 3600 IN A 192.0.2.50"
            << QByteArray(
                   "25c25\n< host1\tA\t192.0.2.50\n---\n> host9.example.org.\tA\t192.0.2.50\n");
        QTest::newRow("edit: other strings in the quotes")
            << handWritten << org << Edit << "txt.example.org."
            << "TXT"
            << "txt.example.org. 3600 IN TXT \"v=spf1 -all\""
            << QByteArray("20c20\n< txt\tIN\tTXT\t\"v=spf1 mx -all\" \"a;b \\\"quoted\\\"\" ; "
                          "(not a parenthesis\n---\n> txt\tIN\tTXT\t\"v=spf1 -all\" ; "
                          "(not a parenthesis\n");

        QTest::newRow("CRLF: remove the last line, still no final line feed")
            << windowsStyle << net << Remove << "ftp.example.net."
            << "A" << QString()
            << QByteArray("6,7c6\n< \tAAAA 2001:db8::2\r\n< ftp A 192.0.2.3\n"
                          "\\ No newline at end of file\n---\n> \tAAAA 2001:db8::2\n"
                          "\\ No newline at end of file\n")
                   .replace("\tAAAA", " AAAA");
        QTest::newRow("CRLF: remove a time the next records inherit, which they keep")
            << windowsStyle << net << Remove << "www.example.net."
            << "A" << QString()
            << QByteArray("5,6c5\n< www 600 A 192.0.2.2\r\n<  AAAA 2001:db8::2\r\n---\n"
                          "> www 600 AAAA 2001:db8::2\r\n");
        QTest::newRow("CRLF: add at the end, still no final line feed")
            << windowsStyle << net << Add << QString() << QString()
            << "mx.example.net. 600 IN A 192.0.2.4"
            << QByteArray("7c7,8\n< ftp A 192.0.2.3\n\\ No newline at end of file\n---\n"
                          "> ftp A 192.0.2.3\r\n> mx A 192.0.2.4\n\\ No newline at end of file\n");
        QTest::newRow("CRLF: edit a time the next records inherit, which they keep")
            << windowsStyle << net << Edit << "www.example.net."
            << "A"
            << "www.example.net. 60 IN A 192.0.2.2"
            << QByteArray("5,6c5,6\n< www 600 A 192.0.2.2\r\n<  AAAA 2001:db8::2\r\n---\n"
                          "> www 60 A 192.0.2.2\r\n>  600 AAAA 2001:db8::2\r\n");
    }

    void change_onlyItsLinesChange()
    {
        QFETCH(QByteArray, text);
        QFETCH(QString, zone);
        QFETCH(QByteArray, diff);
        const PZone written = writeZone(zone, text);
        const QByteArray before = Sandbox::readFile(path(zoneFileName));

        QCOMPARE(changeOfRow(written), QString());

        QCOMPARE(diffOf(before), diff);
        QCOMPARE(compiledLines(*written), sorted(TestSupport::recordLines(written->records())));
    }

    void change_refused_fileUnchanged_data()
    {
        addChangeColumns();
        QTest::addColumn<QString>("failure");
        const QString notWritten = QStringLiteral("is not written in file");
        QTest::newRow("a record of an included file") << Remove << "mail._domainkey.example.org."
                                                      << "TXT" << QString() << notWritten;
        QTest::newRow("a record of a range") << Remove << "dhcp-02.example.org."
                                             << "A" << QString() << notWritten;
        QTest::newRow("BIND gives the record the time of the others of its set")
            << Add << QString() << QString() << "www.example.org. 60 IN A 192.0.2.12"
            << "BIND reads the changed text of file " + path(zoneFileName) +
                   " otherwise than intended, so it is left as it was:\n"
                   "missing: www.example.org. 60 IN A 192.0.2.12\n"
                   "not intended: www.example.org. 3600 IN A 192.0.2.12";
        QTest::newRow("BIND refuses a name server without its address")
            << Remove << "ns1.example.org."
            << "A" << QString()
            << "Zone contains errors: " + path(QStringLiteral("db.zone")).left(0);
    }

    void change_refused_fileUnchanged()
    {
        QFETCH(QString, failure);
        const PZone written = writeZone(QStringLiteral("example.org."), handWritten);
        const QByteArray before = Sandbox::readFile(path(zoneFileName));

        const QString got = changeOfRow(written);

        QVERIFY2(got.contains(failure), qPrintable(got));
        QCOMPARE(Sandbox::readFile(path(zoneFileName)), before);
    }

    void mark_recordsOfIncludesAndRanges_data()
    {
        QTest::addColumn<QString>("owner");
        QTest::addColumn<QString>("type");
        QTest::addColumn<QString>("source");
        QTest::newRow("own record") << "www.example.org."
                                    << "A" << QString();
        QTest::newRow("included by absolute path") << "mail._domainkey.example.org."
                                                   << "TXT"
                                                   << "$INCLUDE " + path("key.inc");
        QTest::newRow("included by path relative to the server's directory")
            << "extra.example.org."
            << "A"
            << "$INCLUDE " + path("extra.inc");
        QTest::newRow("made by a range with modifiers")
            << "dhcp-03.example.org."
            << "A" << QStringLiteral("$GENERATE 1-3 dhcp-${0,2,d} IN A 192.0.2.${100}");
    }

    void mark_recordsOfIncludesAndRanges()
    {
        QFETCH(QString, owner);
        QFETCH(QString, type);
        QFETCH(QString, source);
        const PRecord record =
            findRecord(writeZone(QStringLiteral("example.org."), handWritten), owner, type);
        QVERIFY(record);
        QCOMPARE(record->source(), source);
    }

    void corpus_removeOneAndAddOne_data()
    {
        QTest::addColumn<QString>("file");
        const QDir corpus(TestSupport::corpusDirectory() + QStringLiteral("/checkzone"));
        if (!corpus.exists() && TestSupport::isCI())
            QFAIL(qPrintable("no corpus at " + corpus.path()));
        for (const QString &file : corpus.entryList(QDir::Files, QDir::Name))
            QTest::newRow(qPrintable(file)) << corpus.filePath(file);
    }

    // Each file of BIND's corpus that BIND accepts: one record goes, its lines alone with it;
    // one comes, as one line more.
    void corpus_removeOneAndAddOne()
    {
        QFETCH(QString, file);
        const QString origin = TestSupport::corpusZoneOrigin(QFileInfo(file).fileName());
        // Some files include "zones/inherit.db", relative to the server's directory.
        QFile::link(QFileInfo(file).absolutePath(), path(QStringLiteral("zones")));
        if (!bindAccepts(origin, file, m_directory.path()))
            QSKIP("BIND refuses this zone");
        const PZone zone = writeZone(origin, Sandbox::readFile(file));
        const QByteArray original = Sandbox::readFile(path(zoneFileName));

        bool removed = false;
        const QVector<PRecord> records = zone->records();
        for (auto record = records.crbegin(); record != records.crend() && !removed; ++record) {
            if ((*record)->type() == QLatin1String("SOA") || !(*record)->source().isEmpty())
                continue;
            const QString failure = change(zone, Remove, *record, QString());
            removed = failure.isEmpty();
            if (!removed) {
                // BIND may rightly refuse a zone without that record.
                QVERIFY2(failure.startsWith(QLatin1String("Zone contains errors")),
                         qPrintable(failure));
                zone->setRecords(records);
            }
        }
        const QList<QByteArray> removal = diffOf(original).split('\n');
        QVERIFY2(!removed || removal.first().contains('d') || countStarting(removal, "> ") == 1,
                 removal.join('\n').constData());
        QCOMPARE(compiledLines(*zone), sorted(TestSupport::recordLines(zone->records())));

        const QByteArray afterRemoval = Sandbox::readFile(path(zoneFileName));
        QCOMPARE(change(zone, Add, PRecord(), "tamzor-added." + origin + " 3600 IN TXT \"added\""),
                 QString());
        const QList<QByteArray> addition = diffOf(afterRemoval).split('\n');
        QCOMPARE(countStarting(addition, "> ") + countStarting(addition, "< "), 1);
        QCOMPARE(compiledLines(*zone), sorted(TestSupport::recordLines(zone->records())));
    }
};

TAMZOR_TEST_MAIN(TestZoneTextEdit)
#include "tst_zonetextedit.moc"
