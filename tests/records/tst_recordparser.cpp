#include "common/errorstackexception.h"
#include "records/aaaarecord.h"
#include "records/arecord.h"
#include "records/cnamerecord.h"
#include "records/customrecord.h"
#include "records/mxrecord.h"
#include "records/nsrecord.h"
#include "records/ptrrecord.h"
#include "records/recordparser.h"
#include "records/soarecord.h"
#include "records/srvrecord.h"
#include "records/txtrecord.h"
#include "tests/support/testmain.h"

namespace {

// The class of a record and its own fields, read through the getters, in the order of the class.
QStringList describe(const Record &record)
{
    const auto number = [](quint64 value) { return QString::number(value); };
    if (auto *soa = dynamic_cast<const SOARecord *>(&record))
        return {"SOARecord",           soa->mname(),           soa->rname(),
                number(soa->serial()), number(soa->refresh()), number(soa->retry()),
                number(soa->expire()), number(soa->minimum())};
    if (auto *mx = dynamic_cast<const MXRecord *>(&record))
        return {"MXRecord", number(mx->preference()), mx->exchange()};
    if (auto *srv = dynamic_cast<const SRVRecord *>(&record))
        return {"SRVRecord",           srv->service(),      srv->proto(), number(srv->priority()),
                number(srv->weight()), number(srv->port()), srv->target()};
    if (auto *ns = dynamic_cast<const NSRecord *>(&record))
        return {"NSRecord", ns->nsdName()};
    if (auto *a = dynamic_cast<const ARecord *>(&record))
        return {"ARecord", a->address()};
    if (auto *aaaa = dynamic_cast<const AAAARecord *>(&record))
        return {"AAAARecord", aaaa->address()};
    if (auto *cname = dynamic_cast<const CNAMERecord *>(&record))
        return {"CNAMERecord", cname->cname()};
    if (auto *ptr = dynamic_cast<const PTRRecord *>(&record))
        return {"PTRRecord", ptr->ptrdName()};
    if (auto *txt = dynamic_cast<const TXTRecord *>(&record))
        return {"TXTRecord", txt->text()};
    if (auto *custom = dynamic_cast<const CustomRecord *>(&record))
        return {"CustomRecord", custom->data()};
    return {"unknown"};
}

QString parseFailure(const QString &line)
{
    try {
        parseRecordLine(line);
    } catch (const ErrorStackException &exception) {
        return exception.text();
    }
    return QStringLiteral("(no exception)");
}

} // namespace

