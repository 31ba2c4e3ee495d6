#include "records/recordparser.h"
#include "tests/dialogs/formdriver.h"
#include "tests/support/testmain.h"
#include "wizards/recordwizard.h"

#include <typeinfo>

using namespace FormDriver;

namespace {
// Shows the wizard and goes from the type page to the form of the type at that index.
QWidget *openForm(RecordWizard &wizard, int typeIndex)
{
    wizard.show();
    qobject_cast<QComboBox *>(editor(&wizard, QStringLiteral("comboBoxType")))
        ->setCurrentIndex(typeIndex);
    pressForward(wizard);
    return wizard.currentPage();
}

void finishRow(const char *name, int typeIndex, const QString &typed, const QString &line)
{
    QTest::newRow(name) << typeIndex << typed << QString() << line;
}

void refusalRow(const char *name, int typeIndex, const QString &typed, const QString &message)
{
    QTest::addRow("refused: %s", name) << typeIndex << typed << message << QString();
}
} // namespace

class TestRecordWizard : public QObject
{
    Q_OBJECT

private slots:
    void finish_eachType_recordOfThatClassOrFirstMessage_data();
    void finish_eachType_recordOfThatClassOrFirstMessage();
    void finish_afterRefusedOwnerGetsDot_accepts();
    void back_sameTypeKeepsInputAnotherType_finishesWithOnlyThatType();
    void lineEdits_refuseCharactersOutsideTheirSet_data();
    void lineEdits_refuseCharactersOutsideTheirSet();
};

// The type index is the row of the type list: A, PTR, CNAME, NS, SRV, MX, AAAA, TXT, SOA, custom.
void TestRecordWizard::finish_eachType_recordOfThatClassOrFirstMessage_data()
{
    QTest::addColumn<int>("typeIndex");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("message");
    QTest::addColumn<QString>("line");
    const QString soa = "lineEditDomain=example.com.|lineEditMName=ns.example.com.|"
                        "lineEditRName=hostmaster.example.com.";
    const QString srv = "lineEditName=example.com.|lineEditTarget=server.example.com.|";

    finishRow("A", 0, "lineEditName=www.example.com.|kivoHostAddress=192.0.2.10|spinBoxTTL=3600",
              "www.example.com. 3600 IN A 192.0.2.10");
    finishRow("PTR named after the IPv4 address under in-addr.arpa", 1,
              "kivoHostAddress=192.168.1.10|lineEditPTRDName=host.example.com.",
              "10.1.168.192.in-addr.arpa. 86400 IN PTR host.example.com.");
    finishRow("CNAME", 2, "lineEditName=www.example.com.|lineEditCname=example.com.",
              "www.example.com. 86400 IN CNAME example.com.");
    finishRow("NS", 3, "lineEditName=example.com.|lineEditNSDName=ns1.example.com.",
              "example.com. 86400 IN NS ns1.example.com.");
    finishRow("SRV with a protocol typed into the list", 4,
              srv + "lineEditService=_sip|comboBoxProto=_tls|spinBoxPriority=10|"
                    "spinBoxWeight=65535|spinBoxPort=5061|spinBoxTTL=600",
              "_sip._tls.example.com. 600 IN SRV 10 65535 5061 server.example.com.");
    finishRow("SRV with the form's defaults", 4, srv + "lineEditService=_sip",
              "_sip._tcp.example.com. 86400 IN SRV 0 0 65535 server.example.com.");
    finishRow("MX", 5,
              "lineEditName=example.com.|spinBoxPreference=10|"
              "lineEditExchange=mail.example.com.",
              "example.com. 86400 IN MX 10 mail.example.com.");
    finishRow("AAAA", 6, "lineEditName=host.example.com.|lineEditAddress=2001:db8::1|spinBoxTTL=0",
              "host.example.com. 0 IN AAAA 2001:db8::1");
    finishRow("TXT keeps quotes and spaces", 7,
              "lineEditName=example.com.|lineEditText=\"v=spf1 mx -all\"",
              "example.com. 86400 IN TXT \"v=spf1 mx -all\"");
    finishRow("SOA named after the typed domain, with the form's defaults", 8, soa,
              "example.com. 86400 IN SOA ns.example.com. hostmaster.example.com. 1 86400 7200 "
              "3600000 172800");
    finishRow("SOA serial above the signed 32-bit range kept whole", 8,
              soa + "|spinBoxSerial=4294967295",
              "example.com. 86400 IN SOA ns.example.com. hostmaster.example.com. 4294967295 86400 "
              "7200 3600000 172800");
    finishRow("custom type and data", 9,
              "lineEditName=example.com.|lineEditType=HINFO|lineEditContent=\"PC\" \"Linux\"",
              "example.com. 86400 IN HINFO \"PC\" \"Linux\"");

    refusalRow("A without an address", 0, "lineEditName=example.com.",
               " is not a valid IPv4 address");
    refusalRow("PTR with an incomplete address", 1,
               "kivoHostAddress=192.168.1|lineEditPTRDName=host.example.com.",
               "Address is not valid");
    refusalRow("SRV service without underscore", 4, srv + "lineEditService=sip",
               "Service name should start with underscore");
    refusalRow("TXT owner label starting with a hyphen", 7,
               "lineEditName=-dmarc.example.com.|lineEditText=\"v=1\"",
               "Domain name is invalid.\nDomain label -dmarc is invalid");
    refusalRow("SOA with several faults shows the first only", 8,
               "lineEditDomain=example.com.|spinBoxRetry=86400",
               "Name server name is not valid.\nDomain name should not be empty");
    refusalRow("custom record without owner", 9, "lineEditType=HINFO|lineEditContent=\"PC\"",
               "Domain name is invalid.\nDomain name should not be empty");
}

