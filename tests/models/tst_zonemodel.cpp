#include "models/zonemodel.h"
#include "tests/support/testmain.h"

#include <QAbstractItemModelTester>
#include <QStandardItemModel>

class TestZoneModel : public QObject
{
    Q_OBJECT

private slots:
    // An index of another model names no zone: the window must not act on a zone by it.
    void data_nameInDisplayRoleOnly_foreignIndexNamesAndRemovesNoZone()
    {
        ZoneModel model;
        QAbstractItemModelTester tester(&model);
        PZone zone(new Zone);
        zone->setName(QStringLiteral("example.com"));
        model.setZones({zone});
        QCOMPARE(model.index(0).data(), QVariant(QStringLiteral("example.com")));
        QVERIFY(!model.index(0).data(Qt::ToolTipRole).isValid());
        QStandardItemModel other(2, 1);
        QVERIFY(model.zone(other.index(0, 0)).isNull());
        model.removeZone(other.index(0, 0));
        QCOMPARE(model.rowCount(), 1);
    }
};

TAMZOR_TEST_MAIN(TestZoneModel)
#include "tst_zonemodel.moc"
