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
#include "wizards/recordwizard.h"
#include "wizardtesting.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QLineEdit>
#include <QSpinBox>
#include <QTest>

#include <memory>
#include <typeinfo>

using namespace WizardTesting;

namespace {
const QString validationFailed = QStringLiteral("Validation failed");

// Shows the wizard and goes from the type page to the form of the type at that index.
QWizardPage *openForm(RecordWizard &wizard, int typeIndex)
{
    wizard.show();
    wizard.findChild<QComboBox *>(QStringLiteral("comboBoxType"))->setCurrentIndex(typeIndex);
    pressForward(wizard);
    return wizard.currentPage();
}

// keyClicks takes only ASCII, and the printable fields must be shown refusing more than that.
void typeText(QWidget *widget, const QString &text)
{
    for (const QChar c : text)
        QTest::sendKeyEvent(QTest::Click, widget, Qt::Key_unknown, QString(c), Qt::NoModifier);
}

QList<ShownBox> pressFinish(RecordWizard &wizard)
{
    return answerMessageBoxes([&wizard] { wizard.button(QWizard::FinishButton)->click(); });
}
} // namespace

class TestRecordWizard : public QObject
{
    Q_OBJECT

private slots:
    void finish_eachType_yieldsThatRecordClassWithTypedFields_data();
    void finish_eachType_yieldsThatRecordClassWithTypedFields();
    void finish_invalidInput_staysOnFormWithFirstMessage_data();
    void finish_invalidInput_staysOnFormWithFirstMessage();
    void finish_afterRefusedOwnerGetsDot_accepts();
    void back_anotherType_finishesWithOnlyThatType();
    void back_sameTypeAgain_formKeepsInput();
    void srvForm_beforeInput_showsRecordDefaults();
    void typePage_class_fixedToIn();
    void lineEdits_refuseCharactersOutsideTheirSet_data();
    void lineEdits_refuseCharactersOutsideTheirSet();
};

void TestRecordWizard::finish_eachType_yieldsThatRecordClassWithTypedFields_data()
{
    QTest::addColumn<int>("typeIndex");
    QTest::addColumn<QVariantMap>("input");
    QTest::addColumn<QByteArray>("recordClass");
    QTest::addColumn<QString>("line");

    QTest::newRow("A") << 0
                       << QVariantMap{{"lineEditName", "www.example.com."},
                                      {"kivoHostAddress", "192.0.2.10"},
                                      {"spinBoxTTL", 3600}}
                       << QByteArray(typeid(ARecord).name())
                       << "www.example.com. 3600 IN A 192.0.2.10";
    QTest::newRow("PTR named after the IPv4 address under in-addr.arpa")
        << 1
        << QVariantMap{{"kivoHostAddress", "192.168.1.10"},
                       {"lineEditPTRDName", "host.example.com."}}
        << QByteArray(typeid(PTRRecord).name())
        << "10.1.168.192.in-addr.arpa. 86400 IN PTR host.example.com.";
    QTest::newRow("CNAME") << 2
                           << QVariantMap{{"lineEditName", "www.example.com."},
                                          {"lineEditCname", "example.com."}}
                           << QByteArray(typeid(CNAMERecord).name())
                           << "www.example.com. 86400 IN CNAME example.com.";
    QTest::newRow("NS") << 3
                        << QVariantMap{{"lineEditName", "example.com."},
                                       {"lineEditNSDName", "ns1.example.com."}}
                        << QByteArray(typeid(NSRecord).name())
                        << "example.com. 86400 IN NS ns1.example.com.";
    QTest::newRow("SRV with a protocol typed into the combo box")
        << 4
        << QVariantMap{{"lineEditService", "_sip"},
                       {"comboBoxProto", "_tls"},
                       {"lineEditName", "example.com."},
                       {"spinBoxPriority", 10},
                       {"spinBoxWeight", 65535},
                       {"spinBoxPort", 5061},
                       {"lineEditTarget", "server.example.com."},
                       {"spinBoxTTL", 600}}
        << QByteArray(typeid(SRVRecord).name())
        << "_sip._tls.example.com. 600 IN SRV 10 65535 5061 server.example.com.";
    QTest::newRow("MX") << 5
                        << QVariantMap{{"lineEditName", "example.com."},
                                       {"spinBoxPreference", 10},
                                       {"lineEditExchange", "mail.example.com."}}
                        << QByteArray(typeid(MXRecord).name())
                        << "example.com. 86400 IN MX 10 mail.example.com.";
    QTest::newRow("AAAA") << 6
                          << QVariantMap{{"lineEditName", "host.example.com."},
                                         {"lineEditAddress", "2001:db8::1"},
                                         {"spinBoxTTL", 0}}
                          << QByteArray(typeid(AAAARecord).name())
                          << "host.example.com. 0 IN AAAA 2001:db8::1";
    QTest::newRow("TXT keeps quotes and spaces")
        << 7
        << QVariantMap{{"lineEditName", "example.com."}, {"lineEditText", "\"v=spf1 mx -all\""}}
        << QByteArray(typeid(TXTRecord).name()) << "example.com. 86400 IN TXT \"v=spf1 mx -all\"";
    QTest::newRow("SOA named after the typed domain, with the defaults shown")
        << 8
        << QVariantMap{{"lineEditDomain", "example.com."},
                       {"lineEditMName", "ns.example.com."},
                       {"lineEditRName", "hostmaster.example.com."}}
        << QByteArray(typeid(SOARecord).name())
        << "example.com. 86400 IN SOA ns.example.com. hostmaster.example.com. 1 86400 7200 "
           "3600000 172800";
    QTest::newRow("SOA serial above the signed 32-bit range kept whole")
        << 8
        << QVariantMap{{"lineEditDomain", "example.com."},
                       {"lineEditMName", "ns.example.com."},
                       {"lineEditRName", "hostmaster.example.com."},
                       {"spinBoxSerial", 4294967295u}}
        << QByteArray(typeid(SOARecord).name())
        << "example.com. 86400 IN SOA ns.example.com. hostmaster.example.com. 4294967295 86400 "
           "7200 3600000 172800";
    QTest::newRow("custom type and data") << 9
                                          << QVariantMap{{"lineEditName", "example.com."},
                                                         {"lineEditType", "HINFO"},
                                                         {"lineEditContent", "\"PC\" \"Linux\""}}
                                          << QByteArray(typeid(CustomRecord).name())
                                          << "example.com. 86400 IN HINFO \"PC\" \"Linux\"";
}

