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
        zoneRow("slave shown, underscores and case taken as typed", "slave IN",
                "?comboBoxType=slave|?comboBoxClass=IN|lineEditName=_Exa_mple.ORG.", ok, {},
                "_Exa_mple.ORG. slave IN");
        zoneRow("unknown type shows master and becomes it", "stub CH", "?comboBoxType=master", ok,
                {}, "example.com. master CH");
        zoneRow("class word shown in upper case and kept, type changed", "master hs",
                "?comboBoxClass=HS|comboBoxType=slave", ok, {}, "example.com. slave hs");
        zoneRow("cancel after edits", "master IN", "lineEditName=example.net.|comboBoxType=slave",
                QDialogButtonBox::Cancel, {}, "example.com. master IN");
        zoneRow("name without final dot, blanks around it", "master IN",
                "lineEditName= example.net ", ok, {}, "example.net master IN");
        zoneRow("refused: no name", "master IN", "comboBoxType=slave|lineEditName=", ok,
                "Domain name should not be empty", "example.com. master IN");
        zoneRow("refused: a blank inside the name", "master IN", "lineEditName=exa mple.net", ok,
                "The zone name exa mple.net is invalid\nDomain label exa mple is invalid",
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
