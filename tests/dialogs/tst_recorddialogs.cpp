#include "config/zone.h"
#include "dialogs/createrecorddialog.h"
#include "records/mxrecord.h"
#include "records/recordparser.h"
#include "tests/dialogs/formdriver.h"
#include "tests/support/testmain.h"

using FormDriver::Edits;

namespace {
const QString notQualified = QStringLiteral(
    "Domain name is not fully qualified.\nA fully qualified domain name consists of a list of "
    "domain labels representing the hierarchy from the lowest relevant level in the DNS to the "
    "top-level domain. The DNS root is unnamed, expressed as the empty label terminated by the "
    "dot.\nDomain name %1 doesn't ends with \".\".");
const QString ip6Owner =
    QStringLiteral("1.0.0.0.0.0.0.0.0.0.0.0.0.0.0.0.0.0.0.0.0.0.0.0.8.b.d.0.1.0.0.2.ip6.arpa.");
const QString soaLine =
    QStringLiteral("example.com. 86400 IN SOA ns.example.com. hostmaster.example.com. 2024010101 "
                   "86400 7200 3600000 172800");
const QString srvLine =
    QStringLiteral("_sip._udp.example.com. 3600 IN SRV 10 20 5060 sip.example.com.");

Edits edits(std::initializer_list<QPair<QString, QString>> list)
{
    return Edits(list);
}
} // namespace

class TestRecordDialogs : public QObject
{
    Q_OBJECT

private slots:
    void open_record_editorsShowItsFields_data();
    void open_record_editorsShowItsFields();
    void ok_afterEdits_recordHoldsTypedValues_data();
    void ok_afterEdits_recordHoldsTypedValues();
    void cancel_afterEdits_recordUnchanged_data();
    void cancel_afterEdits_recordUnchanged();
    void ok_invalidInput_firstMessageShownRecordUnchanged_data();
    void ok_invalidInput_firstMessageShownRecordUnchanged();
    void ok_afterRefusalCorrected_accepted();
    void ok_untouched_everyFieldKept_data();
    void ok_untouched_everyFieldKept();
    void ok_preferenceOnly_classWordAndZoneLinkKept();
    void tabOrder_followsForm_data();
    void tabOrder_followsForm();
};

