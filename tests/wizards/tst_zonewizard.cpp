#include "common/validation.h"
#include "records/record.h"
#include "records/zone.h"
#include "tests/dialogs/formdriver.h"
#include "tests/support/testmain.h"
#include "wizards/zonewizard.h"

using namespace FormDriver;

namespace {
void start(ZoneWizard &wizard, bool reverse)
{
    wizard.show();
    qobject_cast<QComboBox *>(editor(&wizard, QStringLiteral("comboBoxLookupType")))
        ->setCurrentIndex(reverse ? 1 : 0);
    pressForward(wizard);
}

void flowRow(const char *name, bool reverse, const QStringList &pages, const QString &message,
             const QStringList &records = {})
{
    QTest::newRow(name) << reverse << pages << message << records;
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
        QTest::addColumn<bool>("reverse");
        QTest::addColumn<QStringList>("pages");
        QTest::addColumn<QString>("message");
        QTest::addColumn<QStringList>("records");
        const QString name = QStringLiteral("lineEditName=example.com");
        const QString network = QStringLiteral("kivoHostAddress=10.20.30.40");
        const QString serial = QDate::currentDate().toString("yyyyMMdd") + "01";
        const QString soa = "lineEditMName=ns.example.com.|lineEditRName=hostmaster@example.com";
        // RFC 1912's and RFC 2308's ranges, and the serial of the day's first change.
        const QString timers = serial + " 3600 900 1209600 3600";

        flowRow(
            "forward zone: ns1 and hostmaster offered, the name server's address", false,
            {name,
             "?lineEditMName=ns1|?lineEditRName=hostmaster@example.com|?spinBoxSerial=" + serial +
                 "|?spinBoxTTL=3600",
             "?lineEditNSDName=ns1", "?lineEditName=ns1|lineEditAddress=192.0.2.53"},
            {},
            {"example.com. 3600 IN SOA ns1.example.com. hostmaster.example.com. " + timers,
             "example.com. 3600 IN NS ns1.example.com.", "ns1.example.com. 3600 IN A 192.0.2.53"});
        flowRow("forward zone whose name server lies outside it takes no address", false,
                {name, "lineEditMName=ns.example.net.", "", "lineEditAddress=192.0.2.1"}, {},
                {"example.com. 3600 IN SOA ns.example.net. hostmaster.example.com. " + timers,
                 "example.com. 3600 IN NS ns.example.net."});
        flowRow(
            "reverse zone: SOA, NS and the pointer to the name server", true,
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
            flowRow(qPrintable("reverse zone named after network " + address), true,
                    {network + "|kivoHostAddress=" + address + "|?lineEditName=" + zone}, {});

        flowRow("back and forward keep the input, the NS page offers the SOA's server again", false,
                {name, soa, "<", "?" + name, "?" + QString(soa).replace("|", "|?"),
                 "lineEditNSDName=other.example.net.", "<", "", "?lineEditNSDName=ns"},
                {});
        flowRow("no zone name", false, {"lineEditName="}, "Domain name should not be empty");
        flowRow("reverse zone without network", true, {network + "|kivoHostAddress="},
                "Domain name should not be empty");
        flowRow("reverse zone: no name server offered", true, {network, ""},
                "Name server name is not valid.\nDomain name should not be empty");
        flowRow("NS name cleared", false, {name, "", "lineEditNSDName="},
                "Name server name is invalid.\nDomain name should not be empty");
        flowRow("name server address incomplete", false, {name, "", "", "lineEditAddress=192.0.2"},
                "192.0.2 is not a valid IPv4 address");
        flowRow("pointer outside the zone", true, {network, soa, "", "lineEditAddress=10.20.31.5"},
                "5.31.20.10.in-addr.arpa. lies outside zone 30.20.10.in-addr.arpa., whose file "
                "named would not take it");
    }

    void finish_pages_zoneWithItsRecordsOrFirstMessage()
    {
        QFETCH(bool, reverse);
        QFETCH(QStringList, pages);
        QFETCH(QString, message);
        QFETCH(QStringList, records);
        ZoneWizard wizard;
        start(wizard, reverse);
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
        QStringList lines;
        for (const PRecord &record : zone->records())
            lines.append(record->toString());
        QCOMPARE(lines, records);
        QCOMPARE(absoluteName(zone->name(), "."), records.first().section(' ', 0, 0));
    }
};

TAMZOR_TEST_MAIN(TestZoneWizard)
#include "tst_zonewizard.moc"
