#include "dialogs/zonedialog.h"
#include "tests/dialogs/formdriver.h"
#include "tests/support/testmain.h"

using namespace FormDriver;

namespace {
void zoneRow(const char *name, const char *typeAndClass, const QString &typed,
             QDialogButtonBox::StandardButton button, const QString &message, const char *fields)
{
    QTest::newRow(name) << typeAndClass << typed << int(button) << message << fields;
}
} // namespace

class TestZoneDialog : public QObject
{
    Q_OBJECT

private slots:
    // The zone "example.com." of the given type and class is opened, edited and the button pressed;
    // "fields" is then its name, type and class.
    void press_edits_zoneTakesNameAndTypeOrStaysUnchanged_data()
    {
        QTest::addColumn<QString>("typeAndClass");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<int>("button");
        QTest::addColumn<QString>("message");
        QTest::addColumn<QString>("fields");
        const auto ok = QDialogButtonBox::Ok;
        zoneRow("slave shown, name taken as typed without characters outside names", "slave IN",
                "?comboBoxType=slave|?comboBoxClass=IN|lineEditName=Exa_mple .ORG.", ok, {},
                "Example.ORG. slave IN");
        zoneRow("unknown type shows master and becomes it", "stub CH", "?comboBoxType=master", ok,
                {}, "example.com. master CH");
        zoneRow("class word shown in upper case and kept, type changed", "master hs",
                "?comboBoxClass=HS|comboBoxType=slave", ok, {}, "example.com. slave hs");
        zoneRow("cancel after edits", "master IN", "lineEditName=example.net.|comboBoxType=slave",
                QDialogButtonBox::Cancel, {}, "example.com. master IN");
        zoneRow("refused: name without final dot", "master IN",
                "comboBoxType=slave|lineEditName=example.net", ok, notQualified("example.net"),
                "example.com. master IN");
    }

    void press_edits_zoneTakesNameAndTypeOrStaysUnchanged()
    {
        QFETCH(QString, typeAndClass);
        QFETCH(QString, typed);
        QFETCH(int, button);
        QFETCH(QString, message);
        QFETCH(QString, fields);
        const PZone zone(new Zone);
        zone->setName(QStringLiteral("example.com."));
        zone->setType(typeAndClass.section(' ', 0, 0));
        zone->setZoneClass(typeAndClass.section(' ', 1, 1));
        zone->setFile(QStringLiteral("db.example"));
        zone->setConf(QStringLiteral("/etc/bind/named.conf.local"));
        ZoneDialog dialog(zone);
        fill(&dialog, typed);
        dialog.show();

        const auto which = QDialogButtonBox::StandardButton(button);
        QCOMPARE(clickAndReadBoxes(dialog.findChild<QDialogButtonBox *>()->button(which)),
                 refused(message));

        QCOMPARE(QString(zone->name() + ' ' + zone->type() + ' ' + zone->zoneClass()), fields);
        QCOMPARE(QString(zone->file() + ' ' + zone->conf()),
                 "db.example /etc/bind/named.conf.local");
    }
};

TAMZOR_TEST_MAIN(TestZoneDialog)
#include "tst_zonedialog.moc"