void TestRecordDialogs::open_record_editorsShowItsFields_data()
{
    QTest::addColumn<QString>("line");
    QTest::addColumn<Edits>("shown");
    QTest::newRow("AAAA") << "host.example.com. 300 IN AAAA 2001:db8::1"
                          << edits({{"lineEditName", "host.example.com."},
                                    {"lineEditAddress", "2001:db8::1"},
                                    {"spinBoxTTL", "300 s"}});
    QTest::newRow("A") << "www.example.com. 3600 IN A 192.0.2.1"
                       << edits({{"lineEditName", "www.example.com."},
                                 {"kivoHostAddress", "192.0.2.1"},
                                 {"spinBoxTTL", "3600 s"}});
    QTest::newRow("CNAME") << "www.example.com. 60 IN CNAME example.com."
                           << edits({{"lineEditName", "www.example.com."},
                                     {"lineEditCname", "example.com."},
                                     {"spinBoxTTL", "60 s"}});
    QTest::newRow("custom type shows its type word")
        << "example.com. 3600 IN HINFO \"PC\" \"Linux\""
        << edits({{"lineEditName", "example.com."},
                  {"lineEditType", "HINFO"},
                  {"lineEditContent", "\"PC\" \"Linux\""},
                  {"spinBoxTTL", "3600 s"}});
    QTest::newRow("MX") << "example.com. 3600 IN MX 10 mail.example.com."
                        << edits({{"lineEditName", "example.com."},
                                  {"spinBoxPreference", "10"},
                                  {"lineEditExchange", "mail.example.com."},
                                  {"spinBoxTTL", "3600 s"}});
    QTest::newRow("NS") << "example.com. 3600 IN NS ns.example.com."
                        << edits({{"lineEditName", "example.com."},
                                  {"lineEditNSDName", "ns.example.com."},
                                  {"spinBoxTTL", "3600 s"}});
    QTest::newRow("PTR under in-addr.arpa shows the address")
        << "10.1.168.192.in-addr.arpa. 3600 IN PTR host.example.com."
        << edits({{"kivoHostAddress", "192.168.1.10"},
                  {"lineEditPTRDName", "host.example.com."},
                  {"spinBoxTTL", "3600 s"}});
    QTest::newRow("PTR under ip6.arpa shows the name")
        << ip6Owner + " 3600 IN PTR host.example.com."
        << edits({{"lineEditAddress", ip6Owner},
                  {"lineEditPTRDName", "host.example.com."},
                  {"spinBoxTTL", "3600 s"}});
    QTest::newRow("SOA") << soaLine
                         << edits({{"lineEditDomain", "example.com."},
                                   {"lineEditMName", "ns.example.com."},
                                   {"lineEditRName", "hostmaster.example.com."},
                                   {"spinBoxSerial", "2024010101"},
                                   {"spinBoxRefresh", "86400 s"},
                                   {"spinBoxRetry", "7200 s"},
                                   {"spinBoxExpire", "3600000 s"},
                                   {"spinBoxNCTTL", "172800 s"},
                                   {"spinBoxTTL", "86400 s"}});
    QTest::newRow("SOA serial above the signed limit")
        << "example.com. 86400 IN SOA ns.example.com. hostmaster.example.com. 4294967295 "
           "86400 7200 3600000 172800"
        << edits({{"spinBoxSerial", "4294967295"}});
    QTest::newRow("SRV shows the domain part as owner")
        << srvLine
        << edits({{"lineEditService", "_sip"},
                  {"comboBoxProto", "_udp"},
                  {"lineEditName", "example.com."},
                  {"spinBoxPriority", "10"},
                  {"spinBoxWeight", "20"},
                  {"spinBoxPort", "5060"},
                  {"lineEditTarget", "sip.example.com."},
                  {"spinBoxTTL", "3600 s"}});
    QTest::newRow("SRV protocol outside the list")
        << "_sip._sctp.example.com. 3600 IN SRV 10 20 5060 sip.example.com."
        << edits({{"comboBoxProto", "_sctp"}});
    QTest::newRow("TXT") << "example.com. 3600 IN TXT \"v=spf1 -all\" \"x y\""
                         << edits({{"lineEditName", "example.com."},
                                   {"lineEditText", "\"v=spf1 -all\" \"x y\""},
                                   {"spinBoxTTL", "3600 s"}});
    QTest::newRow("TTL beyond the spin box is shown as it is")
        << "example.com. 5000000000 IN TXT \"x\"" << edits({{"spinBoxTTL", "5000000000 s"}});
}

void TestRecordDialogs::open_record_editorsShowItsFields()
{
    QFETCH(QString, line);
    QFETCH(Edits, shown);
    const PRecord record = parseRecordLine(line);
    const auto dialog = createRecordDialog(*record);
    for (const auto &field : shown)
        QCOMPARE(FormDriver::shown(dialog.get(), field.first), field.second);
}

