#include "app/mainwindow.h"
#include "tests/dialogs/formdriver.h"
#include "tests/support/testmain.h"
#include "windowdriver.h"

#include <QAction>
#include <QRegularExpression>

#include <memory>

using namespace WindowDriver;

namespace {
const QString zoneName = QStringLiteral("example.com");
const QString zoneFile = QStringLiteral("/etc/bind/db.example.com");
const QString savingFailed = QStringLiteral("Can't save zone records");
const QString restored = QStringLiteral("Records will be restored.");

const QByteArray localZones =
    "zone \"example.com\" { type master; file \"/etc/bind/db.example.com\"; };\n";
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

    void startOnExampleZone(const QString &selectedRecord)
    {
        window = std::make_unique<MainWindow>();
        window->show();
        QVERIFY(QTest::qWaitForWindowExposed(window.get()));
        window->initialize();
        selectZone(*window, zoneName);
        if (!selectedRecord.isEmpty())
            selectRecord(*window, selectedRecord);
    }

private slots:
    void initTestCase()
    {
        // The checkers look up name servers, mail exchangers and service targets outside the
        // zone: those lookups must not leave this machine.
        QString reason;
        QVERIFY2(Sandbox::isolateNetwork(&reason), qPrintable(reason));
    }

    void init()
    {
        Sandbox::reset();
        Sandbox::installDebianDefaults();
        Sandbox::writeFile(QStringLiteral("/etc/bind/named.conf.local"), localZones);
        Sandbox::writeFile(zoneFile, exampleZone);
    }

    void cleanup() { window.reset(); }

    // The sandbox's directories go with the process; a read-only mount must not stand in the way.
    void cleanupTestCase() { Sandbox::reset(); }

    // A command with the answers to what it opens, the record line it takes away and the one it
    // brings, and its first box: the removal question, or why the save failed.
    void recordCommand_fileHoldsExactlyTheListedRecords_data()
    {
        QTest::addColumn<QString>("command");
        QTest::addColumn<QString>("selected");
        QTest::addColumn<QList<Answer>>("answers");
        QTest::addColumn<QString>("removed");
        QTest::addColumn<QString>("added");
        QTest::addColumn<QString>("box");
        const QString add = "actionAddRecord", edit = "actionEditRecord",
                      remove = "actionRemoveRecord";
        const QList<Answer> yes{press(QMessageBox::Yes)};
        const QString www = "www.example.com. 3600 IN A 192.0.2.2";
        const QString sip = "_sip._udp.example.com. 3600 IN SRV 10 20 5060 sip.example.com.";
        const QString question = "Remove: Do you really want to remove record ";
        const QString refused = "Zone contains errors: ";
        const QVariantMap mail{{"lineEditName", "mail.example.com."},
                               {"kivoHostAddress", "192.0.2.25"},
                               {"spinBoxTTL", 600}};
        const QVariantMap srv{{"lineEditService", "_ldap"}, {"lineEditName", "example.com."},
                              {"spinBoxPriority", 5},       {"spinBoxWeight", 7},
                              {"spinBoxPort", 389},         {"lineEditTarget", "www.example.com."}};
        const QVariantMap txt{{"lineEditName", "example.com."},
                              {"lineEditText", "\"v=spf1 -all\""}};
        const QVariantMap alias{{"lineEditName", "www.example.com."},
                                {"lineEditCname", "sip.example.com."}};
        const Answer typeAndCancel = [](QWidget *dialog) {
            FormDriver::fill(dialog, QStringLiteral("kivoHostAddress=192.0.2.99"));
            cancel()(dialog);
        };
        const QString none;
        QTest::newRow("add address record")
            << add << none << QList<Answer>{recordWizard("A", mail)} << none
            << "mail.example.com. 600 IN A 192.0.2.25" << none;
        QTest::newRow("add service record")
            << add << none << QList<Answer>{recordWizard("SRV", srv)} << none
            << "_ldap._tcp.example.com. 86400 IN SRV 5 7 389 www.example.com." << none;
        QTest::newRow("add quoted text with a blank")
            << add << none << QList<Answer>{recordWizard("TXT", txt)} << none
            << "example.com. 86400 IN TXT \"v=spf1 -all\"" << none;
        QTest::newRow("edit address of a record")
            << edit << "www."
            << QList<Answer>{fillAndAccept(
                   {{"kivoHostAddress", "192.0.2.80"}, {"spinBoxTTL", 300}})}
            << www << "www.example.com. 300 IN A 192.0.2.80" << none;
        QTest::newRow("edit target of a service record")
            << edit << "_sip."
            << QList<Answer>{fillAndAccept(
                   {{"spinBoxPort", 5061}, {"lineEditTarget", "www.example.com."}})}
            << sip << "_sip._udp.example.com. 3600 IN SRV 10 20 5061 www.example.com." << none;
        QTest::newRow("remove address record: asks with its owner name")
            << remove << "www." << yes << www << none << question + "www.example.com.?";
        QTest::newRow("remove service record: asks with the domain alone")
            << remove << "_sip." << yes << sip << none << question + "example.com.?";
        QTest::newRow("record wizard cancelled")
            << add << none << QList<Answer>{cancel()} << none << none << none;
        QTest::newRow("record dialog cancelled after typing")
            << edit << "www." << QList<Answer>{typeAndCancel} << none << none << none;
        QTest::newRow("removal declined")
            << remove << "www." << QList<Answer>{press(QMessageBox::No)} << none << none << none;
        QTest::newRow("added alias beside other data, checker refuses")
            << add << none << QList<Answer>{recordWizard("CNAME", alias)} << none << none
            << refused;
        QTest::newRow("added record onto a read-only file")
            << add << none << QList<Answer>{recordWizard("A", mail)} << none << none
            << savingFailed;
        QTest::newRow("alias edited onto a name with other data, checker refuses")
            << edit << "alias."
            << QList<Answer>{fillAndAccept({{"lineEditName", "www.example.com."}})} << none << none
            << refused;
        QTest::newRow("last name server removed, checker refuses")
            << remove << "example.com. 3600 IN NS" << yes << none << none << refused;
        QTest::newRow("record removed from a read-only file")
            << remove << "www." << yes << none << none << savingFailed;
    }

