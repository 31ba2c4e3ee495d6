#include "common/validation.h"
#include "records/primaryserver.h"
#include "records/record.h"
#include "records/zone.h"
#include "tests/dialogs/formdriver.h"
#include "tests/support/testmain.h"
#include "wizards/zonewizard.h"

using namespace FormDriver;

namespace {
void flowRow(const char *name, const QString &main, const QStringList &pages,
             const QString &message, const QStringList &records = {})
{
    QTest::newRow(name) << main << pages << message << records;
}

// A master's records as zone file lines; a slave as its name, type and primaries.
QStringList linesOf(const Zone &zone)
{
    if (zone.isSecondary())
        return {absoluteName(zone.name(), ".") + ' ' + zone.type() + ' ' +
                PrimaryServer::line(zone.primaries())};
    QStringList lines;
    for (const PRecord &record : zone.records())
        lines.append(record->toString());
    return lines;
}
} // namespace

class TestZoneWizard : public QObject
{
    Q_OBJECT

private slots:
    // Each row fills the pages in turn, pressing Next after each but the last, or Back for a page
    // "<"; then the last press either finishes the zone or is refused on that page. An empty page
    // takes what it offers.
    void finish_pages_zoneWithItsRecordsOrFirstMessage_data()
    {
        // What the first page is given.
        QTest::addColumn<QString>("main");
        QTest::addColumn<QStringList>("pages");
        QTest::addColumn<QString>("message");
        QTest::addColumn<QStringList>("records");
        const QString name = QStringLiteral("lineEditName=example.com");
        const QString forward, reverse = "comboBoxLookupType=Reverse IPv4",
                               reverse6 = "comboBoxLookupType=Reverse IPv6",
                               slave = "comboBoxType=Slave";
        const QString network = QStringLiteral("kivoHostAddress=10.20.30.40");
        const QString network6 = QStringLiteral("lineEditPrefix=2001:db8:1::/48");
        const QString zone6 = "1.0.0.0.8.b.d.0.1.0.0.2.ip6.arpa.";
        const QString serial = QDate::currentDate().toString("yyyyMMdd") + "01";
        const QString soa = "lineEditMName=ns.example.com.|lineEditRName=hostmaster@example.com";
        // RFC 1912's and RFC 2308's ranges, and the serial of the day's first change.
        const QString timers = serial + " 3600 900 1209600 3600";

        flowRow(
            "forward zone: ns1 and hostmaster offered, the name server's address", forward,
            {name,
             "?lineEditMName=ns1|?lineEditRName=hostmaster@example.com|?spinBoxSerial=" + serial +
                 "|?spinBoxTTL=3600",
             "?lineEditNSDName=ns1", "?lineEditName=ns1|lineEditAddress=192.0.2.53"},
            {},
            {"example.com. 3600 IN SOA ns1.example.com. hostmaster.example.com. " + timers,
             "example.com. 3600 IN NS ns1.example.com.", "ns1.example.com. 3600 IN A 192.0.2.53"});
        // A configuration with views offers them, and the zone goes into the one chosen.
        flowRow("forward zone in a view", "comboBoxView=outside",
                {name, "lineEditMName=ns.example.net.", "", "lineEditAddress=192.0.2.1"}, {},
                {"example.com. 3600 IN SOA ns.example.net. hostmaster.example.com. " + timers,
                 "example.com. 3600 IN NS ns.example.net."});
        flowRow("forward zone whose name server lies outside it takes no address", forward,
                {name, "lineEditMName=ns.example.net.", "", "lineEditAddress=192.0.2.1"}, {},
                {"example.com. 3600 IN SOA ns.example.net. hostmaster.example.com. " + timers,
                 "example.com. 3600 IN NS ns.example.net."});
        flowRow(
            "reverse zone: SOA, NS and the pointer to the name server", reverse,
            {network + "|?lineEditName=30.20.10.in-addr.arpa.", soa, "",
             "?lineEditPTRDName=ns.example.com.|lineEditAddress=10.20.30.5"},
            {},
            {"30.20.10.in-addr.arpa. 3600 IN SOA ns.example.com. hostmaster.example.com. " + timers,
             "30.20.10.in-addr.arpa. 3600 IN NS ns.example.com.",
             "5.30.20.10.in-addr.arpa. 3600 IN PTR ns.example.com."});

        const QList<QPair<QString, QString>> networks = {
            {"192.168.1.77", "1.168.192.in-addr.arpa."},
            {"172.16", "16.172.in-addr.arpa."},
            {"10..30", "10.in-addr.arpa."}};
        for (const auto &[address, zone] : networks)
            flowRow(qPrintable("reverse zone named after network " + address), reverse,
                    {network + "|kivoHostAddress=" + address + "|?lineEditName=" + zone}, {});

        flowRow(
            "reverse IPv6 zone: the pointer starts at the network's address", reverse6,
            {network6 + "|?lineEditName=" + zone6, soa, "",
             "?lineEditPTRDName=ns.example.com.|?lineEditAddress=2001:db8:1::|"
             "lineEditAddress=2001:db8:1::53"},
            {},
            {zone6 + " 3600 IN SOA ns.example.com. hostmaster.example.com. " + timers,
             zone6 + " 3600 IN NS ns.example.com.",
             "3.5.0.0.0.0.0.0.0.0.0.0.0.0.0.0.0.0.0.0." + zone6 + " 3600 IN PTR ns.example.com."});
        flowRow("slave: its primaries, no records", slave,
                {name, "lineEditPrimaries=192.0.2.1; 2001:DB8::1 port 5353 key xfer-key"}, {},
                {"example.com. slave 192.0.2.1; 2001:db8::1 port 5353 key xfer-key"});
        flowRow("slave of an IPv6 network", slave + '|' + reverse6,
                {network6, "lineEditPrimaries=192.0.2.1"}, {}, {zone6 + " slave 192.0.2.1"});
        flowRow("slave with a key name that is none", slave,
                {name, "lineEditPrimaries=192.0.2.1 key a..b"},
                "The key name a..b is invalid: Domain name should not contain double dots");
        flowRow("IPv6 network between two hexadecimal digits", reverse6,
                {"lineEditPrefix=2001:db8::/33|?lineEditName="},
                "2001:db8::/33 needs a prefix length after a slash that is a multiple of 4 from 4 "
                "to 124, such as 2001:db8::/48: reverse zones are cut at whole hexadecimal digits");
        flowRow("back and forward keep the input, the NS page offers the SOA's server again",
                forward,
                {name, soa, "<", "?" + name, "?" + QString(soa).replace("|", "|?"),
                 "lineEditNSDName=other.example.net.", "<", "", "?lineEditNSDName=ns"},
                {});
        flowRow("no zone name", forward, {"lineEditName="}, "Domain name should not be empty");
        flowRow("reverse zone without network", reverse, {network + "|kivoHostAddress="},
                "Domain name should not be empty");
        flowRow("reverse zone: no name server offered", reverse, {network, ""},
                "Name server name is not valid.\nDomain name should not be empty");
        flowRow("NS name cleared", forward, {name, "", "lineEditNSDName="},
                "Name server name is invalid.\nDomain name should not be empty");
        flowRow("name server address incomplete", forward,
                {name, "", "", "lineEditAddress=192.0.2"}, "192.0.2 is not a valid IPv4 address");
        flowRow("pointer outside the zone", reverse,
                {network, soa, "", "lineEditAddress=10.20.31.5"},
                "5.31.20.10.in-addr.arpa. lies outside zone 30.20.10.in-addr.arpa., whose file "
                "named would not take it");
    }

