#include "dialogs/zonedialog.h"
#include "tests/dialogs/formdriver.h"
#include "tests/support/testmain.h"

using namespace FormDriver;

namespace {
// A zone "example.com." of the given type and class, as the configuration declares it.
PZone makeZone(const QString &typeAndClass)
{
    PZone zone(new Zone);
    zone->setName(QStringLiteral("example.com."));
    zone->setType(typeAndClass.section(' ', 0, 0));
    zone->setZoneClass(typeAndClass.section(' ', 1, 1));
    zone->setFile(QStringLiteral("db.example"));
    zone->setConf(QStringLiteral("/etc/bind/named.conf.local"));
    return zone;
}

void openRow(const char *name, const char *typeAndClass, const QString &shown)
{
    QTest::newRow(name) << typeAndClass << shown;
}

// Presses the button after typing the name (when given) and moving through the type list.
void pressRow(const char *name, const char *type, const QString &typedName, int arrow,
              QDialogButtonBox::StandardButton button, const QString &message, const char *fields)
{
    QTest::newRow(name) << type << typedName << arrow << int(button) << message
                        << fields + QStringLiteral(" CH db.example /etc/bind/named.conf.local");
}
} // namespace

class TestZoneDialog : public QObject
{
    Q_OBJECT

private slots:
    void open_zone_showsItEditableExceptClass_data();
    void open_zone_showsItEditableExceptClass();
    void press_edits_zoneTakesNameAndTypeOrStaysUnchanged_data();
    void press_edits_zoneTakesNameAndTypeOrStaysUnchanged();
};

void TestZoneDialog::open_zone_showsItEditableExceptClass_data()
{
    QTest::addColumn<QString>("typeAndClass");
    QTest::addColumn<QString>("shown");
    openRow("slave zone", "slave IN", "slave IN");
    openRow("master zone", "master IN", "master IN");
    openRow("unknown type shows master", "stub IN", "master IN");
    openRow("chaos class", "master CH", "master CH");
    openRow("class word in lower case", "master hs", "master HS");
}

void TestZoneDialog::open_zone_showsItEditableExceptClass()
{
    QFETCH(QString, typeAndClass);
    QFETCH(QString, shown);
    ZoneDialog dialog(makeZone(typeAndClass));

    fill(&dialog, "?lineEditName=example.com.|?comboBoxType=" + shown.section(' ', 0, 0) +
                      "|?comboBoxClass=" + shown.section(' ', 1, 1));
    QVERIFY(dialog.isEnabled());
    QVERIFY(editor(&dialog, "lineEditName")->isEnabled());
    QVERIFY(editor(&dialog, "comboBoxType")->isEnabled());
    QVERIFY(dialog.findChild<QDialogButtonBox *>()->button(QDialogButtonBox::Ok)->isEnabled());
    QVERIFY(!editor(&dialog, "comboBoxClass")->isEnabled());
}

void TestZoneDialog::press_edits_zoneTakesNameAndTypeOrStaysUnchanged_data()
{
    QTest::addColumn<QString>("type");
    QTest::addColumn<QString>("typedName");
    QTest::addColumn<int>("arrow");
    QTest::addColumn<int>("button");
    QTest::addColumn<QString>("message");
    QTest::addColumn<QString>("fields");
    const auto ok = QDialogButtonBox::Ok;
    pressRow("nothing changed", "slave", {}, 0, ok, {}, "example.com. slave");
    pressRow("type only, master to slave", "master", {}, Qt::Key_Down, ok, {},
             "example.com. slave");
    pressRow("name only", "master", "example.net.", 0, ok, {}, "example.net. master");
    pressRow("name kept as typed, upper case too", "slave", "Example.ORG.", Qt::Key_Up, ok, {},
             "Example.ORG. master");
    pressRow("unknown type becomes master", "stub", {}, 0, ok, {}, "example.com. master");
    pressRow("characters outside names cannot be typed", "master", "my_zone example.com.", 0, ok,
             {}, "myzoneexample.com. master");
    pressRow("cancel after edits", "master", "example.net.", Qt::Key_Down, QDialogButtonBox::Cancel,
             {}, "example.com. master");

    const QString longName = QString(63, 'a') + "." + QString(63, 'b') + "." + QString(63, 'c') +
                             "." + QString(63, 'd') + ".";
    const QList<QPair<QString, QString>> refusals = {
        {"", "Domain name should not be empty"},
        {".", "Domain name should not start with dot"},
        {"example..com.", "Domain name should not contain double dots"},
        {"example.net", notQualified("example.net")},
        {longName, "Domain name exceeds the maximum size"},
        {"-example.com.", "Domain label -example is invalid"}};
    for (const auto &[name, message] : refusals)
        pressRow(qPrintable("refused: " + message.section('\n', 0, 0)), "master", name,
                 Qt::Key_Down, ok, message, "example.com. master");
}

void TestZoneDialog::press_edits_zoneTakesNameAndTypeOrStaysUnchanged()
{
    QFETCH(QString, type);
    QFETCH(QString, typedName);
    QFETCH(int, arrow);
    QFETCH(int, button);
    QFETCH(QString, message);
    QFETCH(QString, fields);
    const PZone zone = makeZone(type + " CH");
    ZoneDialog dialog(zone);
    if (!typedName.isEmpty() || !message.isEmpty())
        FormDriver::type(&dialog, QStringLiteral("lineEditName"), typedName);
    if (arrow)
        QTest::keyClick(editor(&dialog, "comboBoxType"), Qt::Key(arrow));

    QCOMPARE(press(dialog, QDialogButtonBox::StandardButton(button)),
             message.isEmpty() ? QStringList() : refused(message));

    const bool accepted = message.isEmpty() && button == QDialogButtonBox::Ok;
    QCOMPARE(dialog.result(), int(accepted ? QDialog::Accepted : QDialog::Rejected));
    QCOMPARE(
        QStringList({zone->name(), zone->type(), zone->zoneClass(), zone->file(), zone->conf()})
            .join(' '),
        fields);
}

TAMZOR_TEST_MAIN(TestZoneDialog)
#include "tst_zonedialog.moc"
