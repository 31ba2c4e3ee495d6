#include "app/mainwindow.h"
#include "tests/dialogs/formdriver.h"
#include "tests/support/testmain.h"
#include "windowdriver.h"

#include <QAction>
#include <QTableView>

#include <memory>

using namespace WindowDriver;

namespace {
const QString zoneName = QStringLiteral("example.com");
const QString zoneFile = QStringLiteral("/etc/bind/db.example.com");
const QString savingFailed = QStringLiteral("Can't save zone records");
const QString restored = QStringLiteral("Records will be restored.");

const QByteArray localZones = R"(zone "example.com" {
	type master;
	file "/etc/bind/db.example.com";
};
)";

const QByteArray exampleZone = R"($TTL 3600
@	IN	SOA	ns1.example.com. hostmaster.example.com. 1 7200 3600 1209600 3600
	IN	NS	ns1.example.com.
ns1	IN	A	192.0.2.1
www	IN	A	192.0.2.2
sip	IN	A	192.0.2.3
alias	IN	CNAME	sip
_sip._udp	IN	SRV	10 20 5060 sip.example.com.
)";

const QStringList exampleRecords = {
    QStringLiteral("_sip._udp.example.com. 3600 IN SRV 10 20 5060 sip.example.com."),
    QStringLiteral("alias.example.com. 3600 IN CNAME sip.example.com."),
    QStringLiteral("example.com. 3600 IN NS ns1.example.com."),
    QStringLiteral(
        "example.com. 3600 IN SOA ns1.example.com. hostmaster.example.com. 1 7200 3600 1209600 "
        "3600"),
    QStringLiteral("ns1.example.com. 3600 IN A 192.0.2.1"),
    QStringLiteral("sip.example.com. 3600 IN A 192.0.2.3"),
    QStringLiteral("www.example.com. 3600 IN A 192.0.2.2"),
};

QStringList zoneLines(const PZone &zone)
{
    QStringList lines;
    const QList<PRecord> records = zone->records();
    for (const PRecord &record : records)
        lines.append(record->toString());
    return sorted(lines);
}

