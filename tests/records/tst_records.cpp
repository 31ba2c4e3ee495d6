#include "config/zone.h"
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
#include <typeinfo>

using RecordFactory = Record *(*)();
Q_DECLARE_METATYPE(RecordFactory)

namespace {

template <class T> Record *make()
{
    return new T;
}

// Every field of each class set away from its default, and the line it must write.
Record *filledSOA()
{
    auto *record = new SOARecord;
    record->setName(QStringLiteral("example."));
    record->setTtl(3600);
    record->setMname(QStringLiteral("ns.example."));
    record->setRname(QStringLiteral("hostmaster.example."));
    record->setSerial(2024010101);
    record->setRefresh(3600);
    record->setRetry(600);
    record->setExpire(1209600);
    record->setMinimum(300);
    return record;
}

Record *filledMX()
{
    auto *record = new MXRecord;
    record->setName(QStringLiteral("example."));
    record->setTtl(300);
    record->setPreference(10);
    record->setExchange(QStringLiteral("mail.example."));
    return record;
}

Record *filledSRV()
{
    auto *record = new SRVRecord;
    record->setService(QStringLiteral("_sip"));
    record->setProto(QStringLiteral("_udp"));
    record->setName(QStringLiteral("example."));
    record->setTtl(300);
    record->setPriority(1);
    record->setWeight(2);
    record->setPort(5060);
    record->setTarget(QStringLiteral("sip.example."));
    return record;
}

template <class T, class Setter>
Record *filledSimple(const char *name, quint64 ttl, const char *recordClass, Setter setter,
                     const char *value)
{
    auto *record = new T;
    record->setName(QString::fromUtf8(name));
    record->setTtl(ttl);
    record->setRecordClass(QString::fromUtf8(recordClass));
    (record->*setter)(QString::fromUtf8(value));
    return record;
}

Record *filledNS()
{
    return filledSimple<NSRecord>("example.", 300, "IN", &NSRecord::setNsdName, "ns1.example.");
}
Record *filledA()
{
    return filledSimple<ARecord>("www.example.", 300, "IN", &ARecord::setAddress, "192.0.2.1");
}
Record *filledAAAA()
{
    return filledSimple<AAAARecord>("www.example.", 0, "IN", &AAAARecord::setAddress,
                                    "2001:db8::1");
}
Record *filledCNAME()
{
    return filledSimple<CNAMERecord>("ftp.example.", 300, "IN", &CNAMERecord::setCname,
                                     "www.example.");
}
Record *filledPTR()
{
    return filledSimple<PTRRecord>("1.2.0.192.in-addr.arpa.", 300, "IN", &PTRRecord::setPtrdName,
                                   "host.example.");
}
Record *filledTXT()
{
    return filledSimple<TXTRecord>("example.", 300, "CH", &TXTRecord::setText,
                                   "\"v=spf1  -all\" \"a\\\"b\"");
}
Record *filledCustom()
{
    Record *record = filledSimple<CustomRecord>("example.", 300, "IN", &CustomRecord::setData,
                                                R"(0 issue "ca.example.net")");
    record->setType(QStringLiteral("CAA"));
    return record;
}

} // namespace

class TestRecords : public QObject
{
    Q_OBJECT