void TestRecordDialogs::ok_afterEdits_recordHoldsTypedValues_data()
{
    QTest::addColumn<QString>("line");
    QTest::addColumn<Edits>("typed");
    QTest::addColumn<QString>("expected");
    QTest::newRow("AAAA owner, address and TTL") << "host.example.com. 3600 IN AAAA 2001:db8::1"
                                                 << edits({{"lineEditName", "v6.example.com."},
                                                           {"lineEditAddress", "2001:db8::53"},
                                                           {"spinBoxTTL", "300"}})
                                                 << "v6.example.com. 300 IN AAAA 2001:db8::53";
    QTest::newRow("A address") << "www.example.com. 3600 IN A 192.0.2.1"
                               << edits({{"kivoHostAddress", "198.51.100.7"}})
                               << "www.example.com. 3600 IN A 198.51.100.7";
    QTest::newRow("CNAME canonical name") << "www.example.com. 3600 IN CNAME example.com."
                                          << edits({{"lineEditCname", "web.example.net."}})
                                          << "www.example.com. 3600 IN CNAME web.example.net.";
    QTest::newRow("custom type word and data")
        << "example.com. 3600 IN HINFO \"PC\" \"Linux\""
        << edits({{"lineEditType", "RP"}, {"lineEditContent", "hostmaster.example.com. ."}})
        << "example.com. 3600 IN RP hostmaster.example.com. .";
    QTest::newRow("MX preference 0")
        << "example.com. 3600 IN MX 10 mail.example.com." << edits({{"spinBoxPreference", "0"}})
        << "example.com. 3600 IN MX 0 mail.example.com.";
    QTest::newRow("NS name server") << "example.com. 3600 IN NS ns.example.com."
                                    << edits({{"lineEditNSDName", "ns2.example.com."}})
                                    << "example.com. 3600 IN NS ns2.example.com.";
    QTest::newRow("PTR address becomes the reverse owner")
        << "10.1.168.192.in-addr.arpa. 3600 IN PTR host.example.com."
        << edits({{"kivoHostAddress", "192.0.2.10"}, {"lineEditPTRDName", "mail.example.com."}})
        << "10.2.0.192.in-addr.arpa. 3600 IN PTR mail.example.com.";
    QTest::newRow("PTR ip6.arpa name typed in full")
        << ip6Owner + " 3600 IN PTR host.example.com."
        << edits({{"lineEditAddress",
                   "f.e.0.0.0.0.0.0.0.0.0.0.0.0.0.0.0.0.0.0.0.0.0.0.8.B.D.0.1.0.0.2.ip6.arpa."}})
        << "f.e.0.0.0.0.0.0.0.0.0.0.0.0.0.0.0.0.0.0.0.0.0.0.8.B.D.0.1.0.0.2.ip6.arpa. 3600 IN PTR "
           "host.example.com.";
    QTest::newRow("SOA serial above the signed limit and timers")
        << soaLine
        << edits({{"lineEditMName", "ns1.example.com."},
                  {"lineEditRName", "admin.example.com."},
                  {"spinBoxSerial", "4294967295"},
                  {"spinBoxRefresh", "3600"},
                  {"spinBoxRetry", "600"},
                  {"spinBoxExpire", "1209600"},
                  {"spinBoxNCTTL", "300"}})
        << "example.com. 86400 IN SOA ns1.example.com. admin.example.com. 4294967295 3600 600 "
           "1209600 300";
    QTest::newRow("SRV every field, protocol outside the list")
        << srvLine
        << edits({{"lineEditService", "_xmpp-server"},
                  {"comboBoxProto", "_sctp"},
                  {"lineEditName", "example.net."},
                  {"spinBoxPriority", "0"},
                  {"spinBoxWeight", "65535"},
                  {"spinBoxPort", "5269"},
                  {"lineEditTarget", "xmpp.example.net."},
                  {"spinBoxTTL", "600"}})
        << "_xmpp-server._sctp.example.net. 600 IN SRV 0 65535 5269 xmpp.example.net.";
    QTest::newRow("SRV port above 65535 cannot be typed")
        << srvLine << edits({{"spinBoxPort", "70000"}})
        << "_sip._udp.example.com. 3600 IN SRV 10 20 7000 sip.example.com.";
    QTest::newRow("TXT text with quotes and blanks")
        << "example.com. 3600 IN TXT \"old\""
        << edits({{"lineEditText", "\"v=spf1 mx -all\" \"second string\""}})
        << "example.com. 3600 IN TXT \"v=spf1 mx -all\" \"second string\"";
    QTest::newRow("TTL beyond the spin box replaced by the typed one")
        << "example.com. 5000000000 IN TXT \"x\"" << edits({{"spinBoxTTL", "300"}})
        << "example.com. 300 IN TXT \"x\"";
    QTest::newRow("owner typed with underscore, blank and at sign keeps name characters only")
        << "www.example.com. 3600 IN CNAME example.com."
        << edits({{"lineEditName", "w_w w@.example.com."}})
        << "www.example.com. 3600 IN CNAME example.com.";
}

