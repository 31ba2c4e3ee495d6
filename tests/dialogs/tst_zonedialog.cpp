#include "dialogs/zonedialog.h"
#include "tests/dialogs/formdriver.h"
#include "tests/support/testmain.h"

#include <QComboBox>

using FormDriver::Edits;

namespace {
PZone makeZone(const QString &name, const QString &type, const QString &zoneClass = "IN")
{
    PZone zone(new Zone);
    zone->setName(name);
    zone->setType(type);
    zone->setZoneClass(zoneClass);
    zone->setFile(QStringLiteral("db.example"));
    zone->setConf(QStringLiteral("/etc/bind/named.conf.local"));
    return zone;
}

// Chooses an item the way a user does, from the keyboard.
void choose(QDialog &dialog, const QString &comboName, const QString &item)
{
    auto *combo = dialog.findChild<QComboBox *>(comboName);
    QTest::keyClick(combo, item == QLatin1String("master") ? Qt::Key_Up : Qt::Key_Down);
    QCOMPARE(combo->currentText(), item);
}
} // namespace

class TestZoneDialog : public QObject
{
    Q_OBJECT

private slots:
    void open_zone_showsNameTypeAndClass_data();
    void open_zone_showsNameTypeAndClass();
    void open_zone_formCanBeEditedAndConfirmed();
    void ok_edits_zoneTakesNameAndTypeOnly_data();
    void ok_edits_zoneTakesNameAndTypeOnly();
    void ok_invalidName_refusedZoneUnchanged_data();
    void ok_invalidName_refusedZoneUnchanged();
    void cancel_afterEdits_zoneUnchanged();
};

void TestZoneDialog::open_zone_showsNameTypeAndClass_data()
{
    QTest::addColumn<QString>("type");
    QTest::addColumn<QString>("zoneClass");
    QTest::addColumn<QString>("shownType");
    QTest::addColumn<QString>("shownClass");
    QTest::newRow("slave zone") << "slave"
                                << "IN"
                                << "slave"
                                << "IN";
    QTest::newRow("master zone") << "master"
                                 << "IN"
                                 << "master"
                                 << "IN";
    QTest::newRow("unknown type shows master") << "stub"
                                               << "IN"
                                               << "master"
                                               << "IN";
    QTest::newRow("chaos class") << "master"
                                 << "CH"
                                 << "master"
                                 << "CH";
    QTest::newRow("class word in lower case") << "master"
                                              << "hs"
                                              << "master"
                                              << "HS";
}

void TestZoneDialog::open_zone_showsNameTypeAndClass()
{
    QFETCH(QString, type);
    QFETCH(QString, zoneClass);
    QFETCH(QString, shownType);
    QFETCH(QString, shownClass);
    const PZone zone = makeZone(QStringLiteral("example.com."), type, zoneClass);
    ZoneDialog dialog(zone);
    QCOMPARE(FormDriver::shown(&dialog, "lineEditName"), QStringLiteral("example.com."));
    QCOMPARE(dialog.findChild<QComboBox *>("comboBoxType")->currentText(), shownType);
    QCOMPARE(dialog.findChild<QComboBox *>("comboBoxClass")->currentText(), shownClass);
}

void TestZoneDialog::open_zone_formCanBeEditedAndConfirmed()
{
    ZoneDialog dialog(makeZone(QStringLiteral("example.com."), QStringLiteral("master")));
    QVERIFY(dialog.isEnabled());
    QVERIFY(dialog.findChild<QWidget *>("lineEditName")->isEnabled());
    QVERIFY(dialog.findChild<QWidget *>("comboBoxType")->isEnabled());
    QVERIFY(FormDriver::button(dialog, QDialogButtonBox::Ok)->isEnabled());
    QVERIFY(!dialog.findChild<QWidget *>("comboBoxClass")->isEnabled());
}

void TestZoneDialog::ok_edits_zoneTakesNameAndTypeOnly_data()
{
    QTest::addColumn<QString>("type");
    QTest::addColumn<QString>("typedName");
    QTest::addColumn<QString>("chosenType");
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("newType");
    QTest::newRow("nothing changed") << "slave"
                                     << ""
                                     << ""
                                     << "example.com."
                                     << "slave";
    QTest::newRow("type only, master to slave") << "master"
                                                << ""
                                                << "slave"
                                                << "example.com."
                                                << "slave";
    QTest::newRow("name only") << "master"
                               << "example.net."
                               << ""
                               << "example.net."
                               << "master";
    QTest::newRow("name kept as typed, upper case too") << "slave"
                                                        << "Example.ORG."
                                                        << "master"
                                                        << "Example.ORG."
                                                        << "master";
    QTest::newRow("unknown type becomes master") << "stub"
                                                 << ""
                                                 << ""
                                                 << "example.com."
                                                 << "master";
    QTest::newRow("characters outside names cannot be typed") << "master"
                                                              << "my_zone example.com."
                                                              << ""
                                                              << "myzoneexample.com."
                                                              << "master";
}

