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
    // The type index is the row of the type list: A, PTR, CNAME, NS, SRV, MX, AAAA, TXT, SOA,
    // custom.
    void finish_eachType_recordOfThatClassOrFirstMessage_data()
    {
        QTest::addColumn<int>("typeIndex");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("message");
        QTest::addColumn<QString>("line");
        const QString soa = "lineEditDomain=example.com.|lineEditMName=ns.example.com.|"
                            "lineEditRName=hostmaster.example.com.";
        const QString srv = "lineEditName=example.com.|lineEditTarget=server.example.com.|";

        finishRow("A", 0,
                  "lineEditName=www.example.com.|kivoHostAddress=192.0.2.10|spinBoxTTL=3600",
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
        finishRow("MX", 5,
                  "lineEditName=example.com.|spinBoxPreference=10|"
                  "lineEditExchange=mail.example.com.",
                  "example.com. 86400 IN MX 10 mail.example.com.");
        finishRow("AAAA", 6,
                  "lineEditName=host.example.com.|lineEditAddress=2001:db8::1|spinBoxTTL=0",
                  "host.example.com. 0 IN AAAA 2001:db8::1");
        finishRow("TXT keeps quotes and spaces", 7,
                  "lineEditName=example.com.|lineEditText=\"v=spf1 mx -all\"",
                  "example.com. 86400 IN TXT \"v=spf1 mx -all\"");
        finishRow(
            "SOA named after the typed domain, serial above the signed 32-bit range", 8,
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
    }

    void finish_eachType_recordOfThatClassOrFirstMessage()
    {
        QFETCH(int, typeIndex);
        QFETCH(QString, typed);
        QFETCH(QString, message);
        QFETCH(QString, line);
        RecordWizard wizard;
        QWidget *form = openForm(wizard, typeIndex);
        fill(form, typed);
        if (message.isEmpty())
            QVERIFY(refusesWithoutOwner(form, wizard.button(QWizard::FinishButton)));
        QCOMPARE(pressForward(wizard), refused(message));

        if (!message.isEmpty())
            return;
        QCOMPARE(wizard.result(), int(QDialog::Accepted));
        const PRecord record = wizard.record();
        QCOMPARE(record->toString(), line);
        QCOMPARE(typeid(*record.data()).name(), typeid(*parseRecordLine(line).data()).name());
    }

    // Records take any text in these fields: only the editor keeps out what is not printable ASCII.
    void printableFields_refuseOtherCharacters_data()
    {
        QTest::addColumn<int>("typeIndex");
        QTest::addColumn<QString>("field");
        QTest::newRow("SRV service") << 4 << "lineEditService";
        QTest::newRow("SRV protocol") << 4 << "comboBoxProto";
        QTest::newRow("TXT text") << 7 << "lineEditText";
        QTest::newRow("custom type") << 9 << "lineEditType";
        QTest::newRow("custom data") << 9 << "lineEditContent";
    }

    void printableFields_refuseOtherCharacters()
    {
        QFETCH(int, typeIndex);
        QFETCH(QString, field);
        RecordWizard wizard;
        fill(openForm(wizard, typeIndex),
             QString("%1=caf\u00e9 \"ok\"\t|?%1=caf \"ok\"").arg(field));
    }
};

TAMZOR_TEST_MAIN(TestRecordWizard)
#include "tst_recordwizard.moc"
