#include "dialogs/createrecorddialog.h"
#include "records/recordparser.h"
#include "tests/dialogs/formdriver.h"
#include "tests/support/testmain.h"

using namespace FormDriver;

namespace {
const QString ip6Owner =
    QStringLiteral("1.0.0.0.0.0.0.0.0.0.0.0.0.0.0.0.0.0.0.0.0.0.0.0.8.b.d.0.1.0.0.2.ip6.arpa.");
const QString soaLine =
    QStringLiteral("example.com. 86400 IN SOA ns.example.com. hostmaster.example.com. 2024010101 "
                   "86400 7200 3600000 172800");
const QString srvLine =
    QStringLiteral("_sip._udp.example.com. 3600 IN SRV 10 20 5060 sip.example.com.");

void okRow(const char *dialog, const QString &line, const QString &typed, const QString &expected)
{
    QTest::newRow(dialog) << line << typed << QString() << expected << dialog;
}

void refusalRow(const char *name, const QString &line, const QString &typed, const QString &message)
{
    QTest::addRow("refused: %s", name) << line << typed << message << line << QString();
}
} // namespace

class TestRecordDialogs : public QObject
{
    Q_OBJECT

private slots:
    void press_cancelThenOk_recordKeptThenTakesEditsOrFirstMessage_data();
    void press_cancelThenOk_recordKeptThenTakesEditsOrFirstMessage();
};

