#include "common/errorstackexception.h"
#include "records/recordparser.h"
#include "records/soarecord.h"
#include "records/srvrecord.h"
#include "tests/support/testmain.h"

#include <QRegularExpression>

#include <typeinfo>

namespace {

// Owner, ttl, class word, type word, the class of the record and its fields, joined by " | ";
// or the messages of its failure.
QStringList outcome(const QStringRef &line)
{
    PRecord record;
    try {
        record = parseRecordLine(line);
    } catch (const ErrorStackException &exception) {
        return exception.messages();
    }
    QStringList fields{record->name(), QString::number(record->ttl()), record->recordClass(),
                       record->type(),
                       QString(typeid(*record).name()).remove(QRegularExpression("^\\d+"))};
    const auto number = [](quint64 value) { return QString::number(value); };
    if (auto *soa = dynamic_cast<const SOARecord *>(record.data()))
        fields << soa->mname() << soa->rname() << number(soa->serial()) << number(soa->refresh())
               << number(soa->retry()) << number(soa->expire()) << number(soa->minimum());
    else if (auto *srv = dynamic_cast<const SRVRecord *>(record.data()))
        fields << srv->service() << srv->proto() << number(srv->priority()) << number(srv->weight())
               << number(srv->port()) << srv->target();
    else
        fields << record->content();
    return {fields.join(QStringLiteral(" | "))};
}

void row(const char *name, const QString &line, const QString &expected)
{
    QTest::newRow(name) << line << expected;
}

} // namespace

