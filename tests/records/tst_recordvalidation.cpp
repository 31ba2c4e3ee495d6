#include "records/aaaarecord.h"
#include "records/arecord.h"
#include "records/cnamerecord.h"
#include "records/customrecord.h"
#include "records/mxrecord.h"
#include "records/nsrecord.h"
#include "records/ptrrecord.h"
#include "records/soarecord.h"
#include "records/srvrecord.h"
#include "records/txtrecord.h"
#include "tests/support/testmain.h"

#include <memory>

using RecordFactory = Record *(*)();
Q_DECLARE_METATYPE(RecordFactory)

namespace {

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

template <class T> T *named(const char *owner)
{
    auto *record = new T;
    record->setName(QString::fromUtf8(owner));
    return record;
}

SOARecord *soa(quint64 refresh, quint64 retry, quint64 expire)
{
    auto *record = named<SOARecord>("example.");
    record->setMname(QStringLiteral("ns.example."));
    record->setRname(QStringLiteral("hostmaster.example."));
    record->setRefresh(refresh);
    record->setRetry(retry);
    record->setExpire(expire);
    return record;
}

SRVRecord *srv(const char *service, const char *proto)
{
    auto *record = named<SRVRecord>("example.");
    record->setService(QString::fromUtf8(service));
    record->setProto(QString::fromUtf8(proto));
    record->setTarget(QStringLiteral("sip.example."));
    return record;
}

template <class T, class Setter>
Record *withValue(const char *owner, Setter setter, const char *value)
{
    T *record = named<T>(owner);
    (record->*setter)(QString::fromUtf8(value));
    return record;
}

} // namespace

