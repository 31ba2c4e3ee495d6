#include "common/errorstackexception.h"
#include "records/aaaarecord.h"
#include "records/arecord.h"
#include "records/cnamerecord.h"
#include "records/customrecord.h"
#include "records/ipv6prefix.h"
#include "records/mxrecord.h"
#include "records/nsrecord.h"
#include "records/primaryserver.h"
#include "records/ptrrecord.h"
#include "records/recordparser.h"
#include "records/soarecord.h"
#include "records/srvrecord.h"
#include "records/txtrecord.h"
#include "records/zone.h"
#include "tests/support/testmain.h"

#include <memory>
#include <typeinfo>

using RecordFactory = Record *(*)();
Q_DECLARE_METATYPE(RecordFactory)

namespace {

template <class T> Record *make()
{
    return new T;
}

void row(const char *name, const char *line, const QStringList &messages)
{
    QTest::newRow(name) << QString::fromUtf8(line) << messages;
}

// What the text reads as, or the message it is refused with: "error: ...".
template <class Reading> QString readingOf(const Reading &read)
{
    try {
        return read();
    } catch (const ErrorStackException &error) {
        return QStringLiteral("error: ") + error.text();
    }
}

} // namespace

class TestRecords : public QObject
{
    Q_OBJECT

private slots:
    // Each class copies every field it has, the zone link included.
    void cloneAndAssign_data()
    {
        QTest::addColumn<QString>("line");
        QTest::addColumn<RecordFactory>("blank");

        QTest::newRow("SOA") << "example. 3600 IN SOA ns.example. hostmaster.example. 2024010101 "
                                "3600 600 1209600 300"
                             << &make<SOARecord>;
        QTest::newRow("MX") << "example. 300 IN MX 10 mail.example." << &make<MXRecord>;
        QTest::newRow("SRV") << "_sip._udp.example. 300 IN SRV 1 2 5060 sip.example."
                             << &make<SRVRecord>;
        QTest::newRow("NS") << "example. 300 IN NS ns1.example." << &make<NSRecord>;
        QTest::newRow("A") << "www.example. 300 IN A 192.0.2.1" << &make<ARecord>;
        QTest::newRow("AAAA") << "www.example. 0 IN AAAA 2001:db8::1" << &make<AAAARecord>;
        QTest::newRow("CNAME") << "ftp.example. 300 IN CNAME www.example." << &make<CNAMERecord>;
        QTest::newRow("PTR") << "1.2.0.192.in-addr.arpa. 300 IN PTR h.example." << &make<PTRRecord>;
        QTest::newRow("TXT") << "example. 300 CH TXT \"v=spf1  -all\" \"a\\\"b\""
                             << &make<TXTRecord>;
        QTest::newRow("custom") << "example. 300 IN CAA 0 issue \"ca.example.net\""
                                << &make<CustomRecord>;
    }

    void cloneAndAssign()
    {
        QFETCH(QString, line);
        QFETCH(RecordFactory, blank);
        const PRecord source = parseRecordLine(line);
        Zone zone;
        source->setZone(&zone);

        const std::unique_ptr<Record> clone(source->clone());
        QVERIFY(typeid(*clone) == typeid(*source));
        const std::unique_ptr<Record> target(blank());
        target->assign(*source);
        for (const Record *copy : {clone.get(), target.get()}) {
            QCOMPARE(copy->toString(), line);
            QCOMPARE(copy->zone(), &zone);
        }
    }

    // The rules the record classes add to those of names and addresses, at their edges.
    void validate_data()
    {
        QTest::addColumn<QString>("line");
        QTest::addColumn<QStringList>("messages");

        const QString hostOnly = "Domain label %1 is invalid: a host name takes letters, digits "
                                 "and inner hyphens only";
        row("_label owner of a text", "_dmarc.example. 1 IN TXT \"v\"", {});
        row("_label owner of an address", "_x.example. 1 IN A 192.0.2.1",
            {"Domain name is invalid.\n" + hostOnly.arg("_x")});
        row("SOA: retry equal to refresh", "example. 1 IN SOA n. h. 1 3600 3600 3600000 1",
            {"Retry must be less than Refresh"});
        row("SOA: expire = refresh + retry", "example. 1 IN SOA n. h. 1 3600 600 4200 1",
            {"Expire must be bigger than the sum of Refresh and Retry"});
        row("SOA: expire one more passes", "example. 1 IN SOA n. h. 1 3600 600 4201 1", {});
        row("SRV: protocol without underscore", "_sip.tcp.example. 1 IN SRV 0 0 1 t.example.",
            {"Proto name should start with underscore"});
        row("SRV: _label in the domain, no service at the root",
            "_ldap._tcp._msdcs.example. 1 IN SRV 0 0 0 .", {});
        row("every problem in its order", "_x.example. 2147483648 IN MX 65536 _m.example.",
            {"Domain name is invalid.\n" + hostOnly.arg("_x"),
             "TTL 2147483648 is out of range 0 to 2147483647",
             "Preference 65536 is out of range 0 to 65535",
             "Mail server name is invalid.\n" + hostOnly.arg("_m")});
        row("control character in data", "example. 1 IN CAA 0 issue \"a\tb\"",
            {"The record holds a line break or another control character"});
    }

    void validate()
    {
        QFETCH(QString, line);
        QFETCH(QStringList, messages);
        QCOMPARE(parseRecordLine(line)->validate(), messages);
    }