    void recordCommand_fileHoldsExactlyTheListedRecords()
    {
        QFETCH(QString, command);
        QFETCH(QString, selected);
        QFETCH(QList<Answer>, answers);
        QFETCH(QString, removed);
        QFETCH(QString, added);
        QFETCH(QString, box);
        const QString question = box.startsWith(QStringLiteral("Remove: ")) ? box : QString();
        const QString failure = question.isEmpty() ? box : QString();
        startOnExampleZone(selected);
        if (failure == savingFailed)
            Sandbox::makeReadOnly();

        ModalScript script(answers + QList<Answer>{press(QMessageBox::Ok)});
        action(*window, command)->trigger();

        QCOMPARE(script.unexpected, QStringList());
        QCOMPARE(script.remaining(), failure.isEmpty() ? 1 : 0);
        if (!question.isEmpty())
            QCOMPARE(script.boxes.first().title + ": " + script.boxes.first().text, question);
        QStringList expected =
            sorted(exampleRecords + QStringList{added}).filter(QRegularExpression("."));
        expected.removeAll(removed);
        QCOMPARE(listedRecords(*window), expected);
        QCOMPARE(recordLines(listedZone(*window, zoneName)->records()), expected);
        QCOMPARE(recordsOnDisk(zoneName, zoneFile), expected);
        if (expected == exampleRecords)
            QCOMPARE(Sandbox::readFile(zoneFile), exampleZone);
        if (failure.isEmpty())
            return;
        const SeenBox failed = script.boxes.last();
        QCOMPARE(failed.title, savingFailed);
        QCOMPARE(failed.icon, QMessageBox::Critical);
        QVERIFY(failed.hasParent);
        QVERIFY2(failed.text.startsWith(failure) && failed.text.endsWith(restored),
                 qPrintable(failed.text));
        // A failed removal lists the records anew: edit and remove have no record to act on.
        if (command != QLatin1String("actionRemoveRecord"))
            return;
        QVERIFY(!action(*window, QStringLiteral("actionEditRecord"))->isEnabled());
        QVERIFY(!action(*window, QStringLiteral("actionRemoveRecord"))->isEnabled());
        ModalScript none;
        QVERIFY(QMetaObject::invokeMethod(window.get(), "editRecord"));
        QVERIFY(QMetaObject::invokeMethod(window.get(), "removeRecord"));
        QCOMPARE(none.unexpected, QStringList());
        QCOMPARE(listedRecords(*window), exampleRecords);
    }
};

TAMZOR_SANDBOX_TEST_MAIN(TestRecordOperations)
#include "tst_recordoperations.moc"
