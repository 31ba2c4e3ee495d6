#include "dialogs/createrecorddialog.h"
#include "dialogs/recorddialog.h"
#include "records/recordparser.h"
#include "tests/dialogs/formdriver.h"
#include "tests/support/testmain.h"

using namespace FormDriver;

namespace {
const QString wwwLine = QStringLiteral("www.example.com. 300 IN A 192.0.2.1");
const QString failureTitle = QStringLiteral("Can't save zone records");
} // namespace

class TestRecordDialogs : public QObject
{
    Q_OBJECT

private slots:
    // Pointer records whose owner is no IPv4 reverse name get the dialog for the others.
    void createRecordDialog_dialogOfTheRecordsClass_data()
    {
        QTest::addColumn<QString>("line");
        QTest::addColumn<QString>("dialog");
        const auto row = [](const char *line, const char *dialog) {
            QTest::newRow(dialog) << QString(line) << QString(dialog);
        };
        row("example. 1 IN SOA ns.example. h.example. 1 3600 600 1209600 300", "SOARecordDialog");
        row("example. 1 IN MX 10 mail.example.", "MXRecordDialog");
        row("_sip._udp.example. 1 IN SRV 1 2 5060 sip.example.", "SRVRecordDialog");
        row("example. 1 IN NS ns1.example.", "NSRecordDialog");
        row("www.example. 1 IN A 192.0.2.1", "ARecordDialog");
        row("www.example. 1 IN AAAA 2001:db8::1", "AAAARecordDialog");
        row("ftp.example. 1 IN CNAME www.example.", "CNAMERecordDialog");
        row("1.2.0.192.in-addr.arpa. 1 IN PTR h.example.", "PTRRecordDialog");
        row("1.0.0.0.0.0.0.0.0.0.0.0.0.0.0.0.0.0.0.0.0.0.0.0.8.b.d.0.1.0.0.2.ip6.arpa. 1 IN PTR "
            "h.example.",
            "PTRv6RecordDialog");
        row("example. 1 IN TXT \"v\"", "TXTRecordDialog");
        row("example. 1 IN CAA 0 issue \"ca.example.net\"", "CustomRecordDialog");
    }

    void createRecordDialog_dialogOfTheRecordsClass()
    {
        QFETCH(QString, line);
        QFETCH(QString, dialog);
        const PRecord record = parseRecordLine(line);
        QCOMPARE(createRecordDialog(*record)->metaObject()->className(), dialog);
    }

    // OK on the A record www.example.com. with the address typed; a change, when set, throws
    // `refusal` unless it is empty. The record takes the edit only once it is made.
    void ok_validAndChanged_recordTakesEditAndDialogCloses_data()
    {
        QTest::addColumn<QString>("address");
        QTest::addColumn<bool>("withChange");
        QTest::addColumn<QString>("refusal");
        QTest::addColumn<QStringList>("boxes");
        QTest::addColumn<QString>("line");
        const QString edited = QStringLiteral("www.example.com. 300 IN A 192.0.2.80");
        QTest::newRow("no change set")
            << "192.0.2.80" << false << QString() << QStringList() << edited;
        QTest::newRow("change made")
            << "192.0.2.80" << true << QString() << QStringList() << edited;
        QTest::newRow("invalid input: refused, nothing changed")
            << "300.1.2.3" << true << QString() << refused("300.1.2.3 is not a valid IPv4 address")
            << wwwLine;
        QTest::newRow("change refused: shown, nothing changed")
            << "192.0.2.80" << true << "Zone contains errors: example.com:1: bad"
            << QStringList("critical " + failureTitle +
                           ": Zone contains errors: example.com:1: bad")
            << wwwLine;
    }

    void ok_validAndChanged_recordTakesEditAndDialogCloses()
    {
        QFETCH(QString, address);
        QFETCH(bool, withChange);
        QFETCH(QString, refusal);
        QFETCH(QStringList, boxes);
        QFETCH(QString, line);
        const PRecord record = parseRecordLine(wwwLine);
        const std::unique_ptr<RecordDialog> dialog = createRecordDialog(*record);
        QStringList changed;
        if (withChange)
            dialog->setChange(failureTitle, [&](const PRecord &edited) {
                if (!refusal.isEmpty())
                    throw ErrorStackException(refusal);
                changed.append(edited->toString());
            });
        dialog->show();
        fill(dialog.get(), "lineEditAddress=" + address);

        QCOMPARE(clickAndReadBoxes(
                     dialog->findChild<QDialogButtonBox *>()->button(QDialogButtonBox::Ok)),
                 boxes);

        QCOMPARE(record->toString(), line);
        QCOMPARE(dialog->isVisible(), line == wwwLine);
        QCOMPARE(changed, withChange && line != wwwLine ? QStringList(line) : QStringList());
        // Whatever was typed is still there to correct.
        QCOMPARE(shown(dialog.get(), "lineEditAddress"), address);
    }
};

TAMZOR_TEST_MAIN(TestRecordDialogs)
#include "tst_recorddialogs.moc"
