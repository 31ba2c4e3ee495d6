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

void dialogRow(const char *name, const QString &line, const char *dialogClass, const char *title,
               const QString &shown = {})
{
    QTest::newRow(name) << line << dialogClass + QStringLiteral(": ") + title << shown;
}

void editRow(const char *name, const QString &line, const QString &typed, const QString &expected)
{
    QTest::newRow(name) << line << typed << QString() << expected;
}

void refusalRow(const char *name, const QString &line, const QString &typed, const QString &message)
{
    QTest::addRow("refused: %s", name) << line << typed << message << QString();
}
} // namespace

class TestRecordDialogs : public QObject
{
    Q_OBJECT

private slots:
    void open_record_dialogOfItsClassShowsFields_data();
    void open_record_dialogOfItsClassShowsFields();
    void ok_edits_recordTakesThemOrFirstMessageShown_data();
    void ok_edits_recordTakesThemOrFirstMessageShown();
    void cancel_afterEdits_recordUnchanged_data();
    void cancel_afterEdits_recordUnchanged();
    void ok_afterRefusalCorrected_accepted();
};

void TestRecordDialogs::open_record_dialogOfItsClassShowsFields_data()
{
    QTest::addColumn<QString>("line");
    QTest::addColumn<QString>("dialog");
    QTest::addColumn<QString>("shown");
    const char *ptr = "PTR Record (Pointer to a canonical name)";
    dialogRow("AAAA", "h.example.com. 60 IN AAAA ::1", "AAAARecordDialog",
              "AAAA Record (IPv6 Internet address)");
    dialogRow("A", "h.example.com. 60 IN A 192.0.2.1", "ARecordDialog",
              "A Record (IPv4 Internet address)");
    dialogRow("CNAME", "w.example.com. 60 IN CNAME example.com.", "CNAMERecordDialog",
              "CName Record (Canonical name for the domain)");
    dialogRow("custom", "example.com. 60 IN HINFO \"PC\" \"Linux\"", "CustomRecordDialog",
              "Custom Record (User type and data)");
    dialogRow("MX", "example.com. 60 IN MX 10 mail.example.com.", "MXRecordDialog",
              "MX Record (Mail exchange for domain)");
    dialogRow("NS", "example.com. 60 IN NS ns.example.com.", "NSRecordDialog",
              "NS Record (Authoritative name server)");
    dialogRow("PTR under in-addr.arpa shows the address",
              "4.3.2.1.in-addr.arpa. 60 IN PTR h.example.com.", "PTRRecordDialog", ptr,
              "?kivoHostAddress=1.2.3.4");
    dialogRow("PTR under in-addr.arpa without the final dot",
              "4.3.2.1.in-addr.arpa 60 IN PTR h.example.com.", "PTRRecordDialog", ptr);
    dialogRow("PTR under ip6.arpa shows the name", ip6Owner + " 60 IN PTR h.example.com.",
              "PTRv6RecordDialog", ptr, "?lineEditAddress=" + ip6Owner);
    dialogRow("PTR of a network, not an address",
              "2.0.192.in-addr.arpa. 60 IN PTR net.example.com.", "PTRv6RecordDialog", ptr);
    dialogRow("PTR owner without reverse suffix", "h.example.com. 60 IN PTR h.example.net.",
              "PTRv6RecordDialog", ptr);
    dialogRow("SOA serial above the signed limit",
              "example.com. 60 IN SOA ns.example.com. h.example.com. 4294967295 2 1 9 9",
              "SOARecordDialog", "SOA Record (Start of Authority record)",
              "?spinBoxSerial=4294967295");
    dialogRow("SRV protocol outside the list",
              "_sip._sctp.example.com. 60 IN SRV 1 2 3 sip.example.com.", "SRVRecordDialog",
              "SRV Record (Service record)", "?comboBoxProto=_sctp");
    dialogRow("TXT TTL beyond the spin box", "example.com. 5000000000 IN TXT \"x\"",
              "TXTRecordDialog", "TXT Record (Text record)", "?spinBoxTTL=5000000000 s");
}

void TestRecordDialogs::open_record_dialogOfItsClassShowsFields()
{
    QFETCH(QString, line);
    QFETCH(QString, dialog);
    QFETCH(QString, shown);
    const auto opened = createRecordDialog(*parseRecordLine(line));

    QCOMPARE(opened->metaObject()->className() + QStringLiteral(": ") + opened->windowTitle(),
             dialog);
    QCOMPARE(opened->objectName(), QString::fromLatin1(opened->metaObject()->className()));
    QVERIFY(!opened->parent());
    fill(opened.get(), shown);
}