QStringList applied(QStringList lines, const QStringList &removed, const QStringList &added)
{
    for (const QString &line : removed)
        lines.removeAll(line);
    return sorted(lines + added);
}
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
        QCOMPARE(listedRecords(*window), exampleRecords);
        if (!selectedRecord.isEmpty())
            selectRecord(*window, selectedRecord);
    }

    // The command as the user gives it, with the answers for what it opens.
    QList<Answer> answersFor(const QString &command, const QString &wizardType,
                             const QVariantMap &form)
    {
        if (command == QLatin1String("actionAddRecord"))
            return {recordWizard(wizardType, form)};
        if (command == QLatin1String("actionEditRecord"))
            return {fillAndAccept(form)};
        return {press(QMessageBox::Yes)};
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

    void recordCommand_done_fileHoldsExactlyTheListedRecords_data()
    {
        QTest::addColumn<QString>("command");
        QTest::addColumn<QString>("selected");
        QTest::addColumn<QString>("wizardType");
        QTest::addColumn<QVariantMap>("form");
        QTest::addColumn<QStringList>("removed");
        QTest::addColumn<QStringList>("added");

        QTest::newRow("add address record")
            << "actionAddRecord" << QString() << "A"
            << QVariantMap{{"lineEditName", "mail.example.com."},
                           {"kivoHostAddress", "192.0.2.25"},
                           {"spinBoxTTL", 600}}
            << QStringList() << QStringList{"mail.example.com. 600 IN A 192.0.2.25"};
        QTest::newRow("add service record")
            << "actionAddRecord" << QString() << "SRV"
            << QVariantMap{{"lineEditService", "_ldap"}, {"lineEditName", "example.com."},
                           {"spinBoxPriority", 5},       {"spinBoxWeight", 7},
                           {"spinBoxPort", 389},         {"lineEditTarget", "www.example.com."}}
            << QStringList()
            << QStringList{"_ldap._tcp.example.com. 86400 IN SRV 5 7 389 www.example.com."};
        QTest::newRow("add quoted text with a blank")
            << "actionAddRecord" << QString() << "TXT"
            << QVariantMap{{"lineEditName", "example.com."}, {"lineEditText", "\"v=spf1 -all\""}}
            << QStringList() << QStringList{"example.com. 86400 IN TXT \"v=spf1 -all\""};
        QTest::newRow("edit address of a record")
            << "actionEditRecord"
            << "www." << QString()
            << QVariantMap{{"kivoHostAddress", "192.0.2.80"}, {"spinBoxTTL", 300}}
            << QStringList{"www.example.com. 3600 IN A 192.0.2.2"}
            << QStringList{"www.example.com. 300 IN A 192.0.2.80"};
        QTest::newRow("edit target of a service record")
            << "actionEditRecord"
            << "_sip." << QString()
            << QVariantMap{{"spinBoxPort", 5061}, {"lineEditTarget", "www.example.com."}}
            << QStringList{"_sip._udp.example.com. 3600 IN SRV 10 20 5060 sip.example.com."}
            << QStringList{"_sip._udp.example.com. 3600 IN SRV 10 20 5061 www.example.com."};
        QTest::newRow("remove address record")
            << "actionRemoveRecord"
            << "www." << QString() << QVariantMap()
            << QStringList{"www.example.com. 3600 IN A 192.0.2.2"} << QStringList();
    }

    void recordCommand_done_fileHoldsExactlyTheListedRecords()
    {
        QFETCH(QString, command);
        QFETCH(QString, selected);
        QFETCH(QString, wizardType);
        QFETCH(QVariantMap, form);
        QFETCH(QStringList, removed);
        QFETCH(QStringList, added);
        startOnExampleZone(selected);

        ModalScript script(answersFor(command, wizardType, form));
        action(*window, command)->trigger();

        QCOMPARE(script.unexpected, QStringList());
        QCOMPARE(script.remaining(), 0);
        const QStringList expected = applied(exampleRecords, removed, added);
        QCOMPARE(listedRecords(*window), expected);
        QCOMPARE(zoneLines(listedZone(*window, zoneName)), expected);
        QCOMPARE(recordsOnDisk(zoneName, zoneFile), expected);
    }

    void recordCommand_cancelled_changesNothingWritesNothing_data()
    {
        QTest::addColumn<QString>("command");
        QTest::addColumn<QString>("selected");
        QTest::addColumn<Answer>("answer");
        QTest::newRow("record wizard cancelled") << "actionAddRecord" << QString() << cancel();
        QTest::newRow("record dialog cancelled after typing")
            << "actionEditRecord"
            << "www." << Answer([](QWidget *dialog) {
                   FormDriver::fill(dialog, QStringLiteral("kivoHostAddress=192.0.2.99"));
                   cancel()(dialog);
               });
        QTest::newRow("removal declined") << "actionRemoveRecord"
                                          << "www." << press(QMessageBox::No);
    }

    void recordCommand_cancelled_changesNothingWritesNothing()
    {
        QFETCH(QString, command);
        QFETCH(QString, selected);
        QFETCH(Answer, answer);
        startOnExampleZone(selected);

        ModalScript script({answer});
        action(*window, command)->trigger();

        QCOMPARE(script.unexpected, QStringList());
        QCOMPARE(script.remaining(), 0);
        QCOMPARE(listedRecords(*window), exampleRecords);
        QCOMPARE(zoneLines(listedZone(*window, zoneName)), exampleRecords);
        QCOMPARE(Sandbox::readFile(zoneFile), exampleZone);
    }

    void removeRecord_asksWithOwnerNameField_data()
    {
        QTest::addColumn<QString>("selected");
        QTest::addColumn<QString>("question");
        QTest::newRow("address record: its owner name")
            << "www."
            << "Do you really want to remove record www.example.com.?";
        QTest::newRow("service record: the domain without service and protocol")
            << "_sip."
            << "Do you really want to remove record example.com.?";
    }

    void removeRecord_asksWithOwnerNameField()
    {
        QFETCH(QString, selected);
        QFETCH(QString, question);
        startOnExampleZone(selected);

        ModalScript script({press(QMessageBox::No)});
        action(*window, QStringLiteral("actionRemoveRecord"))->trigger();

        QCOMPARE(script.boxes.size(), 1);
        const SeenBox box = script.boxes.first();
        QCOMPARE(box.title, QStringLiteral("Remove"));
        QCOMPARE(box.text, question);
        QCOMPARE(box.icon, QMessageBox::Question);
        QCOMPARE(box.buttons, QMessageBox::Yes | QMessageBox::No);
        QVERIFY(box.hasParent);
    }

    void recordSave_fails_showsWhyAndRestoresTableZoneAndFile_data()
    {
        QTest::addColumn<QString>("command");
        QTest::addColumn<QString>("selected");
        QTest::addColumn<QString>("wizardType");
        QTest::addColumn<QVariantMap>("form");
        QTest::addColumn<bool>("readOnly");
        QTest::addColumn<QString>("reason");

        const QString refused = QStringLiteral("Zone contains errors: ");
        const QVariantMap mailAddress{{"lineEditName", "mail.example.com."},
                                      {"kivoHostAddress", "192.0.2.25"}};
        QTest::newRow("added alias beside other data, checker refuses")
            << "actionAddRecord" << QString() << "CNAME"
            << QVariantMap{{"lineEditName", "www.example.com."},
                           {"lineEditCname", "sip.example.com."}}
            << false << refused;
        QTest::newRow("added record onto a read-only file")
            << "actionAddRecord" << QString() << "A" << mailAddress << true << savingFailed;
        QTest::newRow("alias edited onto a name with other data, checker refuses")
            << "actionEditRecord"
            << "alias." << QString() << QVariantMap{{"lineEditName", "www.example.com."}} << false
            << refused;
        QTest::newRow("record edited onto a read-only file")
            << "actionEditRecord"
            << "www." << QString() << QVariantMap{{"kivoHostAddress", "192.0.2.80"}} << true
            << savingFailed;
        QTest::newRow("last name server removed, checker refuses")
            << "actionRemoveRecord"
            << "example.com. 3600 IN NS" << QString() << QVariantMap() << false << refused;
        QTest::newRow("record removed from a read-only file")
            << "actionRemoveRecord"
            << "www." << QString() << QVariantMap() << true << savingFailed;
    }

    void recordSave_fails_showsWhyAndRestoresTableZoneAndFile()
    {
        QFETCH(QString, command);
        QFETCH(QString, selected);
        QFETCH(QString, wizardType);
        QFETCH(QVariantMap, form);
        QFETCH(bool, readOnly);
        QFETCH(QString, reason);
        startOnExampleZone(selected);
        if (readOnly)
            Sandbox::makeReadOnly();

        ModalScript script(answersFor(command, wizardType, form) << press(QMessageBox::Ok));
        action(*window, command)->trigger();

        QCOMPARE(script.unexpected, QStringList());
        QCOMPARE(script.remaining(), 0);
        const SeenBox failure = script.boxes.last();
        QCOMPARE(failure.title, savingFailed);
        QCOMPARE(failure.icon, QMessageBox::Critical);
        QCOMPARE(failure.buttons, QMessageBox::Ok);
        QVERIFY(failure.hasParent);
        QVERIFY2(failure.text.startsWith(reason), qPrintable(failure.text));
        QVERIFY2(failure.text.endsWith(restored), qPrintable(failure.text));
        QCOMPARE(listedRecords(*window), exampleRecords);
        QCOMPARE(zoneLines(listedZone(*window, zoneName)), exampleRecords);
        QCOMPARE(Sandbox::readFile(zoneFile), exampleZone);
    }

    void recordCommands_afterFailedSave_actOnNoRecord_data()
    {
        QTest::addColumn<QString>("slot");
        QTest::newRow("edit") << "editRecord";
        QTest::newRow("remove") << "removeRecord";
    }

    // A failed save lists the records anew, so nothing is selected any more.
    void recordCommands_afterFailedSave_actOnNoRecord()
    {
        QFETCH(QString, slot);
        startOnExampleZone(QStringLiteral("www."));
        Sandbox::makeReadOnly();
        {
            ModalScript script({press(QMessageBox::Yes), press(QMessageBox::Ok)});
            action(*window, QStringLiteral("actionRemoveRecord"))->trigger();
            QCOMPARE(script.remaining(), 0);
        }

        ModalScript script;
        QVERIFY(QMetaObject::invokeMethod(window.get(), qPrintable(slot)));

        QCOMPARE(script.unexpected, QStringList());
        QCOMPARE(listedRecords(*window), exampleRecords);
        QVERIFY(!action(*window, QStringLiteral("actionEditRecord"))->isEnabled());
        QVERIFY(!action(*window, QStringLiteral("actionRemoveRecord"))->isEnabled());
    }
};

TAMZOR_SANDBOX_TEST_MAIN(TestRecordOperations)
#include "tst_recordoperations.moc"