class TestRecordParser : public QObject
{
    Q_OBJECT

private slots:
    // The record's fields, or the one message of its failure.
    void parse_data()
    {
        QTest::addColumn<QString>("line");
        QTest::addColumn<QString>("expected");

        const QString big = QStringLiteral("18446744073709551616");
        const QString max = QStringLiteral("18446744073709551615");
        row("compiler padding of tabs and spaces", "example.\t\t\t\t      600 IN NS\t\tns.example.",
            "example. | 600 | IN | NS | NSRecord | ns.example.");
        row("AAAA is not taken for A", "w. 0 IN AAAA 2001:db8::1",
            "w. | 0 | IN | AAAA | AAAARecord | 2001:db8::1");
        row("numbers at the 64-bit limit", "e. " + max + " IN SOA a. b. " + max + " 0 0 0 " + max,
            "e. | " + max + " | IN | SOA | SOARecord | a. | b. | " + max + " | 0 | 0 | 0 | " + max);
        row("SRV domain keeps its own underscore labels, numbers at the 16-bit limit",
            "_ldap._tcp.dc._msdcs.example. 600 IN SRV 65535 65535 65535 dc1.example.",
            "dc._msdcs.example. | 600 | IN | SRV | SRVRecord | _ldap | _tcp | 65535 | 65535 | "
            "65535 | dc1.example.");
        row("SRV at an apex of two labels leaves an empty domain", "example.com. 1 IN SRV 0 0 1 t.",
            " | 1 | IN | SRV | SRVRecord | example | com | 0 | 0 | 1 | t.");
        row("lower-case a is a custom record", "w. 3 IN a 1.2.3.4",
            "w. | 3 | IN | a | CustomRecord | 1.2.3.4");
        row("NSEC3 type word with a digit", "a1b2.example. 300 IN NSEC3\t1 0 10 AABBCC A1B2 A",
            "a1b2.example. | 300 | IN | NSEC3 | CustomRecord | 1 0 10 AABBCC A1B2 A");
        row("type with empty data", "ap.e.\t300 IN APL\t",
            "ap.e. | 300 | IN | APL | CustomRecord | ");
        row("bytes that were not UTF-8",
            QString::fromUtf8("\xff\xfe.example.\t300 IN A\t192.0.2.1"),
            QString::fromUtf8("\xff\xfe.example. | 300 | IN | A | ARecord | 192.0.2.1"));

        row("owner holding a space", "a b 1 IN A 192.0.2.1",
            "a b | 1 | IN | A | ARecord | 192.0.2.1");
        row("number in the owner before the ttl", "h 1 2 IN A 192.0.2.1",
            "h 1 | 2 | IN | A | ARecord | 192.0.2.1");
        row("empty owner", "\t7 IN A 192.0.2.1", " | 7 | IN | A | ARecord | 192.0.2.1");
        row("vertical tab, form feed and carriage return are spaces", "a.\v1\fIN\rA\t192.0.2.1",
            "a. | 1 | IN | A | ARecord | 192.0.2.1");
        row("content keeps its trailing spaces", "a. 1 IN TXT \"x y\"  ",
            "a. | 1 | IN | TXT | TXTRecord | \"x y\"  ");
        row("SRV fields apart by several spaces", "_s._tcp.a. 1 IN SRV 1  2\t3   t.a.",
            "a. | 1 | IN | SRV | SRVRecord | _s | _tcp | 1 | 2 | 3 | t.a.");
        row("SRV owner with dots only", "... 1 IN SRV 1 2 3 t.",
            ". | 1 | IN | SRV | SRVRecord |  |  | 1 | 2 | 3 | t.");
        row("MX number glued to the name", "a. 1 IN MX 10mail.a.",
            "Can not parse preference in mx record content: 10mail.a.");
        row("SRV without a port", "_s._tcp.a. 1 IN SRV 1 2 t.a.",
            "Can not parse srv record content: 1 2 t.a.");
        row("empty line", "", "Can not parse record: ");
        row("ttl with a unit", "h. 1h IN A 1.2.3.4", "Can not parse record: h. 1h IN A 1.2.3.4");
        row("type starting with a digit", "h. 3 IN 1A x", "Can not parse record: h. 3 IN 1A x");
        row("ttl beyond 64 bits", "h. " + big + " IN A 1",
            "Can not parse ttl in record: h. " + big + " IN A 1");
        row("MX without preference", "e. 1 IN MX m.",
            "Can not parse preference in mx record content: m.");
        row("MX preference beyond 64 bits", "e. 1 IN MX " + big + " m.",
            "Can not parse preference in mx record content: " + big + " m.");
        row("SOA missing a timer", "e. 1 IN SOA n. h. 1 2 3 4",
            "Can not parse soa record: n. h. 1 2 3 4");
        const char *timers[] = {"serial", "refresh", "retry", "expire", "minimum"};
        for (int i = 0; i < 5; ++i) {
            QStringList numbers{"1", "2", "3", "4", "5"};
            numbers[i] = big;
            const QString content = "n. h. " + numbers.join(' ');
            QTest::addRow("SOA %s beyond 64 bits", timers[i])
                << "e. 1 IN SOA " + content
                << QStringLiteral("Can not parse %1 in soa record content: ").arg(timers[i]) +
                       content;
        }
        row("SRV owner with fewer than two dots, reported before bad content",
            "example. 300 IN SRV x",
            "Can not parse service, proto and name in srv record name: example.");
        row("SRV without target", "_a._b.e. 1 IN SRV 0 0 1",
            "Can not parse srv record content: 0 0 1");
        // What 16 bits do not hold is read, and refused by the record's own rules.
        row("SRV port past 64 bits", "_a._b.e. 1 IN SRV 0 0 18446744073709551616 t.",
            "Can not parse port in srv record content: 0 0 18446744073709551616 t.");
    }

    // A plain line is split by a scan; a line feed at the very end sends it through the
    // expressions themselves, which let their final $ stand before it. Both must read alike, and
    // a zone's reading passes a view that stops before the next line.
    void parse()
    {
        QFETCH(QString, line);
        QFETCH(QString, expected);
        const QString fed = line + '\n';
        const QString within = line + "\nnext. 1 IN A 192.0.2.2";

        QCOMPARE(outcome(&line), QStringList(expected));
        QCOMPARE(outcome(within.leftRef(line.size())), QStringList(expected));
        // A message that quotes the whole line quotes its line feed too.
        QCOMPARE(outcome(&fed), QStringList(expected.endsWith(line) ? expected + '\n' : expected));
    }
};

TAMZOR_TEST_MAIN(TestRecordParser)
#include "tst_recordparser.moc"
