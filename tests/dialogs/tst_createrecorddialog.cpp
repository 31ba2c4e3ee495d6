#include "dialogs/createrecorddialog.h"
#include "records/recordparser.h"
#include "tests/dialogs/formdriver.h"
#include "tests/support/testmain.h"

class TestCreateRecordDialog : public QObject
{
    Q_OBJECT

private slots:
    void createRecordDialog_record_dialogOfItsClass_data();
    void createRecordDialog_record_dialogOfItsClass();
};

void TestCreateRecordDialog::createRecordDialog_record_dialogOfItsClass_data()
{
    QTest::addColumn<QString>("line");
    QTest::addColumn<QString>("dialogClass");
    QTest::addColumn<QString>("title");
    const QString ptrTitle = QStringLiteral("PTR Record (Pointer to a canonical name)");
    QTest::newRow("AAAA") << "h.example.com. 60 IN AAAA ::1"
                          << "AAAARecordDialog"
                          << "AAAA Record (IPv6 Internet address)";
    QTest::newRow("A") << "h.example.com. 60 IN A 192.0.2.1"
                       << "ARecordDialog"
                       << "A Record (IPv4 Internet address)";
    QTest::newRow("CNAME") << "w.example.com. 60 IN CNAME example.com."
                           << "CNAMERecordDialog"
                           << "CName Record (Canonical name for the domain)";
    QTest::newRow("custom") << "example.com. 60 IN HINFO \"PC\" \"Linux\""
                            << "CustomRecordDialog"
                            << "Custom Record (User type and data)";
    QTest::newRow("MX") << "example.com. 60 IN MX 10 mail.example.com."
                        << "MXRecordDialog"
                        << "MX Record (Mail exchange for domain)";
    QTest::newRow("NS") << "example.com. 60 IN NS ns.example.com."
                        << "NSRecordDialog"
                        << "NS Record (Authoritative name server)";
    QTest::newRow("PTR under in-addr.arpa") << "4.3.2.1.in-addr.arpa. 60 IN PTR h.example.com."
                                            << "PTRRecordDialog" << ptrTitle;
    QTest::newRow("PTR under in-addr.arpa without the final dot")
        << "4.3.2.1.in-addr.arpa 60 IN PTR h.example.com."
        << "PTRRecordDialog" << ptrTitle;
    QTest::newRow("PTR under ip6.arpa")
        << "1.0.0.0.0.0.0.0.0.0.0.0.0.0.0.0.0.0.0.0.0.0.0.0.8.b.d.0.1.0.0.2.ip6.arpa. 60 IN PTR "
           "h.example.com."
        << "PTRv6RecordDialog" << ptrTitle;
    QTest::newRow("PTR of a network, not an address")
        << "2.0.192.in-addr.arpa. 60 IN PTR net.example.com."
        << "PTRv6RecordDialog" << ptrTitle;
    QTest::newRow("PTR owner without reverse suffix") << "h.example.com. 60 IN PTR h.example.net."
                                                      << "PTRv6RecordDialog" << ptrTitle;
    QTest::newRow("SOA") << "example.com. 60 IN SOA ns.example.com. h.example.com. 1 2 1 9 9"
                         << "SOARecordDialog"
                         << "SOA Record (Start of Authority record)";
    QTest::newRow("SRV") << "_sip._tcp.example.com. 60 IN SRV 1 2 3 sip.example.com."
                         << "SRVRecordDialog"
                         << "SRV Record (Service record)";
    QTest::newRow("TXT") << "example.com. 60 IN TXT \"x\""
                         << "TXTRecordDialog"
                         << "TXT Record (Text record)";
}

void TestCreateRecordDialog::createRecordDialog_record_dialogOfItsClass()
{
    QFETCH(QString, line);
    QFETCH(QString, dialogClass);
    QFETCH(QString, title);
    const PRecord record = parseRecordLine(line);

    const auto dialog = createRecordDialog(*record);

    QVERIFY(dialog);
    QCOMPARE(QString::fromLatin1(dialog->metaObject()->className()), dialogClass);
    QCOMPARE(dialog->objectName(), dialogClass);
    QCOMPARE(dialog->windowTitle(), title);
    QVERIFY(!dialog->parent());
}

TAMZOR_TEST_MAIN(TestCreateRecordDialog)
#include "tst_createrecorddialog.moc"
