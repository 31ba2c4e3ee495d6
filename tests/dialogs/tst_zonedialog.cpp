#include "dialogs/zonedialog.h"
#include "records/primaryserver.h"
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
    // The zone "example.com." of the given type and class (and a slave's primaries after them) is
    // opened, edited and the button pressed; "fields" is then its name, type, class and
    // primaries.
    void press_edits_zoneTakesNameAndTypeOrStaysUnchanged_data()
    {
        QTest::addColumn<QString>("typeAndClass");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<int>("button");
        QTest::addColumn<QString>("message");
        QTest::addColumn<QString>("fields");
        const auto ok = QDialogButtonBox::Ok;
        zoneRow("slave shown, underscores and case taken as typed", "slave IN 192.0.2.1",
                "?comboBoxType=slave|?comboBoxClass=IN|?lineEditPrimaries=192.0.2.1|"
                "lineEditName=_Exa_mple.ORG.",
                ok, {}, "_Exa_mple.ORG. slave IN 192.0.2.1");
        zoneRow("unknown type shows master and becomes it", "stub CH", "?comboBoxType=master", ok,
                {}, "example.com. master CH");
        zoneRow("class word shown in upper case and kept, type changed with its primary",
                "master hs", "?comboBoxClass=HS|comboBoxType=slave|lineEditPrimaries=192.0.2.1", ok,
                {}, "example.com. slave hs 192.0.2.1");
        zoneRow("slave's primaries replaced, as BIND writes them", "slave IN 192.0.2.1",
                "lineEditPrimaries=2001:DB8::1 port 5353 key xfer-key; 192.0.2.7;", ok, {},
                "example.com. slave IN 2001:db8::1 port 5353 key xfer-key; 192.0.2.7");
        zoneRow("slave made a master drops its primaries", "slave IN 192.0.2.1",
                "comboBoxType=master", ok, {}, "example.com. master IN");
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
        zone->setPrimaries(PrimaryServer::entries(typeAndClass.section(' ', 2)));
        zone->setFile(QStringLiteral("db.example"));
        zone->setConf(QStringLiteral("/etc/bind/named.conf.local"));
        ZoneDialog dialog(zone);
        fill(&dialog, typed);
        dialog.show();

        const auto which = QDialogButtonBox::StandardButton(button);
        QCOMPARE(clickAndReadBoxes(dialog.findChild<QDialogButtonBox *>()->button(which)),
                 refused(message));

        const QString primaries = PrimaryServer::line(zone->primaries());
        QCOMPARE(QStringList({zone->name(), zone->type(), zone->zoneClass(), primaries})
                     .join(' ')
                     .trimmed(),
                 fields);
        QCOMPARE(QString(zone->file() + ' ' + zone->conf()),
                 "db.example /etc/bind/named.conf.local");
    }
};

TAMZOR_TEST_MAIN(TestZoneDialog)
#include "tst_zonedialog.moc"
