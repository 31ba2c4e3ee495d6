#include "models/zonemodel.h"
#include "tests/support/testmain.h"

#include <QAbstractItemModelTester>
#include <QSignalSpy>
#include <QStandardItemModel>

namespace {
PZone makeZone(const char *name)
{
    PZone zone(new Zone);
    zone->setName(QString::fromLatin1(name));
    return zone;
}
} // namespace

class TestZoneModel : public QObject
{
    Q_OBJECT

private slots:
    // An index of another model, or past the rows, names no zone: nothing is shown or removed.
    void data_nameInDisplayRoleOnly_foreignIndexesChangeNothing()
    {
        ZoneModel model;
        QAbstractItemModelTester tester(&model);
        const QList<PZone> zones = {makeZone("example.com"), makeZone("b.")};
        model.setZones(zones);
        QCOMPARE(model.index(0).data(), QVariant(QStringLiteral("example.com")));
        QVERIFY(!model.index(0).data(Qt::ToolTipRole).isValid());
        QVERIFY(!model.headerData(0, Qt::Horizontal).isValid());
        QStandardItemModel other(50, 1);
        QVERIFY(model.zone(other.index(4, 0)).isNull());
        QSignalSpy removed(&model, &QAbstractItemModel::rowsRemoved);
        model.removeZone(QModelIndex());
        model.removeZone(other.index(2, 0));
        model.removeZone(other.index(40, 0));
        QCOMPARE(model.zones(), zones);
        QCOMPARE(removed.count(), 0);
    }

    void appendZone_nameSortingFirst_isLastRow()
    {
        ZoneModel model;
        QAbstractItemModelTester tester(&model);
        const QList<PZone> zones = {makeZone("m.example"), makeZone("z.example"), makeZone("a.")};
        model.setZones(zones.mid(0, 2));
        QSignalSpy inserted(&model, &QAbstractItemModel::rowsInserted);
        model.appendZone(zones.at(2));
        QCOMPARE(model.zones(), zones);
        QCOMPARE(inserted.count(), 1);
        QCOMPARE(inserted.at(0).at(1).toInt(), 2);
    }
};

TAMZOR_TEST_MAIN(TestZoneModel)
#include "tst_zonemodel.moc"
