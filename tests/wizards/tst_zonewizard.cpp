#include "records/record.h"
#include "records/zone.h"
#include "tests/dialogs/formdriver.h"
#include "tests/support/testmain.h"
#include "wizards/zonewizard.h"

using namespace FormDriver;

namespace {
const QString soaData =
    QStringLiteral("lineEditMName=ns.example.com.|lineEditRName=hostmaster.example.com.");

void start(ZoneWizard &wizard, bool reverse)
{
    wizard.show();
    qobject_cast<QComboBox *>(editor(&wizard, QStringLiteral("comboBoxLookupType")))
        ->setCurrentIndex(reverse ? 1 : 0);
    pressForward(wizard);
}

// A new zone starts with the first date serial of the day.
QString firstSerialOfToday()
{
    return QDate::currentDate().toString(QStringLiteral("yyyyMMdd")) + QStringLiteral("01");
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
        const QString name = QStringLiteral("lineEditName=example.com.");
        const QString network = QStringLiteral("kivoHostAddress=10.20.30.40");

        flowRow(
            "forward zone: SOA, NS and the name server's address", false,
            {name, soaData + "|spinBoxSerial=4294967295", "?lineEditNSDName=ns.example.com.",
             "?lineEditName=ns.example.com.|kivoHostAddress=192.0.2.53"},
            {},
            {"example.com. 86400 IN SOA ns.example.com. hostmaster.example.com. 4294967295 86400 "
             "7200 3600000 172800",
             "example.com. 86400 IN NS ns.example.com.", "ns.example.com. 86400 IN A 192.0.2.53"});
        flowRow("reverse zone: SOA, NS and the pointer to the name server", true,
                {network + "|?lineEditName=30.20.10.in-addr.arpa.", soaData, "",
                 "?lineEditPTRDName=ns.example.com.|kivoHostAddress=10.20.30.5"},
                {},
                {"30.20.10.in-addr.arpa. 86400 IN SOA ns.example.com. hostmaster.example.com. " +
                     firstSerialOfToday() + " 86400 7200 3600000 172800",
                 "30.20.10.in-addr.arpa. 86400 IN NS ns.example.com.",
                 "5.30.20.10.in-addr.arpa. 86400 IN PTR ns.example.com."});
        flowRow("forward zone named under in-addr.arpa ends on the pointer page", false,
                {"lineEditName=2.0.192.in-addr.arpa.", soaData, "", "kivoHostAddress=192.0.2.1"},
                "",
                {"2.0.192.in-addr.arpa. 86400 IN SOA ns.example.com. hostmaster.example.com. " +
                     firstSerialOfToday() +
                     " 86400 "
                     "7200 3600000 172800",
                 "2.0.192.in-addr.arpa. 86400 IN NS ns.example.com.",
                 "1.2.0.192.in-addr.arpa. 86400 IN PTR ns.example.com."});

        const QList<QPair<QString, QString>> networks = {
            {"192.168.1.77", "1.168.192.in-addr.arpa."},
            {"172.16", "16.172.in-addr.arpa."},
            {"10..30", "10.in-addr.arpa."}};
        for (const auto &[address, zone] : networks)
            flowRow(qPrintable("reverse zone named after network " + address), true,
                    {network + "|kivoHostAddress=" + address + "|?lineEditName=" + zone}, {});

        flowRow("back and forward keep the input, the NS page offers the SOA's server again", false,
                {name, soaData, "<", "?" + name, "?" + QString(soaData).replace("|", "|?"),
                 "lineEditNSDName=other.example.net.", "<", "", "?lineEditNSDName=ns.example.com."},
                {});
        flowRow("zone name without final dot", false, {"lineEditName=example.com"},
                notQualified("example.com"));
        flowRow("reverse zone without network", true, {network + "|kivoHostAddress="},
                "Domain name should not be empty");
        flowRow("SOA without name server", false, {name, "lineEditRName=hostmaster.example.com."},
                "Name server name is not valid.\nDomain name should not be empty");
        flowRow("NS name cleared", false, {name, soaData, "lineEditNSDName="},
                "Name server name is invalid.\nDomain name should not be empty");
        flowRow("name server address incomplete", false,
                {name, soaData, "", "kivoHostAddress=192.0.2"}, " is not a valid IPv4 address");
        flowRow("pointer address incomplete", true,
                {network, soaData, "", "kivoHostAddress=10.20.30"}, "Address is not valid");
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
        QCOMPARE(zone->name(), records.first().section(' ', 0, 0));
    }
};

TAMZOR_TEST_MAIN(TestZoneWizard)
#include "tst_zonewizard.moc"
