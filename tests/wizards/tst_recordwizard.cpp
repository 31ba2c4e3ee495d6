#include "records/recordparser.h"
#include "tests/dialogs/formdriver.h"
#include "tests/support/testmain.h"
#include "tests/support/zonefixture.h"
#include "wizards/recordwizard.h"

#include <memory>
#include <typeinfo>

using namespace FormDriver;

namespace {
const QByteArray zoneText = "$TTL 600\n"
                            "@ 3600 IN SOA ns1 hostmaster 1 3600 900 1209600 3600\n"
                            "@ 3600 IN NS ns1\n"
                            "ns1 IN A 192.0.2.53\n";

// Shows the wizard and goes from the type page to the form of the type.
QWidget *openForm(RecordWizard &wizard, const QString &type)
{
    wizard.show();
    fill(&wizard, "comboBoxType=" + type);
    pressForward(wizard);
    return wizard.currentPage();
}
} // namespace

class TestRecordWizard : public QObject
{
    Q_OBJECT

private:
    std::unique_ptr<ZoneFixture> shop;

private slots:
    void initTestCase() { shop = std::make_unique<ZoneFixture>("shop.test", zoneText); }

    // A zone has its one SOA record from its start.
    void typePage_namesTheZone_offersEveryTypeButSOA()
    {
        RecordWizard wizard(shop->zone);
        wizard.show();
        const auto *types = qobject_cast<QComboBox *>(editor(&wizard, "comboBoxType"));
        QStringList offered;
        for (int index = 0; index < types->count(); ++index)
            offered.append(types->itemText(index));
        QCOMPARE(offered.join(' '), "A PTR CNAME NS SRV MX AAAA TXT Custom");
        QCOMPARE(wizard.currentPage()->title(), "New record in zone shop.test");
    }

    // Each type leads to its form, which makes a record of its class, in the zone, with the
    // zone's TTL; a refusal keeps the form.
    void finish_eachType_recordOfThatClassOrMessage_data()
    {
        QTest::addColumn<QString>("type");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("message");
        QTest::addColumn<QString>("line");
        const auto row = [](const char *type, const QString &typed, const QString &line) {
            QTest::newRow(type) << QString(type) << typed << QString() << line;
        };
        row("A", "lineEditName=www|lineEditAddress=192.0.2.10",
            "www.shop.test. 600 IN A 192.0.2.10");
        row("PTR", "lineEditAddress=host|lineEditPTRDName=ns1",
            "host.shop.test. 600 IN PTR ns1.shop.test.");
        row("CNAME", "lineEditName=ftp|lineEditCname=www",
            "ftp.shop.test. 600 IN CNAME www.shop.test.");
        row("NS", "lineEditName=sub|lineEditNSDName=ns.example.",
            "sub.shop.test. 600 IN NS ns.example.");
        row("SRV", "lineEditService=_sip|lineEditName=@|spinBoxPort=5060|lineEditTarget=ns1",
            "_sip._tcp.shop.test. 600 IN SRV 0 0 5060 ns1.shop.test.");
        row("MX", "lineEditName=@|spinBoxPreference=10|lineEditExchange=ns1",
            "shop.test. 600 IN MX 10 ns1.shop.test.");
        row("AAAA", "lineEditName=v6|lineEditAddress=2001:db8::1|spinBoxTTL=0",
            "v6.shop.test. 0 IN AAAA 2001:db8::1");
        row("TXT", "lineEditName=@|lineEditText=v=spf1 mx -all",
            "shop.test. 600 IN TXT \"v=spf1 mx -all\"");
        row("Custom", "lineEditName=@|lineEditType=HINFO|lineEditContent=\"PC\" \"Linux\"",
            "shop.test. 600 IN HINFO \"PC\" \"Linux\"");
        QTest::newRow("refused: A without an address")
            << "A"
            << "lineEditName=www"
            << " is not a valid IPv4 address" << QString();
    }

    void finish_eachType_recordOfThatClassOrMessage()
    {
        QFETCH(QString, type);
        QFETCH(QString, typed);
        QFETCH(QString, message);
        QFETCH(QString, line);
        RecordWizard wizard(shop->zone);
        QWidget *form = openForm(wizard, type);
        fill(form, typed);

        QCOMPARE(pressForward(wizard), refused(message));

        QCOMPARE(wizard.isVisible(), !message.isEmpty());
        QCOMPARE(wizard.currentPage(), form);
        if (!message.isEmpty())
            return;
        const PRecord record = wizard.record();
        QCOMPARE(record->toString(), line);
        QCOMPARE(record->zone(), shop->zone.data());
        QCOMPARE(typeid(*record.data()).name(), typeid(*parseRecordLine(line).data()).name());
    }

    // The change is made at Finish: refused, its message shows over the wizard, which stays
    // with the input; made, the wizard closes.
    void finish_change_refusedKeepsTheWizardOpen()
    {
        RecordWizard wizard(shop->zone);
        QStringList made;
        bool refuse = true;
        wizard.setChange("Can't save zone records", [&] {
            if (refuse)
                throw ErrorStackException(
                    "Zone contains errors: shop.test:5: CNAME and other data");
            made.append(wizard.record()->toString());
        });
        fill(openForm(wizard, "CNAME"), "lineEditName=ns1|lineEditCname=www");

        QCOMPARE(pressForward(wizard),
                 QStringList("critical Can't save zone records: Zone contains errors: "
                             "shop.test:5: CNAME and other data"));
        QVERIFY(wizard.isVisible());
        QCOMPARE(shown(wizard.currentPage(), "lineEditName"), "ns1");

        refuse = false;
        fill(wizard.currentPage(), "lineEditName=ftp");
        QCOMPARE(pressForward(wizard), QStringList());
        QVERIFY(!wizard.isVisible());
        QCOMPARE(made, QStringList("ftp.shop.test. 600 IN CNAME www.shop.test."));
    }
};

TAMZOR_TEST_MAIN(TestRecordWizard)
#include "tst_recordwizard.moc"