    void finish_pages_zoneWithItsRecordsOrFirstMessage()
    {
        QFETCH(QString, main);
        QFETCH(QStringList, pages);
        QFETCH(QString, message);
        QFETCH(QStringList, records);
        ZoneWizard wizard;
        const QString view = main.section("comboBoxView=", 1);
        if (!view.isEmpty())
            wizard.setViews({"inside", "outside"});
        wizard.show();
        fill(wizard.currentPage(), main);
        pressForward(wizard);
        for (int i = 0; i < pages.size(); ++i) {
            if (pages.at(i) == "<")
                wizard.back();
            else
                fill(wizard.currentPage(), pages.at(i));
            if (pages.at(i) != "<" && i + 1 < pages.size() && pages.at(i + 1) != "<")
                QCOMPARE(pressForward(wizard), QStringList());
        }

        QCOMPARE(pressForward(wizard), refused(message));

        if (records.isEmpty())
            return;
        QCOMPARE(wizard.result(), int(QDialog::Accepted));
        const PZone zone = wizard.zone();
        QCOMPARE(linesOf(*zone), records);
        QCOMPARE(zone->view(), view);
        QCOMPARE(absoluteName(zone->name(), "."), records.first().section(' ', 0, 0));
    }
};

TAMZOR_TEST_MAIN(TestZoneWizard)
#include "tst_zonewizard.moc"
