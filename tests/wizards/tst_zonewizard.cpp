#include "config/zone.h"
#include "records/record.h"
#include "tests/support/testmain.h"
#include "wizards/zonewizard.h"
#include "wizardtesting.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QLineEdit>
#include <QTest>

using namespace WizardTesting;

namespace {
const QString validationFailed = QStringLiteral("Validation failed");

const QVariantMap forwardName{{"lineEditName", "example.com."}};
const QVariantMap reverseNetwork{{"kivoHostAddress", "10.20.30.40"}};
const QVariantMap soaData{{"lineEditMName", "ns.example.com."},
                          {"lineEditRName", "hostmaster.example.com."}};
const QVariantMap asOffered;

void start(ZoneWizard &wizard, bool reverse)
{
    wizard.show();
    auto *lookup =
        wizard.currentPage()->findChild<QComboBox *>(QStringLiteral("comboBoxLookupType"));
    lookup->setCurrentIndex(reverse ? 1 : 0);
    pressForward(wizard);
}

QString textOf(ZoneWizard &wizard, const char *lineEdit)
{
    return wizard.currentPage()->findChild<QLineEdit *>(QLatin1String(lineEdit))->text();
}

QStringList linesOf(const PZone &zone)
{
    QStringList lines;
    for (const PRecord &record : zone->records())
        lines.append(record->toString());
    return lines;
}
} // namespace

class TestZoneWizard : public QObject
{
    Q_OBJECT

private slots:
    void forwardZone_finish_yieldsSoaNsAndAddressOfNameServer();
    void reverseZone_finish_yieldsSoaNsAndPointerToNameServer();
    void reverseNamePage_address_namesZoneAfterNetwork_data();
    void reverseNamePage_address_namesZoneAfterNetwork();
    void forwardZone_nameUnderInAddrArpa_endsOnPointerPage();
    void nsPage_backToSoaAndNext_offersSoaServerAgain();
    void back_toNamePage_keepsTypedInput();
    void mainPage_typeAndClass_fixedToMasterIn();
    void pageInput_invalid_staysWithFirstMessage_data();
    void pageInput_invalid_staysWithFirstMessage();
};

void TestZoneWizard::forwardZone_finish_yieldsSoaNsAndAddressOfNameServer()
{
    ZoneWizard wizard;
    start(wizard, false);
    QCOMPARE(wizard.currentId(), int(ZoneWizard::NamePage));
    FILL_FORM(wizard.currentPage(), forwardName);
    pressForward(wizard);
    QCOMPARE(wizard.currentId(), int(ZoneWizard::SOAPage));
    FILL_FORM(wizard.currentPage(), soaData);
    FILL_FORM(wizard.currentPage(), (QVariantMap{{"spinBoxSerial", 4294967295u}}));
    pressForward(wizard);
    QCOMPARE(wizard.currentId(), int(ZoneWizard::NSPage));
    QCOMPARE(textOf(wizard, "lineEditNSDName"), QStringLiteral("ns.example.com."));
    pressForward(wizard);
    QCOMPARE(wizard.currentId(), int(ZoneWizard::APage));
    QCOMPARE(textOf(wizard, "lineEditName"), QStringLiteral("ns.example.com."));
    QVERIFY(
        !wizard.currentPage()->findChild<QLineEdit *>(QStringLiteral("lineEditName"))->isEnabled());
    FILL_FORM(wizard.currentPage(), (QVariantMap{{"kivoHostAddress", "192.0.2.53"}}));
    QCOMPARE(answerMessageBoxes([&wizard] { pressForward(wizard); }).size(), 0);
    QCOMPARE(wizard.result(), int(QDialog::Accepted));

    const PZone zone = wizard.zone();
    QCOMPARE(zone->name(), QStringLiteral("example.com."));
    QCOMPARE(zone->type(), QStringLiteral("master"));
    QCOMPARE(zone->conf(), QStringLiteral("/etc/bind/tamzor.conf"));
    QCOMPARE(linesOf(zone),
             (QStringList{"example.com. 86400 IN SOA ns.example.com. hostmaster.example.com. "
                          "4294967295 86400 7200 3600000 172800",
                          "example.com. 86400 IN NS ns.example.com.",
                          "ns.example.com. 86400 IN A 192.0.2.53"}));
}

