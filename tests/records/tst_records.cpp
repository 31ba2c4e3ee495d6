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

        row("_label owner outside SRV", "_dmarc.example. 1 IN TXT \"v\"",
            {"Domain name is invalid.\nDomain label _dmarc is invalid"});
        row("SOA: retry equal to refresh", "example. 1 IN SOA n. h. 1 3600 3600 3600000 1",
            {"Retry must be less than Refresh"});
        row("SOA: expire = refresh + retry", "example. 1 IN SOA n. h. 1 3600 600 4200 1",
            {"Expire must be bigger than the sum of Refresh and Retry"});
        row("SOA: expire one more passes", "example. 1 IN SOA n. h. 1 3600 600 4201 1", {});
        row("SRV: protocol without underscore", "_sip.tcp.example. 1 IN SRV 0 0 1 t.example.",
            {"Proto name should start with underscore"});
        row("SRV: _label in the domain", "_ldap._tcp._msdcs.example. 1 IN SRV 0 0 1 t.example.",
            {"Domain name is invalid.\nDomain label _msdcs is invalid"});
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
