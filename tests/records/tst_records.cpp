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
};

TAMZOR_TEST_MAIN(TestRecords)
#include "tst_records.moc"
