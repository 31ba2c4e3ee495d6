#include "config/zone.h"
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

#include <memory>
#include <typeinfo>

using RecordFactory = Record *(*)();
Q_DECLARE_METATYPE(RecordFactory)

namespace {

template <class T> Record *make()
{
    return new T;
}

QString notFullyQualified(const QString &name)
{
    return QStringLiteral("Domain name is not fully qualified.\nA fully qualified domain name "
                          "consists of a list of domain labels representing the hierarchy from "
                          "the lowest relevant level in the DNS to the top-level domain. The DNS "
                          "root is unnamed, expressed as the empty label terminated by the "
                          "dot.\nDomain name ") +
           name + QStringLiteral(" doesn't ends with \".\".");
}

const QString emptyName = QStringLiteral("Domain name should not be empty");
const QString ownerEmpty = QStringLiteral("Domain name is invalid.\n") + emptyName;

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

    void validate_data()
    {
        QTest::addColumn<QString>("line");
        QTest::addColumn<QStringList>("messages");

        row("owner without final dot", "www.example 1 IN A 192.0.2.1",
            {"Domain name is invalid.\n" + notFullyQualified("www.example")});
        row("_label owner outside SRV", "_dmarc.example. 1 IN TXT \"v\"",
            {"Domain name is invalid.\nDomain label _dmarc is invalid"});
        row("SOA: retry equal to refresh", "example. 1 IN SOA n. h. 1 3600 3600 3600000 1",
            {"Retry must be less than Refresh"});
        row("SOA: expire = refresh + retry", "example. 1 IN SOA n. h. 1 3600 600 4200 1",
            {"Expire must be bigger than the sum of Refresh and Retry"});
        row("SOA: expire one more passes", "example. 1 IN SOA n. h. 1 3600 600 4201 1", {});
        row("SOA: mailbox with @", "example. 1 IN SOA n. admin@example.com. 1 3600 600 4201 1",
            {"Email address is not valid.\nDomain label admin@example is invalid"});
        row("MX: exchange not fully qualified", "example. 1 IN MX 10 mail",
            {"Mail server name is invalid.\n" + notFullyQualified("mail")});
        row("SRV: service without underscore", "sip._tcp.example. 1 IN SRV 0 0 1 t.example.",
            {"Service name should start with underscore"});
        row("SRV: double underscore", "__sip._tcp.example. 1 IN SRV 0 0 1 t.example.",
            {"Service name should not contain double underscore"});
        row("SRV: bad character", "_si*p._tcp.example. 1 IN SRV 0 0 1 t.example.",
            {"Service name is invalid"});
        row("SRV: protocol without underscore", "_sip.tcp.example. 1 IN SRV 0 0 1 t.example.",
            {"Proto name should start with underscore"});
        row("SRV: _label in the domain", "_ldap._tcp._msdcs.example. 1 IN SRV 0 0 1 t.example.",
            {"Domain name is invalid.\nDomain label _msdcs is invalid"});
        row("NS: name server without final dot", "example. 1 IN NS ns1.example",
            {"Name server name is invalid.\n" + notFullyQualified("ns1.example")});
        row("A: octet above 255", "www.example. 1 IN A 256.1.1.1",
            {"256.1.1.1 is not a valid IPv4 address"});
        row("AAAA: link-local with zone index", "www.example. 1 IN AAAA fe80::1%eth0", {});
        row("AAAA: not hexadecimal", "www.example. 1 IN AAAA 2001:db8::g",
            {"2001:db8::g is not a valid IPv6 address"});
        row("CNAME: relative canonical name", "ftp.example. 1 IN CNAME www",
            {"Canonical name is invalid.\n" + notFullyQualified("www")});
    }

    void validate()
    {
        QFETCH(QString, line);
        QFETCH(QStringList, messages);
        QCOMPARE(parseRecordLine(line)->validate(), messages);
    }

    // What a dialog left empty shows, in this order.
    void validateBlank_data()
    {
        QTest::addColumn<RecordFactory>("factory");
        QTest::addColumn<QStringList>("messages");

        QTest::newRow("SOA: all five checks in order")
            << +[]() -> Record * {
            auto *record = new SOARecord;
            record->setRefresh(10);
            record->setRetry(10);
            record->setExpire(20);
            return record;
        } << QStringList{ownerEmpty, "Name server name is not valid.\n" + emptyName,
                         "Email address is not valid.\n" + emptyName,
                         "Retry must be less than Refresh",
                         "Expire must be bigger than the sum of Refresh and Retry"};
        QTest::newRow("SRV")
            << &make<
                   SRVRecord> << QStringList{ownerEmpty, "Service name should not be empty", "Target name is not valid.\n" + emptyName};
        QTest::newRow("PTR words an empty owner as an address")
            << &make<PTRRecord> << QStringList{"Address is invalid.\n" + emptyName, ownerEmpty};
    }

    void validateBlank()
    {
        QFETCH(RecordFactory, factory);
        QFETCH(QStringList, messages);
        QCOMPARE(std::unique_ptr<Record>(factory())->validate(), messages);
    }

    void ptr_addressFromName_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("address");
        QTest::addColumn<bool>("isIPv4");

        QTest::newRow("IPv4 reverse name") << "4.3.2.1.in-addr.arpa."
                                           << "1.2.3.4" << true;
        QTest::newRow("IPv6 nibbles are no address text")
            << "1.0.0.0.0.0.0.0.0.0.0.0.0.0.0.0.0.0.0.0.0.0.0.0.8.b.d.0.1.0.0.2.ip6.arpa."
            << "2.0.0.1.0.d.b.8.0.0.0.0.0.0.0.0.0.0.0.0.0.0.0.0.0.0.0.0.0.0.0.1" << false;
        QTest::newRow("reverse network") << "168.192.in-addr.arpa."
                                         << "192.168" << false;
        QTest::newRow("forward name gives nothing") << "host.example."
                                                    << "" << false;
    }

    void ptr_addressFromName()
    {
        QFETCH(QString, name);
        QFETCH(QString, address);
        QFETCH(bool, isIPv4);
        PTRRecord record;
        record.setName(name);
        QCOMPARE(record.addressFromName(), address);
        QCOMPARE(record.isIPv4(), isIPv4);
    }
};

TAMZOR_TEST_MAIN(TestRecords)
#include "tst_records.moc"