void TestZoneWizard::reverseZone_finish_yieldsSoaNsAndPointerToNameServer()
{
    ZoneWizard wizard;
    start(wizard, true);
    QCOMPARE(wizard.currentId(), int(ZoneWizard::ReverseNamePage));
    FILL_FORM(wizard.currentPage(), reverseNetwork);
    QCOMPARE(textOf(wizard, "lineEditName"), QStringLiteral("30.20.10.in-addr.arpa."));
    pressForward(wizard);
    FILL_FORM(wizard.currentPage(), soaData);
    pressForward(wizard);
    pressForward(wizard);
    QCOMPARE(wizard.currentId(), int(ZoneWizard::PTRPage));
    QCOMPARE(textOf(wizard, "lineEditPTRDName"), QStringLiteral("ns.example.com."));
    FILL_FORM(wizard.currentPage(), (QVariantMap{{"kivoHostAddress", "10.20.30.5"}}));
    QCOMPARE(answerMessageBoxes([&wizard] { pressForward(wizard); }).size(), 0);
    QCOMPARE(wizard.result(), int(QDialog::Accepted));

    const PZone zone = wizard.zone();
    QCOMPARE(zone->name(), QStringLiteral("30.20.10.in-addr.arpa."));
    QCOMPARE(linesOf(zone), (QStringList{"30.20.10.in-addr.arpa. 86400 IN SOA ns.example.com. "
                                         "hostmaster.example.com. 1 86400 7200 3600000 172800",
                                         "30.20.10.in-addr.arpa. 86400 IN NS ns.example.com.",
                                         "5.30.20.10.in-addr.arpa. 86400 IN PTR ns.example.com."}));
}

void TestZoneWizard::reverseNamePage_address_namesZoneAfterNetwork_data()
{
    QTest::addColumn<QString>("address");
    QTest::addColumn<QString>("zoneName");

    QTest::newRow("fourth octet ignored") << "192.168.1.77"
                                          << "1.168.192.in-addr.arpa.";
    QTest::newRow("network address") << "192.168.1.0"
                                     << "1.168.192.in-addr.arpa.";
    QTest::newRow("two octets") << "172.16"
                                << "16.172.in-addr.arpa.";
    QTest::newRow("one octet") << "10"
                               << "10.in-addr.arpa.";
    QTest::newRow("octet skipped in between names the leading network") << "10..30"
                                                                        << "10.in-addr.arpa.";
    QTest::newRow("nothing entered") << ""
                                     << "";
}

void TestZoneWizard::reverseNamePage_address_namesZoneAfterNetwork()
{
    QFETCH(QString, address);
    QFETCH(QString, zoneName);

    ZoneWizard wizard;
    start(wizard, true);
    FILL_FORM(wizard.currentPage(), (QVariantMap{{"kivoHostAddress", "10.20.30.40"}}));
    FILL_FORM(wizard.currentPage(), (QVariantMap{{"kivoHostAddress", address}}));

    QCOMPARE(textOf(wizard, "lineEditName"), zoneName);
}

void TestZoneWizard::forwardZone_nameUnderInAddrArpa_endsOnPointerPage()
{
    ZoneWizard wizard;
    start(wizard, false);
    FILL_FORM(wizard.currentPage(), (QVariantMap{{"lineEditName", "2.0.192.in-addr.arpa."}}));
    pressForward(wizard);
    FILL_FORM(wizard.currentPage(), soaData);
    pressForward(wizard);
    pressForward(wizard);
    QCOMPARE(wizard.currentId(), int(ZoneWizard::PTRPage));
    FILL_FORM(wizard.currentPage(), (QVariantMap{{"kivoHostAddress", "192.0.2.1"}}));
    QCOMPARE(answerMessageBoxes([&wizard] { pressForward(wizard); }).size(), 0);

    QCOMPARE(linesOf(wizard.zone()).last(),
             QStringLiteral("1.2.0.192.in-addr.arpa. 86400 IN PTR ns.example.com."));
}

void TestZoneWizard::nsPage_backToSoaAndNext_offersSoaServerAgain()
{
    ZoneWizard wizard;
    start(wizard, false);
    FILL_FORM(wizard.currentPage(), forwardName);
    pressForward(wizard);
    FILL_FORM(wizard.currentPage(), soaData);
    pressForward(wizard);
    FILL_FORM(wizard.currentPage(), (QVariantMap{{"lineEditNSDName", "other.example.net."}}));
    wizard.back();
    QCOMPARE(textOf(wizard, "lineEditMName"), QStringLiteral("ns.example.com."));
    pressForward(wizard);

    QCOMPARE(textOf(wizard, "lineEditNSDName"), QStringLiteral("ns.example.com."));
}

void TestZoneWizard::back_toNamePage_keepsTypedInput()
{
    ZoneWizard wizard;
    start(wizard, false);
    FILL_FORM(wizard.currentPage(), forwardName);
    pressForward(wizard);
    FILL_FORM(wizard.currentPage(), soaData);
    wizard.back();
    QCOMPARE(textOf(wizard, "lineEditName"), QStringLiteral("example.com."));
    pressForward(wizard);

    QCOMPARE(textOf(wizard, "lineEditMName"), QStringLiteral("ns.example.com."));
    QCOMPARE(textOf(wizard, "lineEditRName"), QStringLiteral("hostmaster.example.com."));
}

