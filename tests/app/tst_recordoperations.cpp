#include "app/mainwindow.h"
#include "tests/dialogs/formdriver.h"
#include "tests/support/testmain.h"
#include "windowdriver.h"

#include <QAction>

using namespace WindowDriver;

namespace {
const QString zoneFile = QStringLiteral("/etc/bind/db.example.com");
const QByteArray exampleZone =
    "$TTL 3600\n@ IN SOA ns1.example.com. hostmaster.example.com. 1 7200 3600 1209600 3600\n"
    " IN NS ns1.example.com.\nns1 IN A 192.0.2.1\nwww IN A 192.0.2.2\nsip IN A 192.0.2.3\n"
    "alias IN CNAME sip\n_sip._udp IN SRV 10 20 5060 sip.example.com.\n";
const QStringList exampleRecords = {
    "_sip._udp.example.com. 3600 IN SRV 10 20 5060 sip.example.com.",
    "alias.example.com. 3600 IN CNAME sip.example.com.",
    "example.com. 3600 IN NS ns1.example.com.",
    "example.com. 3600 IN SOA ns1.example.com. hostmaster.example.com. 1 7200 3600 1209600 3600",
    "ns1.example.com. 3600 IN A 192.0.2.1",
    "sip.example.com. 3600 IN A 192.0.2.3",
    "www.example.com. 3600 IN A 192.0.2.2"};
} // namespace

// Adding, editing and removing records from the main window: the zone file follows the table at
// once, and a save that fails puts table, zone and file back as they were.
class TestRecordOperations : public QObject
{
    Q_OBJECT

private:
    std::unique_ptr<MainWindow> window;

private slots:
    void initTestCase()
    {
        // The checkers look up name servers outside the zone: those lookups must stay here.
        QString reason;
        QVERIFY2(Sandbox::isolateNetwork(&reason), qPrintable(reason));
    }

    void init()
    {
        Sandbox::reset();
        Sandbox::installDebianDefaults();
        Sandbox::writeFile(
            QStringLiteral("/etc/bind/named.conf.local"),
            "zone \"example.com\" { type master; file \"/etc/bind/db.example.com\"; };\n");
        Sandbox::writeFile(zoneFile, exampleZone);
    }

    void cleanup() { window.reset(); }

    // The sandbox's directories go with the process; a read-only mount must not stand in the way.
    void cleanupTestCase() { Sandbox::reset(); }

    // The command on the selected record, the answers to what it opens, the boxes it shows, and
    // the record line it takes away and the one it brings.
    void recordCommand_fileHoldsExactlyTheListedRecords_data()
    {
        QTest::addColumn<QString>("command");
        QTest::addColumn<QString>("selected");
        QTest::addColumn<QList<Answer>>("answers");
        QTest::addColumn<QStringList>("boxes");
        QTest::addColumn<QString>("removed");
        QTest::addColumn<QString>("added");
        const QString add = "actionAddRecord", edit = "actionEditRecord",
                      remove = "actionRemoveRecord";
        const Answer ok = press(QMessageBox::Ok), yes = press(QMessageBox::Yes);
        const QString www = "www.example.com. 3600 IN A 192.0.2.2";
        const QString question = "question Remove: Do you really want to remove record ";
        const QStringList refused{"critical Can't save zone records: Zone contains errors: *"
                                  "Records will be restored."};
        const QVariantMap mail{{"lineEditName", "mail.example.com."},
                               {"kivoHostAddress", "192.0.2.25"},
                               {"spinBoxTTL", 600}};
        const QVariantMap alias{{"lineEditName", "www.example.com."},
                                {"lineEditCname", "sip.example.com."}};
        const Answer typeAndCancel = [](QWidget *dialog) {
            FormDriver::fill(dialog, QStringLiteral("kivoHostAddress=192.0.2.99"));
            cancel()(dialog);
        };
        const QString none;
        QTest::newRow("add address record")
            << add << none << QList<Answer>{recordWizard("A", mail)} << QStringList() << none
            << "mail.example.com. 600 IN A 192.0.2.25";
        QTest::newRow("edit address of a record")
            << edit << "www."
            << QList<Answer>{fillAndAccept(
                   {{"kivoHostAddress", "192.0.2.80"}, {"spinBoxTTL", 300}})}
            << QStringList() << www << "www.example.com. 300 IN A 192.0.2.80";
        QTest::newRow("remove address record: asks with its owner name")
            << remove << "www." << QList<Answer>{yes} << QStringList(question + "www.example.com.?")
            << www << none;
        QTest::newRow("remove service record: asks with the domain alone")
            << remove << "_sip." << QList<Answer>{yes} << QStringList(question + "example.com.?")
            << exampleRecords.at(0) << none;
        QTest::newRow("record wizard cancelled")
            << add << none << QList<Answer>{cancel()} << QStringList() << none << none;
        QTest::newRow("record dialog cancelled after typing")
            << edit << "www." << QList<Answer>{typeAndCancel} << QStringList() << none << none;
        QTest::newRow("removal declined")
            << remove << "www." << QList<Answer>{press(QMessageBox::No)}
            << QStringList(question + "www.example.com.?") << none << none;
        QTest::newRow("added alias beside other data, checker refuses")
            << add << none << QList<Answer>{recordWizard("CNAME", alias), ok} << refused << none
            << none;
        QTest::newRow("alias edited onto a name with other data, checker refuses")
            << edit << "alias."
            << QList<Answer>{fillAndAccept({{"lineEditName", "www.example.com."}}), ok} << refused
            << none << none;
        QTest::newRow("record removed from a read-only file")
            << remove << "www." << QList<Answer>{yes, ok}
            << QStringList({question + "www.example.com.?",
                            "critical Can't save zone records: Can't save zone records*Records "
                            "will be restored."})
            << none << none;
    }

    void recordCommand_fileHoldsExactlyTheListedRecords()
    {
        QFETCH(QString, command);
        QFETCH(QString, selected);
        QFETCH(QList<Answer>, answers);
        QFETCH(QStringList, boxes);
        QFETCH(QString, removed);
        QFETCH(QString, added);
        start(window, QStringLiteral("example.com"), selected);
        const bool readOnly = QByteArray(QTest::currentDataTag()).contains("read-only");
        if (readOnly)
            Sandbox::makeReadOnly();

        QCOMPARE(fitted(give(*window, command, answers), boxes), boxes);

        QStringList expected = exampleRecords;
        expected.removeAll(removed);
        if (!added.isEmpty())
            expected = sorted(expected << added);
        QCOMPARE(listedRecords(*window), expected);
        QCOMPARE(sorted(recordLines(listedZone(*window, "example.com")->records())), expected);
        if (expected == exampleRecords)
            QCOMPARE(Sandbox::readFile(zoneFile), exampleZone);
        else
            QCOMPARE(recordsOnDisk("example.com", zoneFile), expected);
        if (!readOnly)
            return;
        // A failed removal lists the records anew: edit and remove have no record to act on.
        QVERIFY(!action(*window, QStringLiteral("actionEditRecord"))->isEnabled());
        QVERIFY(!action(*window, QStringLiteral("actionRemoveRecord"))->isEnabled());
        ModalScript none;
        QVERIFY(QMetaObject::invokeMethod(window.get(), "editRecord"));
        QVERIFY(QMetaObject::invokeMethod(window.get(), "removeRecord"));
        QCOMPARE(none.seen, QStringList());
    }
};

TAMZOR_SANDBOX_TEST_MAIN(TestRecordOperations)
#include "tst_recordoperations.moc"
