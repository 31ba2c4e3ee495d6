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

void row(const char *name, const QString &line, const QString &typed, const QString &expected)
{
    QTest::newRow(name) << line << typed << expected;
}
} // namespace

class TestRecordDialogs : public QObject
{
    Q_OBJECT

private slots:
    // Each row opens the dialog of the record's class, refused while the owner is empty. Large
    // values are left untouched on purpose: they must survive.
    void press_withoutOwnerThenWith_recordKeptUntilValidEditsTaken_data()
    {
        QTest::addColumn<QString>("line");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("expected");
        row("AAAA owner, address and TTL", "host.example.com. 3600 IN AAAA 2001:db8::1",
            "lineEditName=v6.example.com.|lineEditAddress=2001:db8::53|spinBoxTTL=300",
            "v6.example.com. 300 IN AAAA 2001:db8::53");
        row("A address", "www.example.com. 5000000000 IN A 192.0.2.1",
            "kivoHostAddress=198.51.100.7", "www.example.com. 5000000000 IN A 198.51.100.7");
        row("CNAME, owner typed with characters outside names",
            "www.example.com. 5000000000 IN CNAME example.com.",
            "lineEditName=w_w w@.example.com.|lineEditCname=web.example.net.",
            "www.example.com. 5000000000 IN CNAME web.example.net.");
        row("custom type word and data", "example.com. 5000000000 IN HINFO \"PC\" \"Linux\"",
            "lineEditType=RP|lineEditContent=hostmaster.example.com. .",
            "example.com. 5000000000 IN RP hostmaster.example.com. .");
        row("MX preference and exchange, class word HS kept",
            "example.com. 5000000000 HS MX 10 mail.example.com.",
            "spinBoxPreference=0|lineEditExchange=mx.example.net.",
            "example.com. 5000000000 HS MX 0 mx.example.net.");
        row("NS name server, class CH kept", "example.com. 5000000000 CH NS ns.example.com.",
            "lineEditNSDName=ns2.example.com.", "example.com. 5000000000 CH NS ns2.example.com.");
        row("PTR address becomes the reverse owner",
            "10.1.168.192.in-addr.arpa. 5000000000 IN PTR host.example.com.",
            "?kivoHostAddress=192.168.1.10|kivoHostAddress=192.0.2.10|"
            "lineEditPTRDName=mail.example.com.",
            "10.2.0.192.in-addr.arpa. 5000000000 IN PTR mail.example.com.");
        const QString ip6Typed = QStringLiteral(
            "f.e.0.0.0.0.0.0.0.0.0.0.0.0.0.0.0.0.0.0.0.0.0.0.8.B.D.0.1.0.0.2.ip6.arpa.");
        row("PTR ip6.arpa name typed in full", ip6Owner + " 5000000000 IN PTR host.example.com.",
            "?lineEditAddress=" + ip6Owner + "|lineEditAddress=" + ip6Typed,
            ip6Typed + " 5000000000 IN PTR host.example.com.");
        // An owner with a leading zero is no address; the address dialog would rewrite it.
        row("PTR owner 010 kept by the name dialog",
            "010.2.0.192.in-addr.arpa. 3600 IN PTR host.example.com.",
            "?lineEditAddress=010.2.0.192.in-addr.arpa.",
            "010.2.0.192.in-addr.arpa. 3600 IN PTR host.example.com.");
        row("SOA names and timers, serial and TTL beyond the editors kept",
            "example.com. 4294967295 IN SOA ns.example.com. hostmaster.example.com. 99999999999 "
            "86400 7200 3600000 172800",
            "?spinBoxSerial=4294967295|?spinBoxTTL=4294967295 s|lineEditMName=ns1.example.com.|"
            "lineEditRName=admin.example.com.|spinBoxRefresh=3600|spinBoxRetry=600|"
            "spinBoxExpire=1209600|spinBoxNCTTL=300",
            "example.com. 4294967295 IN SOA ns1.example.com. admin.example.com. 99999999999 3600 "
            "600 1209600 300");
        row("SOA serial 4294967295 typed", soaLine, "spinBoxSerial=4294967295",
            QString(soaLine).replace("2024010101", "4294967295"));
        row("SRV every field, protocol outside the list", srvLine,
            "lineEditService=_xmpp-server|comboBoxProto=_sctp|lineEditName=example.net.|"
            "spinBoxPriority=0|spinBoxWeight=65535|spinBoxPort=5269|"
            "lineEditTarget=xmpp.example.net.|spinBoxTTL=600",
            "_xmpp-server._sctp.example.net. 600 IN SRV 0 65535 5269 xmpp.example.net.");
        row("TXT text with quotes", "example.com. 5000000000 IN TXT \"old\"",
            "?spinBoxTTL=5000000000 s|lineEditText=\"v=spf1 mx -all\" \"2nd\"",
            "example.com. 5000000000 IN TXT \"v=spf1 mx -all\" \"2nd\"");
    }

    void press_withoutOwnerThenWith_recordKeptUntilValidEditsTaken()
    {
        QFETCH(QString, line);
        QFETCH(QString, typed);
        QFETCH(QString, expected);
        const PRecord record = parseRecordLine(line);
        const auto dialog = createRecordDialog(*record);
        fill(dialog.get(), typed);
        dialog->show();
        QPushButton *ok = dialog->findChild<QDialogButtonBox *>()->button(QDialogButtonBox::Ok);
        QVERIFY(refusesWithoutOwner(dialog.get(), ok));
        QCOMPARE(record->toString(), line);

        QCOMPARE(clickAndReadBoxes(ok), QStringList());
        QCOMPARE(record->toString(), expected);
    }
};

TAMZOR_TEST_MAIN(TestRecordDialogs)
#include "tst_recorddialogs.moc"