void TestRecordWizard::finish_eachType_yieldsThatRecordClassWithTypedFields()
{
    QFETCH(int, typeIndex);
    QFETCH(QVariantMap, input);
    QFETCH(QByteArray, recordClass);
    QFETCH(QString, line);

    auto wizard = std::make_unique<RecordWizard>();
    FILL_FORM(openForm(*wizard, typeIndex), input);
    QCOMPARE(wizard->currentId(), typeIndex + 1);
    QCOMPARE(pressFinish(*wizard).size(), 0);
    QCOMPARE(wizard->result(), int(QDialog::Accepted));

    const PRecord record = wizard->record();
    wizard.reset();
    QVERIFY(record);
    QCOMPARE(QByteArray(typeid(*record).name()), recordClass);
    QCOMPARE(record->toString(), line);
}

void TestRecordWizard::finish_invalidInput_staysOnFormWithFirstMessage_data()
{
    QTest::addColumn<int>("typeIndex");
    QTest::addColumn<QVariantMap>("input");
    QTest::addColumn<QString>("message");

    QTest::newRow("owner without final dot")
        << 0 << QVariantMap{{"lineEditName", "www.example.com"}, {"kivoHostAddress", "192.0.2.1"}}
        << "Domain name is invalid.\n" + notFullyQualified("www.example.com");
    QTest::newRow("A without an address")
        << 0 << QVariantMap{{"lineEditName", "example.com."}} << " is not a valid IPv4 address";
    QTest::newRow("PTR with an incomplete address")
        << 1
        << QVariantMap{{"kivoHostAddress", "192.168.1"}, {"lineEditPTRDName", "host.example.com."}}
        << "Address is not valid";
    QTest::newRow("PTR pointing to a relative name")
        << 1 << QVariantMap{{"kivoHostAddress", "192.168.1.10"}, {"lineEditPTRDName", "host"}}
        << "Domain name is invalid.\n" + notFullyQualified("host");
    QTest::newRow("SRV service without underscore")
        << 4
        << QVariantMap{{"lineEditService", "sip"},
                       {"lineEditName", "example.com."},
                       {"lineEditTarget", "server.example.com."}}
        << "Service name should start with underscore";
    QTest::newRow("SRV protocol typed without underscore")
        << 4
        << QVariantMap{{"lineEditService", "_sip"},
                       {"comboBoxProto", "tcp"},
                       {"lineEditName", "example.com."},
                       {"lineEditTarget", "server.example.com."}}
        << "Proto name should start with underscore";
    QTest::newRow("TXT owner with an underscore label")
        << 7 << QVariantMap{{"lineEditName", "_dmarc.example.com."}, {"lineEditText", "\"v=1\""}}
        << "Domain name is invalid.\nDomain label _dmarc is invalid";
    QTest::newRow("SOA retry equal to refresh")
        << 8
        << QVariantMap{{"lineEditDomain", "example.com."},
                       {"lineEditMName", "ns.example.com."},
                       {"lineEditRName", "hostmaster.example.com."},
                       {"spinBoxRetry", 86400}}
        << "Retry must be less than Refresh";
    QTest::newRow("SOA with several faults shows the first only")
        << 8 << QVariantMap{{"lineEditDomain", "example.com."}, {"spinBoxRetry", 86400}}
        << "Name server name is not valid.\nDomain name should not be empty";
    QTest::newRow("custom record without owner")
        << 9 << QVariantMap{{"lineEditType", "HINFO"}, {"lineEditContent", "\"PC\" \"Linux\""}}
        << "Domain name is invalid.\nDomain name should not be empty";
}