// Each row is typed and cancelled, then typed again and confirmed. The dialog column names the
// dialog that opens and its title. Large values are left untouched on purpose: they must survive.
void TestRecordDialogs::press_cancelThenOk_recordKeptThenTakesEditsOrFirstMessage_data()
{
    QTest::addColumn<QString>("line");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("message");
    QTest::addColumn<QString>("expected");
    QTest::addColumn<QString>("dialog");
    okRow("AAAARecordDialog: AAAA Record (IPv6 Internet address)",
          "host.example.com. 3600 IN AAAA 2001:db8::1",
          "lineEditName=v6.example.com.|lineEditAddress=2001:db8::53|spinBoxTTL=300",
          "v6.example.com. 300 IN AAAA 2001:db8::53");
    okRow("ARecordDialog: A Record (IPv4 Internet address)",
          "www.example.com. 5000000000 IN A 192.0.2.1", "kivoHostAddress=198.51.100.7",
          "www.example.com. 5000000000 IN A 198.51.100.7");
    okRow("CNAMERecordDialog: CName Record (Canonical name for the domain)",
          "www.example.com. 5000000000 IN CNAME example.com.",
          "lineEditName=w_w w@.example.com.|lineEditCname=web.example.net.",
          "www.example.com. 5000000000 IN CNAME web.example.net.");
    okRow("CustomRecordDialog: Custom Record (User type and data)",
          "example.com. 5000000000 IN HINFO \"PC\" \"Linux\"",
          "lineEditType=RP|lineEditContent=hostmaster.example.com. .",
          "example.com. 5000000000 IN RP hostmaster.example.com. .");
    okRow("MXRecordDialog: MX Record (Mail exchange for domain)",
          "example.com. 5000000000 HS MX 10 mail.example.com.",
          "spinBoxPreference=0|lineEditExchange=mx.example.net.",
          "example.com. 5000000000 HS MX 0 mx.example.net.");
    okRow("NSRecordDialog: NS Record (Authoritative name server)",
          "example.com. 5000000000 CH NS ns.example.com.", "lineEditNSDName=ns2.example.com.",
          "example.com. 5000000000 CH NS ns2.example.com.");
    okRow("PTRRecordDialog: PTR Record (Pointer to a canonical name)",
          "10.1.168.192.in-addr.arpa. 5000000000 IN PTR host.example.com.",
          "?kivoHostAddress=192.168.1.10|kivoHostAddress=192.0.2.10|"
          "lineEditPTRDName=mail.example.com.",
          "10.2.0.192.in-addr.arpa. 5000000000 IN PTR mail.example.com.");
    const QString ip6Typed =
        QStringLiteral("f.e.0.0.0.0.0.0.0.0.0.0.0.0.0.0.0.0.0.0.0.0.0.0.8.B.D.0.1.0.0.2.ip6.arpa.");
    okRow("PTRv6RecordDialog: PTR Record (Pointer to a canonical name)",
          ip6Owner + " 5000000000 IN PTR host.example.com.",
          "?lineEditAddress=" + ip6Owner + "|lineEditAddress=" + ip6Typed,
          ip6Typed + " 5000000000 IN PTR host.example.com.");
    // An owner with a leading zero is no address; the address dialog would rewrite it.
    QTest::newRow("PTR owner 010 opens the name dialog")
        << "010.2.0.192.in-addr.arpa. 3600 IN PTR host.example.com." << QString() << QString()
        << "010.2.0.192.in-addr.arpa. 3600 IN PTR host.example.com."
        << "PTRv6RecordDialog: PTR Record (Pointer to a canonical name)";
    okRow("SOARecordDialog: SOA Record (Start of Authority record)",
          "example.com. 4294967295 IN SOA ns.example.com. hostmaster.example.com. 99999999999 "
          "86400 7200 3600000 172800",
          "?spinBoxSerial=4294967295|?spinBoxTTL=4294967295 s|lineEditMName=ns1.example.com.|"
          "lineEditRName=admin.example.com.|spinBoxRefresh=3600|spinBoxRetry=600|"
          "spinBoxExpire=1209600|spinBoxNCTTL=300",
          "example.com. 4294967295 IN SOA ns1.example.com. admin.example.com. 99999999999 3600 "
          "600 1209600 300");
    QTest::newRow("SOA serial typed")
        << soaLine << "spinBoxSerial=4294967295" << QString()
        << QString(soaLine).replace("2024010101", "4294967295") << QString();
    okRow("SRVRecordDialog: SRV Record (Service record)", srvLine,
          "lineEditService=_xmpp-server|comboBoxProto=_sctp|lineEditName=example.net.|"
          "spinBoxPriority=0|spinBoxWeight=65535|spinBoxPort=5269|"
          "lineEditTarget=xmpp.example.net.|spinBoxTTL=600",
          "_xmpp-server._sctp.example.net. 600 IN SRV 0 65535 5269 xmpp.example.net.");
    okRow("TXTRecordDialog: TXT Record (Text record)", "example.com. 5000000000 IN TXT \"old\"",
          "?spinBoxTTL=5000000000 s|lineEditText=\"v=spf1 mx -all\" \"2nd\"",
          "example.com. 5000000000 IN TXT \"v=spf1 mx -all\" \"2nd\"");

    refusalRow("AAAA address left incomplete", "h.example.com. 3600 IN AAAA 2001:db8::1",
               "lineEditAddress=2001:db8", "2001:db8 is not a valid IPv6 address");
    refusalRow("A address left empty", "www.example.com. 3600 IN A 192.0.2.1",
               "kivoHostAddress=", " is not a valid IPv4 address");
    refusalRow("CNAME canonical name left empty", "www.example.com. 3600 IN CNAME example.com.",
               "lineEditCname=", "Canonical name is invalid.\nDomain name should not be empty");
    refusalRow("custom owner starting with a dot", "example.com. 3600 IN HINFO \"PC\" \"Linux\"",
               "lineEditName=.example.com.",
               "Domain name is invalid.\nDomain name should not start with dot");
    refusalRow("MX mail server with a double dot", "example.com. 3600 IN MX 10 mail.example.com.",
               "lineEditExchange=mail..example.com.",
               "Mail server name is invalid.\nDomain name should not contain double dots");
    refusalRow("NS label ending in a hyphen", "example.com. 3600 IN NS ns.example.com.",
               "lineEditNSDName=ns-.example.",
               "Name server name is invalid.\nDomain label ns- is invalid");
    refusalRow("PTR address left incomplete",
               "10.1.168.192.in-addr.arpa. 3600 IN PTR host.example.com.",
               "kivoHostAddress=192.0.2|lineEditPTRDName=", "Address is not valid");
    refusalRow("PTR ip6.arpa owner without the final dot", ip6Owner + " 3600 IN PTR h.example.com.",
               "lineEditAddress=1.0.ip6.arpa",
               "Address is invalid.\n" + notQualified("1.0.ip6.arpa"));
    refusalRow("SOA bad mailbox and retry not below refresh, mailbox first", soaLine,
               "lineEditRName=-hostmaster.example.com.|spinBoxRetry=86400",
               "Email address is not valid.\nDomain label -hostmaster is invalid");
    refusalRow("SRV service without underscore", srvLine, "lineEditService=sip",
               "Service name should start with underscore");
    refusalRow("TXT owner label of 64 letters", "example.com. 3600 IN TXT \"x\"",
               "lineEditName=" + QString(64, 'a') + ".example.com.",
               "Domain name is invalid.\nDomain label " + QString(64, 'a') +
                   " exceeds the maximum size");
}

void TestRecordDialogs::press_cancelThenOk_recordKeptThenTakesEditsOrFirstMessage()
{
    QFETCH(QString, line);
    QFETCH(QString, typed);
    QFETCH(QString, message);
    QFETCH(QString, expected);
    QFETCH(QString, dialog);
    const PRecord record = parseRecordLine(line);
    const auto cancelled = createRecordDialog(*record);
    fill(cancelled.get(), typed);
    QCOMPARE(press(*cancelled, QDialogButtonBox::Cancel), QStringList());
    QCOMPARE(record->toString(), line);

    const auto opened = createRecordDialog(*record);
    if (!dialog.isEmpty())
        QCOMPARE(QString(opened->objectName() + ": " + opened->windowTitle()), dialog);
    fill(opened.get(), typed);
    opened->show();

    QCOMPARE(press(*opened, QDialogButtonBox::Ok), refused(message));

    QCOMPARE(opened->result(), int(message.isEmpty() ? QDialog::Accepted : QDialog::Rejected));
    QCOMPARE(opened->isVisible(), !message.isEmpty());
    QCOMPARE(record->toString(), expected);
}

TAMZOR_TEST_MAIN(TestRecordDialogs)
#include "tst_recorddialogs.moc"
