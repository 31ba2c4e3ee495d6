#include "dialogs/aaaarecordform.h"
#include "dialogs/arecordform.h"
#include "dialogs/cnamerecordform.h"
#include "dialogs/customrecordform.h"
#include "dialogs/mxrecordform.h"
#include "dialogs/nsrecordform.h"
#include "dialogs/ptrrecordform.h"
#include "dialogs/soarecordform.h"
#include "dialogs/srvrecordform.h"
#include "dialogs/txtrecordform.h"
#include "records/recordparser.h"
#include "tests/dialogs/formdriver.h"
#include "tests/support/testmain.h"
#include "tests/support/zonefixture.h"

#include <QGridLayout>

#include <memory>

namespace {
// New records of shop.test take its $TTL, those of the reverse zone the TTL most of its records
// have.
const QByteArray forwardZone = "$TTL 600\n"
                               "@ 3600 IN SOA ns1 hostmaster 2024010101 3600 900 1209600 3600\n"
                               "@ 3600 IN NS ns1\n"
                               "ns1 IN A 192.0.2.53\n";
const QByteArray reverseZone =
    "@ 7200 IN SOA ns1.shop.test. hostmaster.shop.test. 1 3600 900 1209600 3600\n"
    "@ 7200 IN NS ns1.shop.test.\n"
    "53 86400 IN PTR ns1.shop.test.\n";
const QString soaLine = QStringLiteral(
    "shop.test. 3600 IN SOA ns1.shop.test. hostmaster.shop.test. 2024010101 3600 900 1209600 3600");
const QString hostOnly =
    QStringLiteral("Domain label %1 is invalid: a host name takes letters, digits and inner "
                   "hyphens only");
const QString outside =
    QStringLiteral("%1 lies outside zone %2, whose file named would not take it");

using FormFactory = std::function<RecordForm *()>;

template <class Form> RecordForm *make()
{
    return new Form;
}

// The form that the rows below are typed into, and whether it works in the reverse zone.
struct RowForm
{
    FormFactory factory;
    const char *type;
    bool reverse;
};
RowForm rowForm;

template <class Form> void form(const char *type, bool reverse = false)
{
    rowForm = {make<Form>, type, reverse};
}

// An existing record, shown ("?field=text" checks what a field shows) and edited.
void edited(const char *name, const QString &start, const QString &typed, const QString &expected)
{
    QTest::addRow("%s: %s", rowForm.type, name) << rowForm << start << typed << expected;
}

// A new record of the form's type, typed in full.
void typed(const char *name, const QString &typed, const QString &expected)
{
    edited(name, QString(), typed, expected);
}

QString dkimKey()
{
    QString key = QStringLiteral("v=DKIM1; k=rsa; p=");
    while (key.size() < 300)
        key += QStringLiteral("MIIBIjANBgkqhkiG9w0BAQEFAAOCAQ8AMIIBCgKCAQEA");
    return key.left(300);
}
} // namespace

Q_DECLARE_METATYPE(FormFactory)
Q_DECLARE_METATYPE(RowForm)

// What is typed into each record form, and either the first message that refuses it or what named
// serves of the record it makes, as BIND's compiler reads it back from the zone's file.
class TestRecordForms : public QObject
{
    Q_OBJECT

private:
    std::unique_ptr<ZoneFixture> forward, reverse;

private slots:
    void initTestCase()
    {
        forward = std::make_unique<ZoneFixture>("shop.test", forwardZone);
        reverse = std::make_unique<ZoneFixture>("2.0.192.in-addr.arpa", reverseZone);
    }

