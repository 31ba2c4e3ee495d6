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

void copyRow(const char *name, const char *line, RecordFactory blank, RecordFactory other)
{
    QTest::newRow(name) << QString::fromUtf8(line) << blank << other;
}

void lineRow(const char *name, const char *line, const QStringList &messages)
{
    QTest::newRow(name) << QString::fromUtf8(line) << messages;
}

} // namespace

class TestRecords : public QObject
{
    Q_OBJECT

private slots:
    void textForms_data()
    {
        QTest::addColumn<RecordFactory>("factory");
        QTest::addColumn<QString>("fullName");
        QTest::addColumn<QString>("line");

        QTest::newRow("NS: spaces at both ends") << &make<NSRecord> << ""
                                                 << " 86400 IN NS ";
        QTest::newRow("SRV: _tcp, port 65535") << &make<SRVRecord> << "._tcp."
                                               << "._tcp. 86400 IN SRV 0 0 65535 ";
        QTest::newRow("MX: preference 0") << &make<MXRecord> << ""
                                          << " 86400 IN MX 0 ";
        QTest::newRow("SOA: timers in order") << &make<SOARecord> << ""
                                              << " 86400 IN SOA   1 86400 7200 3600000 172800";
        QTest::newRow("custom: no type word") << &make<CustomRecord> << ""
                                              << " 86400 IN  ";
    }

    void textForms()
    {
        QFETCH(RecordFactory, factory);
        QFETCH(QString, fullName);
        QFETCH(QString, line);

        const std::unique_ptr<Record> record(factory());

        QCOMPARE(record->fullName(), fullName);
        QCOMPARE(record->toString(), line);
    }

    // Each class copies every field it has, and only from its own class.
    void cloneAndAssign_data()
    {
        QTest::addColumn<QString>("line");
        QTest::addColumn<RecordFactory>("blank");
        QTest::addColumn<RecordFactory>("otherClass");

        copyRow("SOA",
                "example. 3600 IN SOA ns.example. hostmaster.example. 2024010101 3600 600 "
                "1209600 300",
                &make<SOARecord>, &make<NSRecord>);
        copyRow("MX", "example. 300 IN MX 10 mail.example.", &make<MXRecord>, &make<SRVRecord>);
        copyRow("SRV", "_sip._udp.example. 300 IN SRV 1 2 5060 sip.example.", &make<SRVRecord>,
                &make<MXRecord>);
        copyRow("NS", "example. 300 IN NS ns1.example.", &make<NSRecord>, &make<CNAMERecord>);
        copyRow("A", "www.example. 300 IN A 192.0.2.1", &make<ARecord>, &make<AAAARecord>);
        copyRow("AAAA", "www.example. 0 IN AAAA 2001:db8::1", &make<AAAARecord>, &make<ARecord>);
        copyRow("CNAME", "ftp.example. 300 IN CNAME www.example.", &make<CNAMERecord>,
                &make<PTRRecord>);
        copyRow("PTR", "1.2.0.192.in-addr.arpa. 300 IN PTR host.example.", &make<PTRRecord>,
                &make<CNAMERecord>);
        copyRow("TXT", "example. 300 CH TXT \"v=spf1  -all\" \"a\\\"b\"", &make<TXTRecord>,
                &make<CustomRecord>);
        copyRow("custom", "example. 300 IN CAA 0 issue \"ca.example.net\"", &make<CustomRecord>,
                &make<TXTRecord>);
    }

    void cloneAndAssign()
    {
        QFETCH(QString, line);
        QFETCH(RecordFactory, blank);
        QFETCH(RecordFactory, otherClass);

        const PRecord source = parseRecordLine(line);
        Zone zone;
        source->setZone(&zone);

        const std::unique_ptr<Record> clone(source->clone());
        QVERIFY(typeid(*clone) == typeid(*source));
        QCOMPARE(clone->toString(), line);
        QCOMPARE(clone->zone(), &zone);
        clone->setName(QStringLiteral("changed.example."));
        QCOMPARE(source->toString(), line);

        const std::unique_ptr<Record> target(blank());
        QCOMPARE(&target->assign(*source), target.get());
        QCOMPARE(target->toString(), line);
        QCOMPARE(target->zone(), &zone);

        const std::unique_ptr<Record> other(otherClass());
        QVERIFY_EXCEPTION_THROWN(target->assign(*other), std::bad_cast);
        QCOMPARE(target->toString(), line);
    }