void TestRecordDialogs::ok_afterEdits_recordHoldsTypedValues()
{
    QFETCH(QString, line);
    QFETCH(Edits, typed);
    QFETCH(QString, expected);
    const PRecord record = parseRecordLine(line);
    const auto dialog = createRecordDialog(*record);
    FormDriver::type(dialog.get(), typed);

    const FormDriver::SeenBox box = FormDriver::pressOk(*dialog);

    QVERIFY2(!box.shown, qPrintable(box.text));
    QCOMPARE(dialog->result(), int(QDialog::Accepted));
    QCOMPARE(record->toString(), expected);
}

void TestRecordDialogs::cancel_afterEdits_recordUnchanged_data()
{
    ok_afterEdits_recordHoldsTypedValues_data();
}

void TestRecordDialogs::cancel_afterEdits_recordUnchanged()
{
    QFETCH(QString, line);
    QFETCH(Edits, typed);
    const PRecord record = parseRecordLine(line);
    const QString before = record->toString();
    const auto dialog = createRecordDialog(*record);
    FormDriver::type(dialog.get(), typed);

    FormDriver::button(*dialog, QDialogButtonBox::Cancel)->click();

    QCOMPARE(dialog->result(), int(QDialog::Rejected));
    QCOMPARE(record->toString(), before);
}

void TestRecordDialogs::ok_invalidInput_firstMessageShownRecordUnchanged_data()
{
    QTest::addColumn<QString>("line");
    QTest::addColumn<Edits>("typed");
    QTest::addColumn<QString>("message");
    QTest::newRow("owner without the final dot")
        << "www.example.com. 3600 IN A 192.0.2.1" << edits({{"lineEditName", "www.example.com"}})
        << "Domain name is invalid.\n" + notQualified.arg("www.example.com");
    QTest::newRow("AAAA address left incomplete")
        << "host.example.com. 3600 IN AAAA 2001:db8::1" << edits({{"lineEditAddress", "2001:db8"}})
        << "2001:db8 is not a valid IPv6 address";
    QTest::newRow("A address left empty")
        << "www.example.com. 3600 IN A 192.0.2.1" << edits({{"kivoHostAddress", ""}})
        << " is not a valid IPv4 address";
    QTest::newRow("CNAME canonical name left empty")
        << "www.example.com. 3600 IN CNAME example.com." << edits({{"lineEditCname", ""}})
        << "Canonical name is invalid.\nDomain name should not be empty";
    QTest::newRow("custom owner starting with a dot")
        << "example.com. 3600 IN HINFO \"PC\" \"Linux\""
        << edits({{"lineEditName", ".example.com."}})
        << "Domain name is invalid.\nDomain name should not start with dot";
    QTest::newRow("MX mail server with a double dot")
        << "example.com. 3600 IN MX 10 mail.example.com."
        << edits({{"lineEditExchange", "mail..example.com."}})
        << "Mail server name is invalid.\nDomain name should not contain double dots";
    QTest::newRow("NS label ending in a hyphen")
        << "example.com. 3600 IN NS ns.example.com." << edits({{"lineEditNSDName", "ns-.example."}})
        << "Name server name is invalid.\nDomain label ns- is invalid";
    QTest::newRow("PTR address left incomplete")
        << "10.1.168.192.in-addr.arpa. 3600 IN PTR host.example.com."
        << edits({{"kivoHostAddress", "192.0.2"}, {"lineEditPTRDName", ""}})
        << "Address is not valid";
    QTest::newRow("PTR ip6.arpa owner without the final dot")
        << ip6Owner + " 3600 IN PTR host.example.com."
        << edits({{"lineEditAddress", "1.0.ip6.arpa"}})
        << "Address is invalid.\n" + notQualified.arg("1.0.ip6.arpa");
    QTest::newRow("SOA bad mailbox and retry not below refresh: mailbox only")
        << soaLine
        << edits({{"lineEditRName", "-hostmaster.example.com."}, {"spinBoxRetry", "86400"}})
        << "Email address is not valid.\nDomain label -hostmaster is invalid";
    QTest::newRow("SOA retry equal to refresh")
        << soaLine << edits({{"spinBoxRetry", "86400"}}) << "Retry must be less than Refresh";
    QTest::newRow("SOA expire equal to refresh plus retry")
        << soaLine << edits({{"spinBoxExpire", "93600"}})
        << "Expire must be bigger than the sum of Refresh and Retry";
    QTest::newRow("SRV service without underscore")
        << srvLine << edits({{"lineEditService", "sip"}})
        << "Service name should start with underscore";
    QTest::newRow("SRV protocol with a double underscore")
        << srvLine << edits({{"comboBoxProto", "__tcp"}})
        << "Proto name should not contain double underscore";
    QTest::newRow("TXT owner label of 64 letters")
        << "example.com. 3600 IN TXT \"x\""
        << edits({{"lineEditName", QString(64, 'a') + ".example.com."}})
        << "Domain name is invalid.\nDomain label " + QString(64, 'a') +
               " exceeds the maximum size";
}