    void write_typedOrEdited_servedOrFirstMessage_data()
    {
        QTest::addColumn<RowForm>("kind");
        QTest::addColumn<QString>("start");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("expected");
        form<ARecordForm>("A");
        typed("relative owner, the zone's $TTL", "lineEditName=www|lineEditAddress=192.0.2.1",
              "www.shop.test. 600 IN A 192.0.2.1");
        typed("@ for the apex, blanks around the address",
              "lineEditName=@|lineEditAddress= 192.0.2.2 ", "shop.test. 600 IN A 192.0.2.2");
        typed("absolute owner, TTL at its top",
              "lineEditName=web.shop.test.|lineEditAddress=192.0.2.3|"
              "spinBoxTTL=2147483647",
              "web.shop.test. 2147483647 IN A 192.0.2.3");
        typed("wildcard owner", "lineEditName=*.dev|lineEditAddress=192.0.2.4",
              "*.dev.shop.test. 600 IN A 192.0.2.4");
        typed("refused: 300.1.2.3 is no address, not 30.0.1.23",
              "lineEditName=www|lineEditAddress=300.1.2.3",
              "300.1.2.3 is not a valid IPv4 address");
        typed("refused: a leading zero", "lineEditName=www|lineEditAddress=192.0.02.1",
              "192.0.02.1 is not a valid IPv4 address");
        typed("refused: wildcard inside the name", "lineEditName=a.*|lineEditAddress=192.0.2.1",
              "Domain name is invalid.\nDomain label * is a wildcard only as the leftmost label");
        typed("refused: no owner", "lineEditAddress=192.0.2.1",
              "Domain name is invalid.\nDomain name should not be empty");
        form<AAAARecordForm>("AAAA");
        typed("relative owner", "lineEditName=v6|lineEditAddress=2001:db8::53",
              "v6.shop.test. 600 IN AAAA 2001:db8::53");
        typed("upper case and an IPv4 tail", "lineEditName=v6|lineEditAddress=::FFFF:192.0.2.1",
              "v6.shop.test. 600 IN AAAA ::ffff:192.0.2.1");
        typed("refused: 2001:db8::zz:1 is no address, not 2001:db8::1",
              "lineEditName=v6|lineEditAddress=2001:db8::zz:1",
              "2001:db8::zz:1 is not a valid IPv6 address");
        typed("refused: an IPv4 address", "lineEditName=v6|lineEditAddress=192.0.2.1",
              "192.0.2.1 is not a valid IPv6 address");
        typed("refused: a zone index", "lineEditName=v6|lineEditAddress=fe80::1%eth0",
              "fe80::1%eth0 is not a valid IPv6 address");
        form<CNAMERecordForm>("CNAME");
        typed("_acme-challenge alias to an outside name",
              "lineEditName=_acme-challenge|lineEditCname=shop.acme.example.",
              "_acme-challenge.shop.test. 600 IN CNAME shop.acme.example.");
        typed("relative target", "lineEditName=ftp|lineEditCname=ns1",
              "ftp.shop.test. 600 IN CNAME ns1.shop.test.");
        edited("underscore alias edited, shown relative",
               "_x._tcp.shop.test. 300 IN CNAME ns1.shop.test.",
               "?lineEditName=_x._tcp|?lineEditCname=ns1|lineEditCname=host.example.",
               "_x._tcp.shop.test. 300 IN CNAME host.example.");
        typed("refused: a blank inside the target", "lineEditName=ftp|lineEditCname=a b",
              "Canonical name is invalid.\nDomain label a b is invalid");
        form<MXRecordForm>("MX");
        typed("apex and relative exchange",
              "lineEditName=@|spinBoxPreference=10|lineEditExchange=ns1",
              "shop.test. 600 IN MX 10 ns1.shop.test.");
        typed("preference at its top, no mail (RFC 7505)",
              "lineEditName=@|spinBoxPreference=65535|lineEditExchange=.",
              "shop.test. 600 IN MX 65535 .");
        form<NSRecordForm>("NS");
        typed("delegation to an outside server", "lineEditName=sub|lineEditNSDName=ns.example.net.",
              "sub.shop.test. 600 IN NS ns.example.net.");
        typed("refused: underscore in the server's name",
              "lineEditName=sub|lineEditNSDName=_ns.example.net.",
              "Name server name is invalid.\n" + hostOnly.arg("_ns"));
        form<PTRRecordForm>("PTR", true);
        typed("IPv4 address for the owner, the zone's most common TTL",
              "lineEditAddress=192.0.2.10|lineEditPTRDName=www.shop.test.",
              "10.2.0.192.in-addr.arpa. 7200 IN PTR www.shop.test.");
        typed("relative owner", "lineEditAddress=11|lineEditPTRDName=www.shop.test.",
              "11.2.0.192.in-addr.arpa. 7200 IN PTR www.shop.test.");
        edited("address shown for the owner",
               "53.2.0.192.in-addr.arpa. 86400 IN PTR ns1.shop.test.",
               "?lineEditAddress=192.0.2.53|lineEditPTRDName=ns2.shop.test.",
               "53.2.0.192.in-addr.arpa. 86400 IN PTR ns2.shop.test.");
        edited("owner with a leading zero kept as a name",
               "010.2.0.192.in-addr.arpa. 300 IN PTR h.shop.test.", "?lineEditAddress=010",
               "010.2.0.192.in-addr.arpa. 300 IN PTR h.shop.test.");
        typed("refused: address outside the zone",
              "lineEditAddress=198.51.100.99|lineEditPTRDName=www.shop.test.",
              outside.arg("99.100.51.198.in-addr.arpa.", "2.0.192.in-addr.arpa"));
        typed("refused: 300.1.2.3", "lineEditAddress=300.1.2.3|lineEditPTRDName=www.shop.test.",
              "300.1.2.3 is not a valid IPv4 address");
        form<SOARecordForm>("SOA");
        edited("names relative, mailbox as an e-mail, serial past 2^31", soaLine,
               "?lineEditName=@|?lineEditMName=ns1|?lineEditRName=hostmaster@shop.test|"
               "spinBoxSerial=4294967295",
               "shop.test. 3600 IN SOA ns1.shop.test. hostmaster.shop.test. 4294967295 3600 900 "
               "1209600 3600");
        edited("dot in the local part of the e-mail", soaLine,
               "lineEditRName=dns.admin@example.net",
               "shop.test. 3600 IN SOA ns1.shop.test. dns\\.admin.example.net. 2024010101 3600 "
               "900 1209600 3600");
        edited("refused: serial past 2^32-1", soaLine, "spinBoxSerial=4294967296",
               "Serial 4294967296 is out of range 0 to 4294967295");
        edited("refused: e-mail without a domain", soaLine, "lineEditRName=hostmaster@",
               "hostmaster@ is no email address");
        edited("refused: underscore in the server's name", soaLine, "lineEditMName=_ns",
               "Name server name is not valid.\n" + hostOnly.arg("_ns"));
        form<SRVRecordForm>("SRV");
        typed("service at the apex, relative target",
              "lineEditService=_sip|comboBoxProto=_udp|lineEditName=@|spinBoxPriority=10|"
              "spinBoxWeight=20|spinBoxPort=5060|lineEditTarget=ns1",
              "_sip._udp.shop.test. 600 IN SRV 10 20 5060 ns1.shop.test.");
        typed("underscore domain, protocol typed into the list",
              "lineEditService=_ldap|comboBoxProto=_sctp|lineEditName=_msdcs|spinBoxPort=389|"
              "lineEditTarget=ns1",
              "_ldap._sctp._msdcs.shop.test. 600 IN SRV 0 0 389 ns1.shop.test.");
        typed("refused: port 65536",
              "lineEditService=_sip|lineEditName=@|spinBoxPort=65536|lineEditTarget=ns1",
              "Port 65536 is out of range 0 to 65535");
        typed("refused: service without underscore",
              "lineEditService=sip|lineEditName=@|lineEditTarget=ns1",
              "Service name should start with underscore");
        form<TXTRecordForm>("TXT");
        const QString key = dkimKey();
        typed("SPF typed as served is one string", "lineEditName=@|lineEditText=v=spf1 mx -all",
              "shop.test. 600 IN TXT \"v=spf1 mx -all\"");
        typed("DMARC at _dmarc, the semicolon kept",
              "lineEditName=_dmarc|lineEditText=v=DMARC1; p=reject",
              "_dmarc.shop.test. 600 IN TXT \"v=DMARC1; p=reject\"");
        typed("quotes and backslashes escaped",
              "lineEditName=note|lineEditText=He said \"hi\" \\o/",
              "note.shop.test. 600 IN TXT \"He said \\\"hi\\\" \\\\o/\"");
        typed("UTF-8 as BIND prints its bytes", "lineEditName=note|lineEditText=caf\u00e9",
              "note.shop.test. 600 IN TXT \"caf\\195\\169\"");
        typed("DKIM key of 300 characters in strings of 255 and 45 bytes",
              "lineEditName=sel._domainkey|lineEditText=" + key,
              "sel._domainkey.shop.test. 600 IN TXT \"" + key.left(255) + "\" \"" + key.mid(255) +
                  "\"");
        typed("a leading quote: zone-file strings as written",
              "lineEditName=@|lineEditText=\"v=spf1\" \"mx\"",
              "shop.test. 600 IN TXT \"v=spf1\" \"mx\"");
        edited("strings of a record shown and kept", "shop.test. 60 IN TXT \"v=spf1\" \"-all\"",
               "?lineEditText=\"v=spf1\" \"-all\"|spinBoxTTL=300",
               "shop.test. 300 IN TXT \"v=spf1\" \"-all\"");
        edited("one string shown as its text", "note.shop.test. 60 IN TXT \"a \\\"b\\\"; c\"",
               "?lineEditText=a \"b\"; c|spinBoxTTL=300",
               "note.shop.test. 300 IN TXT \"a \\\"b\\\"; c\"");
        typed("refused: a string of 256 bytes",
              "lineEditName=@|lineEditText=\"" + QString(256, 'x') + '"',
              "The text is not read as zone-file strings: a string holds 256 bytes, more than "
              "255");
        typed("refused: a string without its closing quote", "lineEditName=@|lineEditText=\"abc",
              "The text is not read as zone-file strings: a string lacks its closing quote");
        form<CustomRecordForm>("custom");
        typed("TLSA at _443._tcp.www",
              "lineEditName=_443._tcp.www|lineEditType=TLSA|lineEditContent=3 1 1 aabbcc",
              "_443._tcp.www.shop.test. 600 IN TLSA 3 1 1 AABBCC");
        typed("CAA at the apex",
              "lineEditName=@|lineEditType=CAA|lineEditContent=0 issue \"ca.example.net\"",
              "shop.test. 600 IN CAA 0 issue \"ca.example.net\"");
        typed("data that only BIND refuses", "lineEditName=@|lineEditType=TLSA|lineEditContent=3 1",
              "refused by BIND");
        typed("refused: a blank in the type word",
              "lineEditName=@|lineEditType=T X|"
              "lineEditContent=1",
              "T X is no record type");
        typed("refused: no data", "lineEditName=@|lineEditType=CAA",
              "The record's data should not be empty");
    }

