#include "models/zonemodel.h"
#include "tests/support/testmain.h"

#include <QAbstractItemModelTester>
#include <QSignalSpy>
#include <QStandardItemModel>
#include <QTableView>

namespace {
PZone makeZone(const QString &name)
{
    PZone zone(new Zone);
    zone->setName(name);
    return zone;
}

QStringList shownNames(const ZoneModel &model)
{
    QStringList names;
    for (int row = 0; row < model.rowCount(); ++row)
        names.append(model.index(row).data().toString());
    return names;
}
} // namespace

class TestZoneModel : public QObject
{
    Q_OBJECT

private slots:
    void rowCount_rootCountsZones_childOfRowHasNone()
    {
        ZoneModel model;
        QAbstractItemModelTester tester(&model);
        model.setZones({makeZone(QStringLiteral("a.")), makeZone(QStringLiteral("b."))});
        QCOMPARE(model.rowCount(), 2);
        QCOMPARE(model.rowCount(model.index(0)), 0);
    }

    void data_onlyDisplayRoleShowsName_data()
    {
        QTest::addColumn<int>("role");
        QTest::addColumn<QVariant>("expected");
        QTest::newRow("display role gives the name")
            << int(Qt::DisplayRole) << QVariant(QStringLiteral("example.com"));
        QTest::newRow("tool tip role gives nothing") << int(Qt::ToolTipRole) << QVariant();
        QTest::newRow("decoration role gives nothing") << int(Qt::DecorationRole) << QVariant();
        QTest::newRow("edit role gives nothing") << int(Qt::EditRole) << QVariant();
        QTest::newRow("alignment role gives nothing") << int(Qt::TextAlignmentRole) << QVariant();
    }

    void data_onlyDisplayRoleShowsName()
    {
        QFETCH(int, role);
        QFETCH(QVariant, expected);
        ZoneModel model;
        model.setZones({makeZone(QStringLiteral("example.com"))});
        QCOMPARE(model.data(model.index(0), role), expected);
    }

    void data_indexOfAnotherModel_givesNothing()
    {
        ZoneModel model;
        model.setZones({makeZone(QStringLiteral("example.com"))});
        QStandardItemModel other(5, 1);
        QVERIFY(!model.data(other.index(4, 0)).isValid());
        QVERIFY(!model.data(QModelIndex()).isValid());
        QVERIFY(model.zone(other.index(4, 0)).isNull());
    }

    void headerData_anySectionOrientationRole_givesNothing()
    {
        ZoneModel model;
        model.setZones({makeZone(QStringLiteral("example.com"))});
        for (Qt::Orientation orientation : {Qt::Horizontal, Qt::Vertical}) {
            for (int section : {-1, 0, 1, 5}) {
                for (int role : {int(Qt::DisplayRole), int(Qt::ToolTipRole), int(Qt::SizeHintRole),
                                 int(Qt::TextAlignmentRole)})
                    QVERIFY(!model.headerData(section, orientation, role).isValid());
            }
        }
    }

    void zone_givesTheSameObject()
    {
        ZoneModel model;
        const PZone zone = makeZone(QStringLiteral("example.com"));
        model.setZones({makeZone(QStringLiteral("a.")), zone});
        QCOMPARE(model.zone(model.index(1)).data(), zone.data());
        QCOMPARE(model.zones().at(1).data(), zone.data());
    }

    void appendZone_emptyModel_oneRow()
    {
        ZoneModel model;
        QAbstractItemModelTester tester(&model);
        QSignalSpy inserted(&model, &QAbstractItemModel::rowsInserted);
        model.appendZone(makeZone(QStringLiteral("example.com")));
        QCOMPARE(model.rowCount(), 1);
        QCOMPARE(inserted.count(), 1);
        QCOMPARE(inserted.at(0).at(1).toInt(), 0);
        QCOMPARE(inserted.at(0).at(2).toInt(), 0);
    }