void TestRecordDialogs::ok_invalidInput_firstMessageShownRecordUnchanged()
{
    QFETCH(QString, line);
    QFETCH(Edits, typed);
    QFETCH(QString, message);
    const PRecord record = parseRecordLine(line);
    const QString before = record->toString();
    const auto dialog = createRecordDialog(*record);
    FormDriver::type(dialog.get(), typed);

    const FormDriver::SeenBox box = FormDriver::pressOk(*dialog);

    QVERIFY(box.shown);
    QCOMPARE(box.title, QStringLiteral("Validation failed"));
    QCOMPARE(box.text, message);
    QCOMPARE(box.icon, QMessageBox::Critical);
    QCOMPARE(box.buttons, QMessageBox::StandardButtons(QMessageBox::Ok));
    QCOMPARE(box.parent, dialog.get());
    QCOMPARE(dialog->result(), int(QDialog::Rejected));
    QCOMPARE(record->toString(), before);
    for (const auto &edit : typed) {
        if (edit.first != QLatin1String("kivoHostAddress"))
            QCOMPARE(FormDriver::shown(dialog.get(), edit.first).remove(" s"), edit.second);
    }
}

void TestRecordDialogs::ok_afterRefusalCorrected_accepted()
{
    const PRecord record = parseRecordLine(QStringLiteral("www.example.com. 3600 IN A 192.0.2.1"));
    const auto dialog = createRecordDialog(*record);
    FormDriver::type(dialog.get(), QStringLiteral("lineEditName"), QStringLiteral("new.example"));
    QVERIFY(FormDriver::pressOk(*dialog).shown);

    QTest::keyClick(FormDriver::editor(dialog.get(), QStringLiteral("lineEditName")), '.');
    const FormDriver::SeenBox box = FormDriver::pressOk(*dialog);

    QVERIFY(!box.shown);
    QCOMPARE(dialog->result(), int(QDialog::Accepted));
    QCOMPARE(record->toString(), QStringLiteral("new.example. 3600 IN A 192.0.2.1"));
}

void TestRecordDialogs::ok_untouched_everyFieldKept_data()
{
    QTest::addColumn<QString>("line");
    QTest::newRow("SOA serial 4294967295, timers above the signed limit")
        << "example.com. 4294967295 IN SOA ns.example.com. hostmaster.example.com. 4294967295 "
           "3000000000 7200 4000000000 2147483648";
    QTest::newRow("SOA serial beyond 32 bits")
        << "example.com. 86400 IN SOA ns.example.com. hostmaster.example.com. 99999999999 "
           "86400 7200 3600000 172800";
    QTest::newRow("MX preference 3000000000")
        << "example.com. 3600 IN MX 3000000000 mail.example.com.";
    QTest::newRow("TXT TTL 5000000000") << "example.com. 5000000000 IN TXT \"x\"";
    QTest::newRow("A TTL 5000000000") << "www.example.com. 5000000000 IN A 192.0.2.1";
    QTest::newRow("SRV TTL 2147483648 and protocol outside the list")
        << "_sip._sctp.example.com. 2147483648 IN SRV 0 0 0 sip.example.com.";
    QTest::newRow("PTR under in-addr.arpa")
        << "10.1.168.192.in-addr.arpa. 3600 IN PTR host.example.com.";
    QTest::newRow("PTR owner with a zero-padded label, kept as text")
        << "010.2.0.192.in-addr.arpa. 3600 IN PTR host.example.com.";
    QTest::newRow("class word other than IN") << "example.com. 3600 CH TXT \"x\"";
    QTest::newRow("custom type word") << "example.com. 3600 IN TYPE65534 \\# 0";
}