// Untouched records pass every field through its editor and back, so they check what each
// dialog shows too.
void TestRecordDialogs::ok_edits_recordTakesThemOrFirstMessageShown_data()
{
    QTest::addColumn<QString>("line");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("message");
    QTest::addColumn<QString>("expected");
    const QStringList untouched = {
        "h.example.com. 5000000000 IN AAAA 2001:db8::1",
        "h.example.com. 5000000000 IN A 192.0.2.1",
        "w.example.com. 5000000000 IN CNAME example.com.",
        "example.com. 5000000000 IN TYPE65534 \\# 0",
        "example.com. 5000000000 IN MX 3000000000 mail.example.com.",
        "example.com. 5000000000 CH NS ns.example.com.",
        "10.1.168.192.in-addr.arpa. 5000000000 IN PTR h.example.com.",
        "010.2.0.192.in-addr.arpa. 3600 IN PTR host.example.com.",
        ip6Owner + " 5000000000 IN PTR h.example.com.",
        "example.com. 4294967295 IN SOA ns.example.com. hostmaster.example.com. 4294967295 "
        "3000000000 7200 4000000000 2147483648",
        "example.com. 86400 IN SOA ns.example.com. h.example.com. 99999999999 86400 7200 3600000 1",
        "_sip._sctp.example.com. 2147483648 IN SRV 0 0 0 sip.example.com.",
        "example.com. 5000000000 IN TXT \"v=spf1 -all\" \"x y\""};
    for (const QString &line : untouched)
        QTest::addRow("untouched %s", qPrintable(line)) << line << QString() << QString() << line;

    editRow("AAAA owner, address and TTL", "host.example.com. 3600 IN AAAA 2001:db8::1",
            "lineEditName=v6.example.com.|lineEditAddress=2001:db8::53|spinBoxTTL=300",
            "v6.example.com. 300 IN AAAA 2001:db8::53");
    editRow("A address", "www.example.com. 3600 IN A 192.0.2.1", "kivoHostAddress=198.51.100.7",
            "www.example.com. 3600 IN A 198.51.100.7");
    editRow("CNAME canonical name", "www.example.com. 3600 IN CNAME example.com.",
            "lineEditCname=web.example.net.", "www.example.com. 3600 IN CNAME web.example.net.");
    editRow("custom type word and data", "example.com. 3600 IN HINFO \"PC\" \"Linux\"",
            "lineEditType=RP|lineEditContent=hostmaster.example.com. .",
            "example.com. 3600 IN RP hostmaster.example.com. .");
    editRow("MX preference 0, class word HS kept", "example.com. 3600 HS MX 10 mail.example.com.",
            "spinBoxPreference=0", "example.com. 3600 HS MX 0 mail.example.com.");
    editRow("NS name server", "example.com. 3600 IN NS ns.example.com.",
            "lineEditNSDName=ns2.example.com.", "example.com. 3600 IN NS ns2.example.com.");
    editRow("PTR address becomes the reverse owner",
            "10.1.168.192.in-addr.arpa. 3600 IN PTR host.example.com.",
            "kivoHostAddress=192.0.2.10|lineEditPTRDName=mail.example.com.",
            "10.2.0.192.in-addr.arpa. 3600 IN PTR mail.example.com.");
    const QString ip6Typed =
        QStringLiteral("f.e.0.0.0.0.0.0.0.0.0.0.0.0.0.0.0.0.0.0.0.0.0.0.8.B.D.0.1.0.0.2.ip6.arpa.");
    editRow("PTR ip6.arpa name typed in full", ip6Owner + " 3600 IN PTR host.example.com.",
            "lineEditAddress=" + ip6Typed, ip6Typed + " 3600 IN PTR host.example.com.");
    editRow("SOA serial 4294967295 and timers", soaLine,
            "lineEditMName=ns1.example.com.|lineEditRName=admin.example.com.|"
            "spinBoxSerial=4294967295|spinBoxRefresh=3600|spinBoxRetry=600|"
            "spinBoxExpire=1209600|spinBoxNCTTL=300",
            "example.com. 86400 IN SOA ns1.example.com. admin.example.com. 4294967295 3600 600 "
            "1209600 300");
    editRow("SRV every field, protocol outside the list", srvLine,
            "lineEditService=_xmpp-server|comboBoxProto=_sctp|lineEditName=example.net.|"
            "spinBoxPriority=0|spinBoxWeight=65535|spinBoxPort=5269|"
            "lineEditTarget=xmpp.example.net.|spinBoxTTL=600",
            "_xmpp-server._sctp.example.net. 600 IN SRV 0 65535 5269 xmpp.example.net.");
    editRow("SRV port above 65535 cannot be typed", srvLine, "spinBoxPort=70000",
            "_sip._udp.example.com. 3600 IN SRV 10 20 7000 sip.example.com.");
    editRow("TXT text with quotes, TTL beyond the spin box replaced",
            "example.com. 5000000000 IN TXT \"old\"",
            "lineEditText=\"v=spf1 mx -all\" \"2nd\"|spinBoxTTL=300",
            "example.com. 300 IN TXT \"v=spf1 mx -all\" \"2nd\"");
    editRow("owner typed with underscore, blank and at sign keeps name characters only",
            "www.example.com. 3600 IN CNAME example.com.", "lineEditName=w_w w@.example.com.",
            "www.example.com. 3600 IN CNAME example.com.");

    refusalRow("owner without the final dot", "www.example.com. 3600 IN A 192.0.2.1",
               "lineEditName=www.example.com",
               "Domain name is invalid.\n" + notQualified("www.example.com"));
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
    refusalRow("SOA retry equal to refresh", soaLine, "spinBoxRetry=86400",
               "Retry must be less than Refresh");
    refusalRow("SOA expire equal to refresh plus retry", soaLine, "spinBoxExpire=93600",
               "Expire must be bigger than the sum of Refresh and Retry");
    refusalRow("SRV service without underscore", srvLine, "lineEditService=sip",
               "Service name should start with underscore");
    refusalRow("SRV protocol with a double underscore", srvLine, "comboBoxProto=__tcp",
               "Proto name should not contain double underscore");
    refusalRow("TXT owner label of 64 letters", "example.com. 3600 IN TXT \"x\"",
               "lineEditName=" + QString(64, 'a') + ".example.com.",
               "Domain name is invalid.\nDomain label " + QString(64, 'a') +
                   " exceeds the maximum size");
}