void TestRecordWizard::finish_eachType_recordOfThatClassOrFirstMessage()
{
    QFETCH(int, typeIndex);
    QFETCH(QString, typed);
    QFETCH(QString, message);
    QFETCH(QString, line);
    RecordWizard wizard;
    fill(openForm(wizard, typeIndex), typed);
    QCOMPARE(wizard.currentId(), typeIndex + 1);

    QCOMPARE(pressForward(wizard), message.isEmpty() ? QStringList() : refused(message));

    if (!message.isEmpty()) {
        QVERIFY(wizard.isVisible());
        QCOMPARE(wizard.currentId(), typeIndex + 1);
        return;
    }
    QCOMPARE(wizard.result(), int(QDialog::Accepted));
    const PRecord record = wizard.record();
    const PRecord parsed = parseRecordLine(line);
    QCOMPARE(record->toString(), line);
    QCOMPARE(typeid(*record.data()).name(), typeid(*parsed.data()).name());
}

void TestRecordWizard::finish_afterRefusedOwnerGetsDot_accepts()
{
    RecordWizard wizard;
    QWidget *form = openForm(wizard, 5);
    fill(form, QStringLiteral("lineEditName=example.com|lineEditExchange=mail.example.com."));
    QCOMPARE(pressForward(wizard).size(), 1);

    fill(form, QStringLiteral("lineEditName=example.com."));

    QCOMPARE(pressForward(wizard), QStringList());
    QCOMPARE(wizard.result(), int(QDialog::Accepted));
    QCOMPARE(wizard.record()->toString(),
             QStringLiteral("example.com. 86400 IN MX 0 mail.example.com."));
}

void TestRecordWizard::back_sameTypeKeepsInputAnotherType_finishesWithOnlyThatType()
{
    RecordWizard wizard;
    fill(openForm(wizard, 5), "lineEditExchange=mail.example.com.|spinBoxPreference=20");
    wizard.back();
    fill(openForm(wizard, 5), "?lineEditExchange=mail.example.com.|?spinBoxPreference=20");
    wizard.back();
    QCOMPARE(wizard.currentId(), int(RecordWizard::TypePage));
    QVERIFY(!wizard.button(QWizard::BackButton)->isVisible());
    QVERIFY(!editor(&wizard, QStringLiteral("comboBoxClass"))->isEnabled());
    fill(wizard.currentPage(), QStringLiteral("?comboBoxClass=IN"));

    fill(openForm(wizard, 3), "lineEditName=example.com.|lineEditNSDName=ns.example.com.");

    QCOMPARE(pressForward(wizard), QStringList());
    QCOMPARE(wizard.record()->toString(),
             QStringLiteral("example.com. 86400 IN NS ns.example.com."));
}

// Host name fields keep only name characters; printable fields only printable ASCII.
void TestRecordWizard::lineEdits_refuseCharactersOutsideTheirSet_data()
{
    QTest::addColumn<int>("typeIndex");
    QTest::addColumn<QString>("typed");
    const QList<std::pair<int, const char *>> hostFields = {
        {0, "lineEditName"},   {1, "lineEditPTRDName"}, {2, "lineEditName"},  {2, "lineEditCname"},
        {3, "lineEditName"},   {3, "lineEditNSDName"},  {4, "lineEditName"},  {4, "lineEditTarget"},
        {5, "lineEditName"},   {5, "lineEditExchange"}, {6, "lineEditName"},  {7, "lineEditName"},
        {8, "lineEditDomain"}, {8, "lineEditMName"},    {8, "lineEditRName"}, {9, "lineEditName"}};
    for (const auto &[index, field] : hostFields)
        QTest::addRow("host name %d %s", index, field)
            << index << QString("%1=w w_w@example.com.|?%1=wwwexample.com.").arg(field);
    const QList<std::pair<int, const char *>> textFields = {
        {4, "lineEditService"}, {7, "lineEditText"}, {9, "lineEditType"}, {9, "lineEditContent"}};
    for (const auto &[index, field] : textFields)
        QTest::addRow("printable %d %s", index, field)
            << index << QString("%1=caf\u00e9 \"ok\"|?%1=caf \"ok\"").arg(field);
    QTest::newRow("SRV protocol printable") << 4 << "comboBoxProto=_t\u00e9ls|?comboBoxProto=_tls";
    QTest::newRow("AAAA address") << 6
                                  << "lineEditAddress=2001:db8::g1|?lineEditAddress=2001:db8::1";
}

void TestRecordWizard::lineEdits_refuseCharactersOutsideTheirSet()
{
    QFETCH(int, typeIndex);
    QFETCH(QString, typed);
    RecordWizard wizard;
    fill(openForm(wizard, typeIndex), typed);
}

TAMZOR_TEST_MAIN(TestRecordWizard)
#include "tst_recordwizard.moc"