void TestRecordDialogs::ok_untouched_everyFieldKept()
{
    QFETCH(QString, line);
    const PRecord record = parseRecordLine(line);
    const auto dialog = createRecordDialog(*record);

    const FormDriver::SeenBox box = FormDriver::pressOk(*dialog);

    QVERIFY2(!box.shown, qPrintable(box.text));
    QCOMPARE(record->toString(), line);
}

void TestRecordDialogs::ok_preferenceOnly_classWordAndZoneLinkKept()
{
    Zone zone;
    const PRecord record =
        parseRecordLine(QStringLiteral("example.com. 3600 HS MX 10 mail.example.com."));
    record->setZone(&zone);
    const auto dialog = createRecordDialog(*record);
    FormDriver::type(dialog.get(), QStringLiteral("spinBoxPreference"), QStringLiteral("0"));

    QVERIFY(!FormDriver::pressOk(*dialog).shown);

    const auto &mx = dynamic_cast<const MXRecord &>(*record);
    QCOMPARE(mx.preference(), quint64(0));
    QCOMPARE(mx.recordClass(), QStringLiteral("HS"));
    QCOMPARE(mx.type(), QStringLiteral("MX"));
    QCOMPARE(mx.zone(), &zone);
    QCOMPARE(mx.toString(), QStringLiteral("example.com. 3600 HS MX 0 mail.example.com."));
}

void TestRecordDialogs::tabOrder_followsForm_data()
{
    QTest::addColumn<QString>("line");
    QTest::addColumn<QStringList>("order");
    QTest::newRow("A: address last")
        << "www.example.com. 3600 IN A 192.0.2.1"
        << QStringList{"lineEditName", "spinBoxTTL", "kivoHostAddress"};
    QTest::newRow("PTR: address last")
        << "10.1.168.192.in-addr.arpa. 3600 IN PTR host.example.com."
        << QStringList{"lineEditPTRDName", "spinBoxTTL", "kivoHostAddress"};
    QTest::newRow("SRV: owner and TTL first")
        << srvLine
        << QStringList{"lineEditName",    "spinBoxTTL",    "lineEditService", "comboBoxProto",
                       "spinBoxPriority", "spinBoxWeight", "spinBoxPort",     "lineEditTarget"};
    QTest::newRow("SOA: row order")
        << soaLine << QStringList{"lineEditDomain", "lineEditMName",  "lineEditRName",
                                  "spinBoxSerial",  "spinBoxRefresh", "spinBoxRetry",
                                  "spinBoxExpire",  "spinBoxNCTTL",   "spinBoxTTL"};
    QTest::newRow("custom: row order")
        << "example.com. 3600 IN HINFO \"PC\" \"Linux\""
        << QStringList{"lineEditName", "lineEditType", "lineEditContent", "spinBoxTTL"};
}

void TestRecordDialogs::tabOrder_followsForm()
{
    QFETCH(QString, line);
    QFETCH(QStringList, order);
    const PRecord record = parseRecordLine(line);
    const auto dialog = createRecordDialog(*record);

    QCOMPARE(FormDriver::focusOrder(dialog.get(), order), order);
}

TAMZOR_TEST_MAIN(TestRecordDialogs)
#include "tst_recorddialogs.moc"