void TestRecordWizard::finish_invalidInput_staysOnFormWithFirstMessage()
{
    QFETCH(int, typeIndex);
    QFETCH(QVariantMap, input);
    QFETCH(QString, message);

    RecordWizard wizard;
    FILL_FORM(openForm(wizard, typeIndex), input);
    const QList<ShownBox> boxes = pressFinish(wizard);

    QCOMPARE(boxes.size(), 1);
    QCOMPARE(boxes.first().icon, QMessageBox::Critical);
    QCOMPARE(boxes.first().title, validationFailed);
    QCOMPARE(boxes.first().text, message);
    QVERIFY(wizard.isVisible());
    QCOMPARE(wizard.currentId(), typeIndex + 1);
}

void TestRecordWizard::finish_afterRefusedOwnerGetsDot_accepts()
{
    RecordWizard wizard;
    QWizardPage *form = openForm(wizard, 5);
    FILL_FORM(form, (QVariantMap{{"lineEditName", "example.com"},
                                 {"lineEditExchange", "mail.example.com."}}));
    QCOMPARE(pressFinish(wizard).size(), 1);

    QTest::keyClick(form->findChild<QLineEdit *>(QStringLiteral("lineEditName")), Qt::Key_Period);
    QCOMPARE(pressFinish(wizard).size(), 0);
    QCOMPARE(wizard.result(), int(QDialog::Accepted));
    QCOMPARE(wizard.record()->toString(),
             QStringLiteral("example.com. 86400 IN MX 0 mail.example.com."));
}

void TestRecordWizard::back_anotherType_finishesWithOnlyThatType()
{
    RecordWizard wizard;
    FILL_FORM(openForm(wizard, 5), (QVariantMap{{"lineEditName", "mx.example.com."},
                                                {"lineEditExchange", "mail.example.com."}}));
    wizard.back();
    QCOMPARE(wizard.currentId(), int(RecordWizard::TypePage));
    QVERIFY(!wizard.button(QWizard::BackButton)->isVisible());

    FILL_FORM(openForm(wizard, 3), (QVariantMap{{"lineEditName", "example.com."},
                                                {"lineEditNSDName", "ns.example.com."}}));
    QCOMPARE(pressFinish(wizard).size(), 0);

    const PRecord record = wizard.record();
    QVERIFY(record.dynamicCast<NSRecord>());
    QCOMPARE(record->toString(), QStringLiteral("example.com. 86400 IN NS ns.example.com."));
}