class TestRecordValidation : public QObject
{
    Q_OBJECT

private slots:
    void validate_data()
    {
        QTest::addColumn<RecordFactory>("factory");
        QTest::addColumn<QStringList>("messages");

        QTest::newRow("owner without final dot") << +[]() -> Record * {
            return withValue<ARecord>("www.example", &ARecord::setAddress, "192.0.2.1");
        } << QStringList{"Domain name is invalid.\n" + notFullyQualified("www.example")};
        QTest::newRow("underscore owner is refused outside SRV") << +[]() -> Record * {
            return withValue<TXTRecord>("_dmarc.example.", &TXTRecord::setText, "\"v=DMARC1\"");
        } << QStringList{"Domain name is invalid.\nDomain label _dmarc is invalid"};

        QTest::newRow("SOA: defaults with names set pass")
            << +[]() -> Record * { return soa(86400, 7200, 3600000); } << QStringList();
        QTest::newRow("SOA: retry equal to refresh") << +[]() -> Record * {
            return soa(3600, 3600, 3600000);
        } << QStringList{"Retry must be less than Refresh"};
        QTest::newRow("SOA: expire equal to refresh plus retry") << +[]() -> Record * {
            return soa(3600, 600, 4200);
        } << QStringList{"Expire must be bigger than the sum of Refresh and Retry"};
        QTest::newRow("SOA: expire one second more passes")
            << +[]() -> Record * { return soa(3600, 600, 4201); } << QStringList();
        QTest::newRow("SOA: mailbox written with an at sign") << +[]() -> Record * {
            SOARecord *record = soa(86400, 7200, 3600000);
            record->setRname(QStringLiteral("admin@example.com."));
            return record;
        } << QStringList{"Email address is not valid.\nDomain label admin@example is invalid"};
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

        QTest::newRow("MX: exchange not fully qualified") << +[]() -> Record * {
            return withValue<MXRecord>("example.", &MXRecord::setExchange, "mail");
        } << QStringList{"Mail server name is invalid.\n" + notFullyQualified("mail")};
        QTest::newRow("MX: owner and exchange empty") << +[]() -> Record * {
            return new MXRecord;
        } << QStringList{ownerEmpty, "Mail server name is invalid.\n" + emptyName};

        QTest::newRow("SRV: valid")
            << +[]() -> Record * { return srv("_sip", "_tcp"); } << QStringList();
        QTest::newRow("SRV: default gives owner, service and target")
            << +[]() -> Record * { return new SRVRecord; }
                            << QStringList{ownerEmpty, "Service name should not be empty",
                                           "Target name is not valid.\n" + emptyName};
        QTest::newRow("SRV: service without underscore") << +[]() -> Record * {
            return srv("sip", "_tcp");
        } << QStringList{"Service name should start with underscore"};
        QTest::newRow("SRV: service with two leading underscores") << +[]() -> Record * {
            return srv("__sip", "_tcp");
        } << QStringList{"Service name should not contain double underscore"};
        QTest::newRow("SRV: service with a bad character") << +[]() -> Record * {
            return srv("_si*p", "_tcp");
        } << QStringList{"Service name is invalid"};
        QTest::newRow("SRV: protocol without underscore") << +[]() -> Record * {
            return srv("_sip", "tcp");
        } << QStringList{"Proto name should start with underscore"};
        QTest::newRow("SRV: underscore label in the domain part") << +[]() -> Record * {
            SRVRecord *record = srv("_ldap", "_tcp");
            record->setName(QStringLiteral("_msdcs.example."));
            return record;
        } << QStringList{"Domain name is invalid.\nDomain label _msdcs is invalid"};

        QTest::newRow("NS: name server without final dot") << +[]() -> Record * {
            return withValue<NSRecord>("example.", &NSRecord::setNsdName, "ns1.example");
        } << QStringList{"Name server name is invalid.\n" + notFullyQualified("ns1.example")};

        QTest::newRow("A: octet above 255") << +[]() -> Record * {
            return withValue<ARecord>("www.example.", &ARecord::setAddress, "256.1.1.1");
        } << QStringList{"256.1.1.1 is not a valid IPv4 address"};
        QTest::newRow("A: empty address leaves the leading space") << +[]() -> Record * {
            return named<ARecord>("www.example.");
        } << QStringList{" is not a valid IPv4 address"};

        QTest::newRow("AAAA: loopback") << +[]() -> Record * {
            return withValue<AAAARecord>("www.example.", &AAAARecord::setAddress, "::1");
        } << QStringList();
        QTest::newRow("AAAA: link-local with zone index") << +[]() -> Record * {
            return withValue<AAAARecord>("www.example.", &AAAARecord::setAddress, "fe80::1%eth0");
        } << QStringList();
        QTest::newRow("AAAA: dotted quad passes") << +[]() -> Record * {
            return withValue<AAAARecord>("www.example.", &AAAARecord::setAddress, "10.0.0.1");
        } << QStringList();
        QTest::newRow("AAAA: not hexadecimal") << +[]() -> Record * {
            return withValue<AAAARecord>("www.example.", &AAAARecord::setAddress, "2001:db8::g");
        } << QStringList{"2001:db8::g is not a valid IPv6 address"};

        QTest::newRow("CNAME: relative canonical name") << +[]() -> Record * {
            return withValue<CNAMERecord>("ftp.example.", &CNAMERecord::setCname, "www");
        } << QStringList{"Canonical name is invalid.\n" + notFullyQualified("www")};

        QTest::newRow("PTR: valid") << +[]() -> Record * {
            return withValue<PTRRecord>("1.2.0.192.in-addr.arpa.", &PTRRecord::setPtrdName,
                                        "host.example.");
        } << QStringList();
        QTest::newRow("PTR: empty owner is an invalid address, not an owner") << +[]() -> Record * {
            return new PTRRecord;
        } << QStringList{"Address is invalid.\n" + emptyName, ownerEmpty};

        QTest::newRow("TXT: any text passes") << +[]() -> Record * {
            return withValue<TXTRecord>("example.", &TXTRecord::setText, "");
        } << QStringList();
        QTest::newRow("custom: neither type word nor data is checked")
            << +[]() -> Record * { return named<CustomRecord>("example."); } << QStringList();
    }

    void validate()
    {
        QFETCH(RecordFactory, factory);
        QFETCH(QStringList, messages);

        const std::unique_ptr<Record> record(factory());

        QCOMPARE(record->validate(), messages);
    }
};

TAMZOR_TEST_MAIN(TestRecordValidation)
#include "tst_recordvalidation.moc"