    void appendZone_nameSortingFirst_isLastRow()
    {
        ZoneModel model;
        QAbstractItemModelTester tester(&model);
        model.setZones(
            {makeZone(QStringLiteral("m.example")), makeZone(QStringLiteral("z.example"))});
        QSignalSpy inserted(&model, &QAbstractItemModel::rowsInserted);
        model.appendZone(makeZone(QStringLiteral("a.example")));
        QCOMPARE(shownNames(model),
                 QStringList({QStringLiteral("m.example"), QStringLiteral("z.example"),
                              QStringLiteral("a.example")}));
        QCOMPARE(inserted.at(0).at(1).toInt(), 2);
        QCOMPARE(inserted.at(0).at(2).toInt(), 2);
    }

    void removeZone_removesExactlyThatRow_data()
    {
        QTest::addColumn<int>("row");
        QTest::addColumn<QStringList>("left");
        QTest::newRow("first") << 0 << QStringList({QStringLiteral("b."), QStringLiteral("c.")});
        QTest::newRow("middle") << 1 << QStringList({QStringLiteral("a."), QStringLiteral("c.")});
        QTest::newRow("last") << 2 << QStringList({QStringLiteral("a."), QStringLiteral("b.")});
    }

    void removeZone_removesExactlyThatRow()
    {
        QFETCH(int, row);
        QFETCH(QStringList, left);
        ZoneModel model;
        QAbstractItemModelTester tester(&model);
        model.setZones({makeZone(QStringLiteral("a.")), makeZone(QStringLiteral("b.")),
                        makeZone(QStringLiteral("c."))});
        QSignalSpy removed(&model, &QAbstractItemModel::rowsRemoved);
        model.removeZone(model.index(row));
        QCOMPARE(shownNames(model), left);
        QCOMPARE(removed.count(), 1);
        QCOMPARE(removed.at(0).at(1).toInt(), row);
        QCOMPARE(removed.at(0).at(2).toInt(), row);
    }

    void removeZone_rowOutsideList_changesNothing_data()
    {
        QTest::addColumn<int>("row");
        QTest::newRow("invalid index") << -1;
        QTest::newRow("one past the end") << 2;
        QTest::newRow("far past the end") << 40;
    }

    void removeZone_rowOutsideList_changesNothing()
    {
        QFETCH(int, row);
        ZoneModel model;
        QAbstractItemModelTester tester(&model);
        model.setZones({makeZone(QStringLiteral("a.")), makeZone(QStringLiteral("b."))});
        QStandardItemModel other(50, 1);
        const QModelIndex index = row < 0 ? QModelIndex() : other.index(row, 0);
        QSignalSpy aboutToRemove(&model, &QAbstractItemModel::rowsAboutToBeRemoved);
        QSignalSpy reset(&model, &QAbstractItemModel::modelReset);
        QSignalSpy layout(&model, &QAbstractItemModel::layoutChanged);
        model.removeZone(index);
        QCOMPARE(shownNames(model), QStringList({QStringLiteral("a."), QStringLiteral("b.")}));
        QCOMPARE(aboutToRemove.count() + reset.count() + layout.count(), 0);
    }

    void setZones_sameList_stillResetsAndDropsSelection()
    {
        ZoneModel model;
        QAbstractItemModelTester tester(&model);
        QTableView view;
        view.setModel(&model);
        model.setZones({makeZone(QStringLiteral("a.")), makeZone(QStringLiteral("b."))});
        view.selectRow(1);
        QVERIFY(view.selectionModel()->hasSelection());
        QSignalSpy reset(&model, &QAbstractItemModel::modelReset);
        model.setZones(model.zones());
        QCOMPARE(reset.count(), 1);
        QVERIFY(!view.selectionModel()->hasSelection());
        QCOMPARE(shownNames(model), QStringList({QStringLiteral("a."), QStringLiteral("b.")}));
    }

    void setZones_replacesOldRows_andReleasesThem()
    {
        ZoneModel model;
        QAbstractItemModelTester tester(&model);
        PZone old = makeZone(QStringLiteral("old."));
        const QWeakPointer<Zone> watch = old;
        model.setZones({old});
        old.reset();
        model.setZones({makeZone(QStringLiteral("new."))});
        QCOMPARE(shownNames(model), QStringList({QStringLiteral("new.")}));
        QVERIFY(watch.isNull());
    }
};

TAMZOR_TEST_MAIN(TestZoneModel)
#include "tst_zonemodel.moc"