    void validate_data()
    {
        QTest::addColumn<QString>("line");
        QTest::addColumn<QStringList>("messages");

        lineRow("owner without final dot", "www.example 1 IN A 192.0.2.1",
                {"Domain name is invalid.\n" + notFullyQualified("www.example")});
        lineRow("_label owner outside SRV", "_dmarc.example. 1 IN TXT \"v\"",
                {"Domain name is invalid.\nDomain label _dmarc is invalid"});
        lineRow("SOA: retry equal to refresh", "example. 1 IN SOA n. h. 1 3600 3600 3600000 1",
                {"Retry must be less than Refresh"});
        lineRow("SOA: expire = refresh + retry", "example. 1 IN SOA n. h. 1 3600 600 4200 1",
                {"Expire must be bigger than the sum of Refresh and Retry"});
        lineRow("SOA: expire one more passes", "example. 1 IN SOA n. h. 1 3600 600 4201 1", {});
        lineRow("SOA: mailbox with @", "example. 1 IN SOA n. admin@example.com. 1 3600 600 4201 1",
                {"Email address is not valid.\nDomain label admin@example is invalid"});
        lineRow("MX: exchange not fully qualified", "example. 1 IN MX 10 mail",
                {"Mail server name is invalid.\n" + notFullyQualified("mail")});
        lineRow("SRV: valid", "_sip._tcp.example. 1 IN SRV 0 0 1 sip.example.", {});
        lineRow("SRV: service without underscore", "sip._tcp.example. 1 IN SRV 0 0 1 t.example.",
                {"Service name should start with underscore"});
        lineRow("SRV: double underscore", "__sip._tcp.example. 1 IN SRV 0 0 1 t.example.",
                {"Service name should not contain double underscore"});
        lineRow("SRV: bad character", "_si*p._tcp.example. 1 IN SRV 0 0 1 t.example.",
                {"Service name is invalid"});
        lineRow("SRV: protocol without underscore", "_sip.tcp.example. 1 IN SRV 0 0 1 t.example.",
                {"Proto name should start with underscore"});
        lineRow("SRV: _label in the domain", "_ldap._tcp._msdcs.example. 1 IN SRV 0 0 1 t.example.",
                {"Domain name is invalid.\nDomain label _msdcs is invalid"});
        lineRow("NS: name server without final dot", "example. 1 IN NS ns1.example",
                {"Name server name is invalid.\n" + notFullyQualified("ns1.example")});
        lineRow("A: octet above 255", "www.example. 1 IN A 256.1.1.1",
                {"256.1.1.1 is not a valid IPv4 address"});
        lineRow("AAAA: link-local with zone index", "www.example. 1 IN AAAA fe80::1%eth0", {});
        lineRow("AAAA: not hexadecimal", "www.example. 1 IN AAAA 2001:db8::g",
                {"2001:db8::g is not a valid IPv6 address"});
        lineRow("CNAME: relative canonical name", "ftp.example. 1 IN CNAME www",
                {"Canonical name is invalid.\n" + notFullyQualified("www")});
        lineRow("PTR: valid", "1.2.0.192.in-addr.arpa. 1 IN PTR host.example.", {});
        lineRow("custom: data unchecked", "example. 1 IN CAA !!", {});
    }

    void validate()
    {
        QFETCH(QString, line);
        QFETCH(QStringList, messages);

        QCOMPARE(parseRecordLine(line)->validate(), messages);
    }

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
        QTest::newRow("MX")
            << &make<
                   MXRecord> << QStringList{ownerEmpty, "Mail server name is invalid.\n" + emptyName};
        QTest::newRow("SRV")
            << &make<
                   SRVRecord> << QStringList{ownerEmpty, "Service name should not be empty", "Target name is not valid.\n" + emptyName};
        QTest::newRow("A leaves the leading space")
            << &make<ARecord> << QStringList{ownerEmpty, " is not a valid IPv4 address"};
        QTest::newRow("PTR words an empty owner as an address")
            << &make<PTRRecord> << QStringList{"Address is invalid.\n" + emptyName, ownerEmpty};
        QTest::newRow("TXT") << &make<TXTRecord> << QStringList{ownerEmpty};
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
        QTest::newRow("reverse network is no whole address") << "168.192.in-addr.arpa."
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