    // One row per class: a record with every field set, a default one and one of another class.
    void addCopyRows()
    {
        QTest::addColumn<RecordFactory>("filled");
        QTest::addColumn<RecordFactory>("blank");
        QTest::addColumn<RecordFactory>("otherClass");

        QTest::newRow("SOA") << &filledSOA << &make<SOARecord> << &make<NSRecord>;
        QTest::newRow("MX") << &filledMX << &make<MXRecord> << &make<SRVRecord>;
        QTest::newRow("SRV") << &filledSRV << &make<SRVRecord> << &make<MXRecord>;
        QTest::newRow("NS") << &filledNS << &make<NSRecord> << &make<CNAMERecord>;
        QTest::newRow("A") << &filledA << &make<ARecord> << &make<AAAARecord>;
        QTest::newRow("AAAA") << &filledAAAA << &make<AAAARecord> << &make<ARecord>;
        QTest::newRow("CNAME") << &filledCNAME << &make<CNAMERecord> << &make<PTRRecord>;
        QTest::newRow("PTR") << &filledPTR << &make<PTRRecord> << &make<CNAMERecord>;
        QTest::newRow("TXT") << &filledTXT << &make<TXTRecord> << &make<CustomRecord>;
        QTest::newRow("custom") << &filledCustom << &make<CustomRecord> << &make<TXTRecord>;
    }

private slots:
    void defaults_data()
    {
        QTest::addColumn<RecordFactory>("factory");
        QTest::addColumn<QString>("type");
        QTest::addColumn<QString>("firstMessage");

        const QString owner =
            QStringLiteral("Domain name is invalid.\nDomain name should not be empty");
        QTest::newRow("SOA") << &make<SOARecord> << "SOA" << owner;
        QTest::newRow("MX") << &make<MXRecord> << "MX" << owner;
        QTest::newRow("SRV") << &make<SRVRecord> << "SRV" << owner;
        QTest::newRow("NS") << &make<NSRecord> << "NS" << owner;
        QTest::newRow("A") << &make<ARecord> << "A" << owner;
        QTest::newRow("AAAA") << &make<AAAARecord> << "AAAA" << owner;
        QTest::newRow("CNAME") << &make<CNAMERecord> << "CNAME" << owner;
        QTest::newRow("PTR words its owner as an address")
            << &make<PTRRecord> << "PTR"
            << QStringLiteral("Address is invalid.\nDomain name should not be empty");
        QTest::newRow("TXT") << &make<TXTRecord> << "TXT" << owner;
        QTest::newRow("custom has no type word") << &make<CustomRecord> << "" << owner;
    }

    void defaults()
    {
        QFETCH(RecordFactory, factory);
        QFETCH(QString, type);
        QFETCH(QString, firstMessage);

        const std::unique_ptr<Record> record(factory());

        QCOMPARE(record->ttl(), quint64(86400));
        QCOMPARE(record->recordClass(), QStringLiteral("IN"));
        QCOMPARE(record->type(), type);
        QCOMPARE(record->name(), QString());
        QVERIFY(!record->zone());
        const QStringList messages = record->validate();
        QVERIFY(!messages.isEmpty());
        QCOMPARE(messages.first(), firstMessage);
    }

    void textForms_data()
    {
        QTest::addColumn<RecordFactory>("factory");
        QTest::addColumn<QString>("fullName");
        QTest::addColumn<QString>("content");
        QTest::addColumn<QString>("line");

        QTest::newRow("SOA") << &filledSOA << "example."
                             << "ns.example. hostmaster.example. 2024010101 3600 600 1209600 300"
                             << "example. 3600 IN SOA ns.example. hostmaster.example. 2024010101 "
                                "3600 600 1209600 300";
        QTest::newRow("MX") << &filledMX << "example."
                            << "10 mail.example."
                            << "example. 300 IN MX 10 mail.example.";
        QTest::newRow("SRV owner joins service, protocol and domain")
            << &filledSRV << "_sip._udp.example."
            << "1 2 5060 sip.example."
            << "_sip._udp.example. 300 IN SRV 1 2 5060 sip.example.";
        QTest::newRow("NS") << &filledNS << "example."
                            << "ns1.example."
                            << "example. 300 IN NS ns1.example.";
        QTest::newRow("A") << &filledA << "www.example."
                           << "192.0.2.1"
                           << "www.example. 300 IN A 192.0.2.1";
        QTest::newRow("AAAA with ttl 0") << &filledAAAA << "www.example."
                                         << "2001:db8::1"
                                         << "www.example. 0 IN AAAA 2001:db8::1";
        QTest::newRow("CNAME") << &filledCNAME << "ftp.example."
                               << "www.example."
                               << "ftp.example. 300 IN CNAME www.example.";
        QTest::newRow("PTR") << &filledPTR << "1.2.0.192.in-addr.arpa."
                             << "host.example."
                             << "1.2.0.192.in-addr.arpa. 300 IN PTR host.example.";
        QTest::newRow("TXT in another class keeps quotes and inner spaces")
            << &filledTXT << "example."
            << "\"v=spf1  -all\" \"a\\\"b\""
            << "example. 300 CH TXT \"v=spf1  -all\" \"a\\\"b\"";
        QTest::newRow("custom") << &filledCustom << "example."
                                << R"(0 issue "ca.example.net")"
                                << R"(example. 300 IN CAA 0 issue "ca.example.net")";
        QTest::newRow("default NS begins and ends with a space") << &make<NSRecord> << ""
                                                                 << ""
                                                                 << " 86400 IN NS ";
        QTest::newRow("default SRV keeps its protocol and port")
            << &make<SRVRecord> << "._tcp."
            << "0 0 65535 "
            << "._tcp. 86400 IN SRV 0 0 65535 ";
        QTest::newRow("default MX writes preference 0") << &make<MXRecord> << ""
                                                        << "0 "
                                                        << " 86400 IN MX 0 ";
        QTest::newRow("default custom has two spaces after the class") << &make<CustomRecord> << ""
                                                                       << ""
                                                                       << " 86400 IN  ";
    }