class TestRecordParser : public QObject
{
    Q_OBJECT

private slots:
    void parse_data()
    {
        QTest::addColumn<QString>("line");
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("ttl");
        QTest::addColumn<QString>("recordClass");
        QTest::addColumn<QString>("type");
        QTest::addColumn<QStringList>("fields");

        QTest::newRow("tab-separated A") << "host.example.\t3600\tIN\tA\t192.0.2.1"
                                         << "host.example."
                                         << "3600"
                                         << "IN"
                                         << "A" << QStringList{"ARecord", "192.0.2.1"};
        QTest::newRow("compiler padding of tabs and spaces")
            << "example.\t\t\t\t      600 IN NS\t\tns.example."
            << "example."
            << "600"
            << "IN"
            << "NS" << QStringList{"NSRecord", "ns.example."};
        QTest::newRow("AAAA is not taken for A")
            << "www.example. 0 IN AAAA 2001:db8::1"
            << "www.example."
            << "0"
            << "IN"
            << "AAAA" << QStringList{"AAAARecord", "2001:db8::1"};
        QTest::newRow("CNAME") << "ftp.example. 300 IN CNAME www.example."
                               << "ftp.example."
                               << "300"
                               << "IN"
                               << "CNAME" << QStringList{"CNAMERecord", "www.example."};
        QTest::newRow("PTR") << "1.2.0.192.in-addr.arpa. 300 IN PTR host.example."
                             << "1.2.0.192.in-addr.arpa."
                             << "300"
                             << "IN"
                             << "PTR" << QStringList{"PTRRecord", "host.example."};
        QTest::newRow("TXT keeps quotes, escapes and inner spaces")
            << "example.\t300 IN TXT\t\"a  b\" \"c\\\"d\" \"\" \"tab\\009x\""
            << "example."
            << "300"
            << "IN"
            << "TXT" << QStringList{"TXTRecord", "\"a  b\" \"c\\\"d\" \"\" \"tab\\009x\""};
        QTest::newRow("SOA with escaped dot in the mailbox")
            << "example.\t600 IN SOA\tns.example. host\\.master.example. 2011012708 3600 1200 "
               "604800 1200"
            << "example."
            << "600"
            << "IN"
            << "SOA" << QStringList{"SOARecord",  "ns.example.", "host\\.master.example.",
                                    "2011012708", "3600",        "1200",
                                    "604800",     "1200"};
        QTest::newRow("SOA name server takes all but the last name")
            << "example. 1 IN SOA a. b. c. 1 2 3 4 5"
            << "example."
            << "1"
            << "IN"
            << "SOA" << QStringList{"SOARecord", "a. b.", "c.", "1", "2", "3", "4", "5"};
        QTest::newRow("SOA numbers at the 64-bit limit")
            << "example. 1 IN SOA a. b. 18446744073709551615 0 0 0 18446744073709551615"
            << "example."
            << "1"
            << "IN"
            << "SOA" << QStringList{"SOARecord", "a.", "b.", "18446744073709551615",
                                    "0",         "0",  "0",  "18446744073709551615"};
        QTest::newRow("MX") << "example.\t300 IN MX\t10 mail.example."
                            << "example."
                            << "300"
                            << "IN"
                            << "MX" << QStringList{"MXRecord", "10", "mail.example."};
        QTest::newRow("SRV owner splits into service, protocol and domain")
            << "_sip._tcp.example.\t300 IN SRV\t0 5 5060 sip.example."
            << "example."
            << "300"
            << "IN"
            << "SRV" << QStringList{"SRVRecord", "_sip", "_tcp", "0", "5", "5060", "sip.example."};
        QTest::newRow("SRV domain keeps its own underscore labels")
            << "_ldap._tcp.dc._msdcs.example. 600 IN SRV 0 100 389 dc1.example."
            << "dc._msdcs.example."
            << "600"
            << "IN"
            << "SRV"
            << QStringList{"SRVRecord", "_ldap", "_tcp", "0", "100", "389", "dc1.example."};
        QTest::newRow("SRV numbers at the 16-bit limit")
            << "_a._udp.example. 1 IN SRV 65535 65535 65535 t.example."
            << "example."
            << "1"
            << "IN"
            << "SRV"
            << QStringList{"SRVRecord", "_a", "_udp", "65535", "65535", "65535", "t.example."};
        QTest::newRow("SRV at an apex of two labels leaves an empty domain")
            << "example.com. 1 IN SRV 0 0 1 t.example."
            << ""
            << "1"
            << "IN"
            << "SRV" << QStringList{"SRVRecord", "example", "com", "0", "0", "1", "t.example."};
        QTest::newRow("ttl at the 64-bit limit") << "a. 18446744073709551615 IN A 192.0.2.1"
                                                 << "a."
                                                 << "18446744073709551615"
                                                 << "IN"
                                                 << "A" << QStringList{"ARecord", "192.0.2.1"};
        QTest::newRow("class word other than IN") << "version.bind. 0 CH TXT \"9.18\""
                                                  << "version.bind."
                                                  << "0"
                                                  << "CH"
                                                  << "TXT" << QStringList{"TXTRecord", "\"9.18\""};
        QTest::newRow("lower-case a is a custom record")
            << "www.example. 300 IN a 192.0.2.1"
            << "www.example."
            << "300"
            << "IN"
            << "a" << QStringList{"CustomRecord", "192.0.2.1"};
        QTest::newRow("lower-case mx is a custom record")
            << "example. 300 IN mx 10 mail.example."
            << "example."
            << "300"
            << "IN"
            << "mx" << QStringList{"CustomRecord", "10 mail.example."};
        QTest::newRow("CAA is a custom record")
            << "example. 300 IN CAA\t0 issue \"ca.example.net\""
            << "example."
            << "300"
            << "IN"
            << "CAA" << QStringList{"CustomRecord", "0 issue \"ca.example.net\""};
        QTest::newRow("DNSKEY data is the whole rest of the line")
            << "example. 300 IN DNSKEY\t257 3 8 AwEAAa BbCc=="
            << "example."
            << "300"
            << "IN"
            << "DNSKEY" << QStringList{"CustomRecord", "257 3 8 AwEAAa BbCc=="};
        QTest::newRow("TLSA is a custom record")
            << "_443._tcp.www.example. 300 IN TLSA\t3 1 1 AABB CCDD"
            << "_443._tcp.www.example."
            << "300"
            << "IN"
            << "TLSA" << QStringList{"CustomRecord", "3 1 1 AABB CCDD"};
        QTest::newRow("NSEC3 type word with a digit")
            << "a1b2.example. 300 IN NSEC3\t1 0 10 AABBCC A1B2 A RRSIG"
            << "a1b2.example."
            << "300"
            << "IN"
            << "NSEC3" << QStringList{"CustomRecord", "1 0 10 AABBCC A1B2 A RRSIG"};
        QTest::newRow("NSEC3PARAM type word with a digit")
            << "example. 0 IN NSEC3PARAM\t1 0 10 AABBCC"
            << "example."
            << "0"
            << "IN"
            << "NSEC3PARAM" << QStringList{"CustomRecord", "1 0 10 AABBCC"};
        QTest::newRow("unknown type in generic form")
            << "u.example. 300 IN TYPE65534\t\\# 5 0102030405"
            << "u.example."
            << "300"
            << "IN"
            << "TYPE65534" << QStringList{"CustomRecord", "\\# 5 0102030405"};
        QTest::newRow("type with empty data") << "ap.example.\t300 IN APL\t"
                                              << "ap.example."
                                              << "300"
                                              << "IN"
                                              << "APL" << QStringList{"CustomRecord", ""};
        QTest::newRow("bytes that were not UTF-8")
            << QString::fromUtf8("\xff\xfe.example.\t300 IN A\t192.0.2.1")
            << QString::fromUtf8("\xff\xfe.example.") << "300"
            << "IN"
            << "A" << QStringList{"ARecord", "192.0.2.1"};
    }