void TestZoneWizard::mainPage_typeAndClass_fixedToMasterIn()
{
    ZoneWizard wizard;
    wizard.show();
    QWizardPage *page = wizard.currentPage();
    auto *type = page->findChild<QComboBox *>(QStringLiteral("comboBoxType"));
    auto *zoneClass = page->findChild<QComboBox *>(QStringLiteral("comboBoxClass"));

    QVERIFY(!type->isEnabled());
    QCOMPARE(type->currentText(), QStringLiteral("Master"));
    QVERIFY(!zoneClass->isEnabled());
    QCOMPARE(zoneClass->currentText(), QStringLiteral("IN"));
    QVERIFY(!wizard.button(QWizard::BackButton)->isVisible());
}

void TestZoneWizard::pageInput_invalid_staysWithFirstMessage_data()
{
    QTest::addColumn<bool>("reverse");
    QTest::addColumn<QVariantList>("pages");
    QTest::addColumn<int>("refusingPage");
    QTest::addColumn<QString>("message");

    QTest::newRow("zone name without final dot")
        << false << QVariantList{QVariantMap{{"lineEditName", "example.com"}}}
        << int(ZoneWizard::NamePage) << notFullyQualified("example.com");
    QTest::newRow("empty zone name")
        << false << QVariantList{asOffered} << int(ZoneWizard::NamePage)
        << "Domain name should not be empty";
    QTest::newRow("reverse zone without network")
        << true << QVariantList{asOffered} << int(ZoneWizard::ReverseNamePage)
        << "Domain name should not be empty";
    QTest::newRow("SOA without name server")
        << false
        << QVariantList{forwardName, QVariantMap{{"lineEditRName", "hostmaster.example.com."}}}
        << int(ZoneWizard::SOAPage)
        << "Name server name is not valid.\nDomain name should not be empty";
    QVariantMap retryEqualsRefresh = soaData;
    retryEqualsRefresh.insert("spinBoxRetry", 86400);
    QTest::newRow("SOA retry not less than refresh")
        << false << QVariantList{forwardName, retryEqualsRefresh} << int(ZoneWizard::SOAPage)
        << "Retry must be less than Refresh";
    QVariantMap expireTooShort = soaData;
    expireTooShort.insert("spinBoxExpire", 86400 + 7200);
    QTest::newRow("SOA expire not above refresh and retry")
        << false << QVariantList{forwardName, expireTooShort} << int(ZoneWizard::SOAPage)
        << "Expire must be bigger than the sum of Refresh and Retry";
    QTest::newRow("NS name cleared")
        << false << QVariantList{forwardName, soaData, QVariantMap{{"lineEditNSDName", ""}}}
        << int(ZoneWizard::NSPage)
        << "Name server name is invalid.\nDomain name should not be empty";
    QTest::newRow("name server address missing")
        << false << QVariantList{forwardName, soaData, asOffered, asOffered}
        << int(ZoneWizard::APage) << " is not a valid IPv4 address";
    QTest::newRow("name server address incomplete")
        << false
        << QVariantList{forwardName, soaData, asOffered,
                        QVariantMap{{"kivoHostAddress", "192.0.2"}}}
        << int(ZoneWizard::APage) << " is not a valid IPv4 address";
    QTest::newRow("pointer address missing")
        << true << QVariantList{reverseNetwork, soaData, asOffered, asOffered}
        << int(ZoneWizard::PTRPage) << "Address is not valid";
    QTest::newRow("pointer address incomplete")
        << true
        << QVariantList{reverseNetwork, soaData, asOffered,
                        QVariantMap{{"kivoHostAddress", "10.20.30"}}}
        << int(ZoneWizard::PTRPage) << "Address is not valid";
}

void TestZoneWizard::pageInput_invalid_staysWithFirstMessage()
{
    QFETCH(bool, reverse);
    QFETCH(QVariantList, pages);
    QFETCH(int, refusingPage);
    QFETCH(QString, message);

    ZoneWizard wizard;
    start(wizard, reverse);
    for (int i = 0; i < pages.size(); ++i) {
        FILL_FORM(wizard.currentPage(), pages.at(i).toMap());
        if (i + 1 < pages.size())
            pressForward(wizard);
    }
    QCOMPARE(wizard.currentId(), refusingPage);
    const QList<ShownBox> boxes = answerMessageBoxes([&wizard] { pressForward(wizard); });

    QCOMPARE(boxes.size(), 1);
    QCOMPARE(boxes.first().icon, QMessageBox::Critical);
    QCOMPARE(boxes.first().title, validationFailed);
    QCOMPARE(boxes.first().text, message);
    QCOMPARE(wizard.currentId(), refusingPage);
    QVERIFY(wizard.isVisible());
}

TAMZOR_TEST_MAIN(TestZoneWizard)
#include "tst_zonewizard.moc"