    void textForms()
    {
        QFETCH(RecordFactory, factory);
        QFETCH(QString, fullName);
        QFETCH(QString, content);
        QFETCH(QString, line);

        const std::unique_ptr<Record> record(factory());

        QCOMPARE(record->fullName(), fullName);
        QCOMPARE(record->content(), content);
        QCOMPARE(record->toString(), line);
    }

    void defaultSOA_content_timersInOrder()
    {
        SOARecord record;
        record.setMname(QStringLiteral("ns.example."));
        record.setRname(QStringLiteral("hostmaster.example."));

        QCOMPARE(record.content(),
                 QStringLiteral("ns.example. hostmaster.example. 1 86400 7200 3600000 172800"));
    }

    void clone_sameClassEqualFields_independentOfSource_data() { addCopyRows(); }
    void assign_sameClass_copiesEveryField_data() { addCopyRows(); }
    void assign_otherClass_throwsBadCast_targetUnchanged_data() { addCopyRows(); }

    void clone_sameClassEqualFields_independentOfSource()
    {
        QFETCH(RecordFactory, filled);

        const std::unique_ptr<Record> source(filled());
        Zone zone;
        source->setZone(&zone);
        const QString line = source->toString();

        const std::unique_ptr<Record> clone(source->clone());
        QVERIFY(typeid(*clone) == typeid(*source));
        QCOMPARE(clone->toString(), line);
        QCOMPARE(clone->type(), source->type());
        QCOMPARE(clone->zone(), &zone);

        clone->setName(QStringLiteral("changed.example."));
        clone->setTtl(1);
        QCOMPARE(source->toString(), line);
    }

    void assign_sameClass_copiesEveryField()
    {
        QFETCH(RecordFactory, filled);
        QFETCH(RecordFactory, blank);

        const std::unique_ptr<Record> source(filled());
        Zone zone;
        source->setZone(&zone);
        source->setType(QStringLiteral("TYPEWORD"));
        const std::unique_ptr<Record> target(blank());

        Record &result = target->assign(*source);

        QCOMPARE(&result, target.get());
        QCOMPARE(target->toString(), source->toString());
        QCOMPARE(target->type(), QStringLiteral("TYPEWORD"));
        QCOMPARE(target->zone(), &zone);
    }

    void assign_otherClass_throwsBadCast_targetUnchanged()
    {
        QFETCH(RecordFactory, filled);
        QFETCH(RecordFactory, otherClass);

        const std::unique_ptr<Record> target(filled());
        const QString line = target->toString();
        const std::unique_ptr<Record> other(otherClass());
        other->setName(QStringLiteral("other.example."));

        QVERIFY_EXCEPTION_THROWN(target->assign(*other), std::bad_cast);
        QCOMPARE(target->toString(), line);
    }

    void moveAssignment_takesEveryField()
    {
        std::unique_ptr<Record> filled(filledSOA());
        SOARecord fresh = dynamic_cast<SOARecord &>(*filled);
        Zone zone;
        fresh.setZone(&zone);
        SOARecord edited;

        edited = std::move(fresh);

        QCOMPARE(edited.toString(),
                 QStringLiteral("example. 3600 IN SOA ns.example. hostmaster.example. 2024010101 "
                                "3600 600 1209600 300"));
        QCOMPARE(edited.zone(), &zone);
    }

    void moveAssignment_srv_takesSixteenBitFields()
    {
        std::unique_ptr<Record> filled(filledSRV());
        SRVRecord fresh = dynamic_cast<SRVRecord &>(*filled);
        SRVRecord edited;

        edited = std::move(fresh);

        QCOMPARE(edited.toString(),
                 QStringLiteral("_sip._udp.example. 300 IN SRV 1 2 5060 sip.example."));
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