    void parse()
    {
        QFETCH(QString, line);
        QFETCH(QString, name);
        QFETCH(QString, ttl);
        QFETCH(QString, recordClass);
        QFETCH(QString, type);
        QFETCH(QStringList, fields);

        const PRecord record = parseRecordLine(line);

        QVERIFY(record);
        QCOMPARE(record->name(), name);
        QCOMPARE(QString::number(record->ttl()), ttl);
        QCOMPARE(record->recordClass(), recordClass);
        QCOMPARE(record->type(), type);
        QCOMPARE(describe(*record), fields);
        QVERIFY(!record->zone());
    }

    void parse_view_readsOnlyItsLine()
    {
        const QString text =
            QStringLiteral("a.example. 1 IN A 192.0.2.1\nb.example. 2 IN NS ns.example.");
        const QStringRef second = text.midRef(text.indexOf(QLatin1Char('\n')) + 1);

        const PRecord record = parseRecordLine(second);

        QCOMPARE(record->toString(), QStringLiteral("b.example. 2 IN NS ns.example."));
    }

    void srv_writesBackTheOwnerItWasReadFrom()
    {
        const PRecord record = parseRecordLine(
            QStringLiteral("_xmpp-server._tcp.example. 3600 IN SRV 5 0 5269 xmpp.example."));

        QCOMPARE(record->fullName(), QStringLiteral("_xmpp-server._tcp.example."));
        QCOMPARE(record->toString(),
                 QStringLiteral("_xmpp-server._tcp.example. 3600 IN SRV 5 0 5269 xmpp.example."));
    }