void TestRecordWizard::back_sameTypeAgain_formKeepsInput()
{
    RecordWizard wizard;
    FILL_FORM(openForm(wizard, 5),
              (QVariantMap{{"lineEditExchange", "mail.example.com."}, {"spinBoxPreference", 20}}));
    wizard.back();
    QWizardPage *form = openForm(wizard, 5);

    QCOMPARE(form->findChild<QLineEdit *>(QStringLiteral("lineEditExchange"))->text(),
             QStringLiteral("mail.example.com."));
    QCOMPARE(form->findChild<QSpinBox *>(QStringLiteral("spinBoxPreference"))->value(), 20);
}

void TestRecordWizard::srvForm_beforeInput_showsRecordDefaults()
{
    RecordWizard wizard;
    QWizardPage *form = openForm(wizard, 4);
    const auto spinBox = [form](const char *name) {
        return form->findChild<QSpinBox *>(QLatin1String(name))->value();
    };

    QCOMPARE(spinBox("spinBoxPort"), 65535);
    QCOMPARE(spinBox("spinBoxPriority"), 0);
    QCOMPARE(spinBox("spinBoxWeight"), 0);
    QCOMPARE(spinBox("spinBoxTTL"), 86400);
    QCOMPARE(form->findChild<QComboBox *>(QStringLiteral("comboBoxProto"))->currentText(),
             QStringLiteral("_tcp"));
}

void TestRecordWizard::typePage_class_fixedToIn()
{
    RecordWizard wizard;
    wizard.show();
    auto *classBox = wizard.currentPage()->findChild<QComboBox *>(QStringLiteral("comboBoxClass"));

    QVERIFY(!classBox->isEnabled());
    QCOMPARE(classBox->currentText(), QStringLiteral("IN"));
}

void TestRecordWizard::lineEdits_refuseCharactersOutsideTheirSet_data()
{
    QTest::addColumn<int>("typeIndex");
    QTest::addColumn<QString>("field");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("shown");

    const QString hostTyped = QStringLiteral("w w_w@example.com.");
    const QString hostShown = QStringLiteral("wwwexample.com.");
    const QString textTyped = QStringLiteral("caf\u00e9 \"ok\"");
    const QString textShown = QStringLiteral("caf \"ok\"");
    const QList<std::pair<int, const char *>> hostFields = {
        {0, "lineEditName"},   {1, "lineEditPTRDName"}, {2, "lineEditName"},  {2, "lineEditCname"},
        {3, "lineEditName"},   {3, "lineEditNSDName"},  {4, "lineEditName"},  {4, "lineEditTarget"},
        {5, "lineEditName"},   {5, "lineEditExchange"}, {6, "lineEditName"},  {7, "lineEditName"},
        {8, "lineEditDomain"}, {8, "lineEditMName"},    {8, "lineEditRName"}, {9, "lineEditName"}};
    for (const auto &[index, field] : hostFields)
        QTest::addRow("host name %d %s", index, field) << index << field << hostTyped << hostShown;
    const QList<std::pair<int, const char *>> textFields = {
        {4, "lineEditService"}, {7, "lineEditText"}, {9, "lineEditType"}, {9, "lineEditContent"}};
    for (const auto &[index, field] : textFields)
        QTest::addRow("printable %d %s", index, field) << index << field << textTyped << textShown;
    QTest::newRow("SRV protocol printable") << 4 << "comboBoxProto"
                                            << "_t\u00e9ls"
                                            << "_tls";
    QTest::newRow("AAAA address") << 6 << "lineEditAddress"
                                  << "2001:db8::g1"
                                  << "2001:db8::1";
}

void TestRecordWizard::lineEdits_refuseCharactersOutsideTheirSet()
{
    QFETCH(int, typeIndex);
    QFETCH(QString, field);
    QFETCH(QString, typed);
    QFETCH(QString, shown);

    RecordWizard wizard;
    QWidget *widget = openForm(wizard, typeIndex)->findChild<QWidget *>(field);
    QVERIFY(widget);
    auto *comboBox = qobject_cast<QComboBox *>(widget);
    auto *lineEdit = comboBox ? comboBox->lineEdit() : qobject_cast<QLineEdit *>(widget);
    QVERIFY(lineEdit);
    lineEdit->clear();
    typeText(lineEdit, typed);

    QCOMPARE(lineEdit->text(), shown);
}

TAMZOR_TEST_MAIN(TestRecordWizard)
#include "tst_recordwizard.moc"