    // A line of primaries as the zone wizard and dialog take it: each entry as it is kept, and the
    // block a statement gets; or why the line is refused.
    void primaries_data()
    {
        QTest::addColumn<QString>("line");
        QTest::addColumn<QString>("entries");
        QTest::addColumn<QString>("clause");
        const auto primaries = [](const char *name, const QString &line, const QString &entries,
                                  const QString &clause = {}) {
            QTest::newRow(name) << line << entries << clause;
        };
        primaries("IPv4 address", "192.0.2.1", "192.0.2.1", "primaries { 192.0.2.1; };");
        primaries("IPv6 with port and key, blanks and case folded",
                  " 2001:DB8:0::1   PORT 5353 key xfer-key ;; 192.0.2.2;",
                  "2001:db8::1 port 5353 key xfer-key|192.0.2.2",
                  "primaries { 2001:db8::1 port 5353 key \"xfer-key\"; 192.0.2.2; };");
        primaries("key before port, tls, a list's name", "192.0.2.1 key k. port 1 tls t; upstream",
                  "192.0.2.1 port 1 key k. tls t|upstream",
                  "primaries { 192.0.2.1 port 1 key \"k.\" tls \"t\"; upstream; };");
        primaries("highest port", "192.0.2.1 port 65535", "192.0.2.1 port 65535");
        primaries("none", " ; ", "");
        primaries("address short of an octet", "192.0.2",
                  "error: 192.0.2 is neither an IPv4 nor an IPv6 address, nor the name of a "
                  "primaries list");
        primaries("IPv6 with a group too many", "2001:db8:1:2:3:4:5:6:7",
                  "error: 2001:db8:1:2:3:4:5:6:7 is neither an IPv4 nor an IPv6 address, nor the "
                  "name of a primaries list");
        primaries("port 0", "192.0.2.1 port 0", "error: Port 0 is not a number from 1 to 65535");
        primaries("port past the last", "192.0.2.1 port 65536",
                  "error: Port 65536 is not a number from 1 to 65535");
        primaries("port without its number", "192.0.2.1 port",
                  "error: port in 192.0.2.1 port lacks its value");
        primaries("unknown word", "192.0.2.1 via k",
                  "error: via in 192.0.2.1 via k is none of port, key and tls");
        primaries("key name with a quote", "192.0.2.1 key \"k\"",
                  "error: The key name \"k\" is invalid: Domain label \"k\" is invalid");
        primaries("a list given a port", "upstream port 53",
                  "error: The primaries list upstream takes no port; its entries give theirs");
    }

    void primaries()
    {
        QFETCH(QString, line);
        QFETCH(QString, entries);
        QFETCH(QString, clause);
        QCOMPARE(readingOf([&] { return PrimaryServer::entries(line).join('|'); }), entries);
        if (!clause.isEmpty())
            QCOMPARE(PrimaryServer::clause(PrimaryServer::entries(line)), clause);
    }

    // The reverse zone of an IPv6 network, or why there is none.
    void ipv6ReverseZone_data()
    {
        QTest::addColumn<QString>("network");
        QTest::addColumn<QString>("zone");
        QTest::newRow("/48") << "2001:db8:1::/48"
                             << "1.0.0.0.8.b.d.0.1.0.0.2.ip6.arpa.";
        QTest::newRow("/32, upper case and blanks") << " 2001:DB8::/32 "
                                                    << "8.b.d.0.1.0.0.2.ip6.arpa.";
        QTest::newRow("/4, the shortest") << "2000::/4"
                                          << "2.ip6.arpa.";
        QTest::newRow("/124, the longest")
            << "2001:db8::ab0/124"
            << "b.a.0.0.0.0.0.0.0.0.0.0.0.0.0.0.0.0.0.0.0.0.0.8.b.d.0.1.0.0.2."
               "ip6.arpa.";
        QTest::newRow("/44, inside a group") << "2001:db8:abc0::/44"
                                             << "c.b.a.8.b.d.0.1.0.0.2.ip6.arpa.";
        const QString cut = "error: %1 needs a prefix length after a slash that is a multiple of 4 "
                            "from 4 to 124, such as %2/48: reverse zones are cut at whole "
                            "hexadecimal digits";
        QTest::newRow("no length") << "2001:db8::" << cut.arg("2001:db8::", "2001:db8::");
        QTest::newRow("between nibbles")
            << "2001:db8::/33" << cut.arg("2001:db8::/33", "2001:db8::");
        QTest::newRow("a single address")
            << "2001:db8::/128" << cut.arg("2001:db8::/128", "2001:db8::");
        QTest::newRow("the whole space") << "::/0" << cut.arg("::/0", "::");
        QTest::newRow("length not a number")
            << "2001:db8::/x" << cut.arg("2001:db8::/x", "2001:db8::");
        QTest::newRow("IPv4") << "192.0.2.0/24"
                              << "error: 192.0.2.0 is not an IPv6 address";
        QTest::newRow("host bits set")
            << "2001:db8:1::5/48"
            << "error: 2001:db8:1::5/48 sets bits past its first 48: the network is "
               "2001:db8:1::/48";
    }

    void ipv6ReverseZone()
    {
        QFETCH(QString, network);
        QFETCH(QString, zone);
        QCOMPARE(readingOf([&] { return IPv6Prefix(network).reverseZoneName(); }), zone);
    }
};

TAMZOR_TEST_MAIN(TestRecords)
#include "tst_records.moc"