    void failure_data()
    {
        QTest::addColumn<QString>("line");
        QTest::addColumn<QString>("message");

        QTest::newRow("empty line") << ""
                                    << "Can not parse record: ";
        QTest::newRow("no fields") << "garbage"
                                   << "Can not parse record: garbage";
        QTest::newRow("comment line") << "; resign=20901231235959"
                                      << "Can not parse record: ; resign=20901231235959";
        QTest::newRow("no data after the type") << "host.example. 3600 IN A"
                                                << "Can not parse record: host.example. 3600 IN A";
        QTest::newRow("ttl with a unit") << "host.example. 1h IN A 192.0.2.1"
                                         << "Can not parse record: host.example. 1h IN A 192.0.2.1";
        QTest::newRow("type word starting with a digit")
            << "host.example. 300 IN 1A x"
            << "Can not parse record: host.example. 300 IN 1A x";
        QTest::newRow("ttl beyond 64 bits")
            << "host.example. 18446744073709551616 IN A 192.0.2.1"
            << "Can not parse ttl in record: host.example. 18446744073709551616 IN A 192.0.2.1";
        QTest::newRow("MX without preference")
            << "example. 300 IN MX mail.example."
            << "Can not parse preference in mx record content: mail.example.";
        QTest::newRow("MX preference beyond 64 bits")
            << "example. 300 IN MX 18446744073709551616 mail.example."
            << "Can not parse preference in mx record content: 18446744073709551616 mail.example.";
        QTest::newRow("SOA missing a timer") << "example. 300 IN SOA ns. host. 1 2 3 4"
                                             << "Can not parse soa record: ns. host. 1 2 3 4";
        QTest::newRow("SOA serial beyond 64 bits")
            << "example. 300 IN SOA ns. host. 18446744073709551616 2 3 4 5"
            << "Can not parse serial in soa record content: ns. host. 18446744073709551616 2 3 4 5";
        QTest::newRow("SOA refresh beyond 64 bits")
            << "example. 300 IN SOA ns. host. 1 18446744073709551616 3 4 5"
            << "Can not parse refresh in soa record content: ns. host. 1 18446744073709551616 3 4 "
               "5";
        QTest::newRow("SOA retry beyond 64 bits")
            << "example. 300 IN SOA ns. host. 1 2 18446744073709551616 4 5"
            << "Can not parse retry in soa record content: ns. host. 1 2 18446744073709551616 4 5";
        QTest::newRow("SOA expire beyond 64 bits")
            << "example. 300 IN SOA ns. host. 1 2 3 18446744073709551616 5"
            << "Can not parse expire in soa record content: ns. host. 1 2 3 18446744073709551616 5";
        QTest::newRow("SOA minimum beyond 64 bits")
            << "example. 300 IN SOA ns. host. 1 2 3 4 18446744073709551616"
            << "Can not parse minimum in soa record content: ns. host. 1 2 3 4 "
               "18446744073709551616";
        QTest::newRow("SOA serial is reported before a later bad timer")
            << "example. 300 IN SOA ns. host. 18446744073709551616 2 3 4 18446744073709551616"
            << "Can not parse serial in soa record content: ns. host. 18446744073709551616 2 3 4 "
               "18446744073709551616";
        QTest::newRow("SRV owner with fewer than two dots")
            << "example. 300 IN SRV 0 0 1 t.example."
            << "Can not parse service, proto and name in srv record name: example.";
        QTest::newRow("SRV owner is reported before bad content")
            << "example. 300 IN SRV x"
            << "Can not parse service, proto and name in srv record name: example.";
        QTest::newRow("SRV content without target") << "_a._tcp.example. 300 IN SRV 0 0 1"
                                                    << "Can not parse srv record content: 0 0 1";
        QTest::newRow("SRV priority above 65535")
            << "_a._tcp.example. 300 IN SRV 65536 0 1 t."
            << "Can not parse priority in srv record content: 65536 0 1 t.";
        QTest::newRow("SRV weight above 65535")
            << "_a._tcp.example. 300 IN SRV 0 65536 1 t."
            << "Can not parse weight in srv record content: 0 65536 1 t.";
        QTest::newRow("SRV port above 65535")
            << "_a._tcp.example. 300 IN SRV 0 0 70000 t."
            << "Can not parse port in srv record content: 0 0 70000 t.";
    }

    void failure()
    {
        QFETCH(QString, line);
        QFETCH(QString, message);

        QCOMPARE(parseFailure(line), message);
    }

    void failure_carriesOneMessage()
    {
        try {
            parseRecordLine(QStringLiteral("_a._tcp.example. 300 IN SRV 65536 0 1 t."));
            QFAIL("no exception");
        } catch (const ErrorStackException &exception) {
            QCOMPARE(exception.messages().size(), 1);
        }
    }
};

TAMZOR_TEST_MAIN(TestRecordParser)
#include "tst_recordparser.moc"