    void write_typedOrEdited_servedOrFirstMessage()
    {
        QFETCH(RowForm, kind);
        QFETCH(QString, start);
        QFETCH(QString, typed);
        QFETCH(QString, expected);
        const ZoneFixture &fixture = kind.reverse ? *reverse : *forward;
        const std::unique_ptr<RecordForm> form(kind.factory());
        form->setZone(fixture.zone.data());
        const PRecord record = start.isEmpty() ? form->newRecord() : parseRecordLine(start);
        record->setZone(fixture.zone.data());
        form->fill(*record);
        FormDriver::fill(form.get(), typed);
        const QStringList problems = form->write(*record);
        QCOMPARE(problems.isEmpty() ? fixture.served(*record).join('\n') : problems.first(),
                 expected);
    }

    // Tab goes from field to field in the order the form shows them, past the locked owner of
    // the SOA form.
    void tab_visitsEveryFieldInItsRow_data()
    {
        QTest::addColumn<FormFactory>("factory");
        QTest::newRow("A") << FormFactory(make<ARecordForm>);
        QTest::newRow("AAAA") << FormFactory(make<AAAARecordForm>);
        QTest::newRow("CNAME") << FormFactory(make<CNAMERecordForm>);
        QTest::newRow("custom") << FormFactory(make<CustomRecordForm>);
        QTest::newRow("MX") << FormFactory(make<MXRecordForm>);
        QTest::newRow("NS") << FormFactory(make<NSRecordForm>);
        QTest::newRow("PTR") << FormFactory(make<PTRRecordForm>);
        QTest::newRow("SOA") << FormFactory(make<SOARecordForm>);
        QTest::newRow("SRV") << FormFactory(make<SRVRecordForm>);
        QTest::newRow("TXT") << FormFactory(make<TXTRecordForm>);
    }

    void tab_visitsEveryFieldInItsRow()
    {
        QFETCH(FormFactory, factory);
        const std::unique_ptr<RecordForm> form(factory());
        const auto *grid = form->findChild<QGridLayout *>();
        QStringList rows;
        for (int row = 0; row < grid->rowCount(); ++row) {
            QWidget *field = grid->itemAtPosition(row, 1)->widget();
            if (field->isEnabled())
                rows.append(field->objectName());
        }
        form->show();
        QVERIFY(QTest::qWaitForWindowActive(form.get()));
        form->findChild<QWidget *>(rows.first())->setFocus();
        QStringList visited;
        for (int step = 0; step < rows.size(); ++step) {
            QWidget *focus = QApplication::focusWidget();
            // Spin boxes and editable lists take the focus in their line edit.
            if (!rows.contains(focus->objectName()))
                focus = focus->parentWidget();
            visited.append(focus->objectName());
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        }
        QCOMPARE(visited, rows);
    }
};

TAMZOR_TEST_MAIN(TestRecordForms)
#include "tst_recordforms.moc"