void TestRecordDialogs::ok_edits_recordTakesThemOrFirstMessageShown()
{
    QFETCH(QString, line);
    QFETCH(QString, typed);
    QFETCH(QString, message);
    QFETCH(QString, expected);
    const PRecord record = parseRecordLine(line);
    const auto dialog = createRecordDialog(*record);
    fill(dialog.get(), typed);

    QCOMPARE(press(*dialog, QDialogButtonBox::Ok),
             message.isEmpty() ? QStringList() : refused(message));

    QCOMPARE(dialog->result(), int(message.isEmpty() ? QDialog::Accepted : QDialog::Rejected));
    QCOMPARE(record->toString(), message.isEmpty() ? expected : line);
    if (message.isEmpty())
        return;
    for (const QString &edit : typed.split('|')) {
        if (!edit.startsWith("kivoHostAddress"))
            QCOMPARE(shown(dialog.get(), edit.section('=', 0, 0)).remove(" s"),
                     edit.section('=', 1));
    }
}

void TestRecordDialogs::cancel_afterEdits_recordUnchanged_data()
{
    ok_edits_recordTakesThemOrFirstMessageShown_data();
}

void TestRecordDialogs::cancel_afterEdits_recordUnchanged()
{
    QFETCH(QString, line);
    QFETCH(QString, typed);
    const PRecord record = parseRecordLine(line);
    const auto dialog = createRecordDialog(*record);
    fill(dialog.get(), typed);

    QCOMPARE(press(*dialog, QDialogButtonBox::Cancel), QStringList());

    QCOMPARE(dialog->result(), int(QDialog::Rejected));
    QCOMPARE(record->toString(), line);
}

void TestRecordDialogs::ok_afterRefusalCorrected_accepted()
{
    const PRecord record = parseRecordLine(QStringLiteral("www.example.com. 3600 IN A 192.0.2.1"));
    const auto dialog = createRecordDialog(*record);
    fill(dialog.get(), QStringLiteral("lineEditName=new.example"));
    QCOMPARE(press(*dialog, QDialogButtonBox::Ok).size(), 1);

    typeKeys(editor(dialog.get(), QStringLiteral("lineEditName")), QStringLiteral("."));

    QCOMPARE(press(*dialog, QDialogButtonBox::Ok), QStringList());
    QCOMPARE(record->toString(), QStringLiteral("new.example. 3600 IN A 192.0.2.1"));
}

TAMZOR_TEST_MAIN(TestRecordDialogs)
#include "tst_recorddialogs.moc"