void TestZoneDialog::ok_edits_zoneTakesNameAndTypeOnly()
{
    QFETCH(QString, type);
    QFETCH(QString, typedName);
    QFETCH(QString, chosenType);
    QFETCH(QString, name);
    QFETCH(QString, newType);
    const PZone zone = makeZone(QStringLiteral("example.com."), type, QStringLiteral("CH"));
    ZoneDialog dialog(zone);
    if (!typedName.isEmpty())
        FormDriver::type(&dialog, QStringLiteral("lineEditName"), typedName);
    if (!chosenType.isEmpty())
        choose(dialog, QStringLiteral("comboBoxType"), chosenType);

    const FormDriver::SeenBox box = FormDriver::pressOk(dialog);

    QVERIFY2(!box.shown, qPrintable(box.text));
    QCOMPARE(dialog.result(), int(QDialog::Accepted));
    QCOMPARE(zone->name(), name);
    QCOMPARE(zone->type(), newType);
    QCOMPARE(zone->zoneClass(), QStringLiteral("CH"));
    QCOMPARE(zone->file(), QStringLiteral("db.example"));
    QCOMPARE(zone->conf(), QStringLiteral("/etc/bind/named.conf.local"));
}

void TestZoneDialog::ok_invalidName_refusedZoneUnchanged_data()
{
    QTest::addColumn<QString>("typedName");
    QTest::addColumn<QString>("message");
    QTest::newRow("empty") << ""
                           << "Domain name should not be empty";
    QTest::newRow("root") << "."
                          << "Domain name should not start with dot";
    QTest::newRow("double dot") << "example..com."
                                << "Domain name should not contain double dots";
    QTest::newRow("no final dot")
        << "example.net"
        << "Domain name is not fully qualified.\nA fully qualified domain name consists of a list "
           "of domain labels representing the hierarchy from the lowest relevant level in the DNS "
           "to the top-level domain. The DNS root is unnamed, expressed as the empty label "
           "terminated by the dot.\nDomain name example.net doesn't ends with \".\".";
    QTest::newRow("255 characters") << QString(63, 'a') + "." + QString(63, 'b') + "." +
                                           QString(63, 'c') + "." + QString(63, 'd') + "."
                                    << "Domain name exceeds the maximum size";
    QTest::newRow("label starting with a hyphen") << "-example.com."
                                                  << "Domain label -example is invalid";
}

void TestZoneDialog::ok_invalidName_refusedZoneUnchanged()
{
    QFETCH(QString, typedName);
    QFETCH(QString, message);
    const PZone zone = makeZone(QStringLiteral("example.com."), QStringLiteral("master"));
    ZoneDialog dialog(zone);
    FormDriver::type(&dialog, QStringLiteral("lineEditName"), typedName);
    choose(dialog, QStringLiteral("comboBoxType"), QStringLiteral("slave"));

    const FormDriver::SeenBox box = FormDriver::pressOk(dialog);

    QVERIFY(box.shown);
    QCOMPARE(box.title, QStringLiteral("Validation failed"));
    QCOMPARE(box.text, message);
    QCOMPARE(box.icon, QMessageBox::Critical);
    QCOMPARE(box.parent, &dialog);
    QCOMPARE(dialog.result(), int(QDialog::Rejected));
    QCOMPARE(zone->name(), QStringLiteral("example.com."));
    QCOMPARE(zone->type(), QStringLiteral("master"));
}

void TestZoneDialog::cancel_afterEdits_zoneUnchanged()
{
    const PZone zone = makeZone(QStringLiteral("example.com."), QStringLiteral("master"));
    ZoneDialog dialog(zone);
    FormDriver::type(&dialog, QStringLiteral("lineEditName"), QStringLiteral("example.net."));
    choose(dialog, QStringLiteral("comboBoxType"), QStringLiteral("slave"));

    FormDriver::button(dialog, QDialogButtonBox::Cancel)->click();

    QCOMPARE(dialog.result(), int(QDialog::Rejected));
    QCOMPARE(zone->name(), QStringLiteral("example.com."));
    QCOMPARE(zone->type(), QStringLiteral("master"));
}

TAMZOR_TEST_MAIN(TestZoneDialog)
#include "tst_zonedialog.moc"
