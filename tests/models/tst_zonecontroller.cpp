#include "models/zonecontroller.h"
#include "models/zonemodel.h"
#include "tests/support/testmain.h"

#include <QSignalSpy>
#include <QTableView>

namespace {
PZone makeZone(const QString &name)
{
    PZone zone(new Zone);
    zone->setName(name);
    return zone;
}
} // namespace

// A zone table as the main window sets it up: whole single rows, a model and a controller.
class TestZoneController : public QObject
{
    Q_OBJECT

private:
    ZoneModel *model = nullptr;
    QTableView *view = nullptr;
    ZoneController *controller = nullptr;
    QList<PZone> zones;

    void clickRow(int row)
    {
        const QRect cell = view->visualRect(model->index(row));
        QTest::mouseClick(view->viewport(), Qt::LeftButton, Qt::NoModifier, cell.center());
    }

private slots:
    void init()
    {
        zones = {makeZone(QStringLiteral("a.example")), makeZone(QStringLiteral("b.example")),
                 makeZone(QStringLiteral("c.example"))};
        model = new ZoneModel;
        model->setZones(zones);
        view = new QTableView;
        view->setSelectionMode(QAbstractItemView::SingleSelection);
        view->setSelectionBehavior(QAbstractItemView::SelectRows);
        view->setModel(model);
        controller = new ZoneController;
        controller->setup(model, view);
        view->show();
        QVERIFY(QTest::qWaitForWindowExposed(view));
    }

    void cleanup()
    {
        delete controller;
        delete view;
        delete model;
    }

    void noSelection_noZone()
    {
        QVERIFY(!controller->hasSelectedZone());
        QVERIFY(controller->selectedZone().isNull());
    }

    void clickZone_emitsSelected_handsOutThatZone()
    {
        QSignalSpy selected(controller, &ZoneController::zoneSelected);
        QSignalSpy notSelected(controller, &ZoneController::zoneNotSelected);
        clickRow(1);
        QCOMPARE(selected.count(), 1);
        QCOMPARE(notSelected.count(), 0);
        QVERIFY(controller->hasSelectedZone());
        QCOMPARE(controller->selectedZone().data(), zones.at(1).data());
    }

    void clickSecondZone_emitsSelectedAgain_withoutNotSelected()
    {
        clickRow(0);
        QSignalSpy selected(controller, &ZoneController::zoneSelected);
        QSignalSpy notSelected(controller, &ZoneController::zoneNotSelected);
        clickRow(2);
        QCOMPARE(selected.count(), 1);
        QCOMPARE(notSelected.count(), 0);
        QCOMPARE(controller->selectedZone().data(), zones.at(2).data());
    }

    void clearSelection_emitsNotSelected()
    {
        clickRow(0);
        QSignalSpy notSelected(controller, &ZoneController::zoneNotSelected);
        view->clearSelection();
        QCOMPARE(notSelected.count(), 1);
        QVERIFY(controller->selectedZone().isNull());
    }

    void removeSelectedZone_leavesNoSelection_emitsNotSelectedOnce_data()
    {
        QTest::addColumn<int>("row");
        QTest::addColumn<QStringList>("left");
        QTest::newRow("first zone, others below")
            << 0 << QStringList({QStringLiteral("b.example"), QStringLiteral("c.example")});
        QTest::newRow("middle zone")
            << 1 << QStringList({QStringLiteral("a.example"), QStringLiteral("c.example")});
        QTest::newRow("last zone, others above")
            << 2 << QStringList({QStringLiteral("a.example"), QStringLiteral("b.example")});
    }

    void removeSelectedZone_leavesNoSelection_emitsNotSelectedOnce()
    {
        QFETCH(int, row);
        QFETCH(QStringList, left);
        clickRow(row);
        QSignalSpy selected(controller, &ZoneController::zoneSelected);
        QSignalSpy notSelected(controller, &ZoneController::zoneNotSelected);
        controller->removeSelectedZone();
        QStringList names;
        for (const PZone &zone : model->zones())
            names.append(zone->name());
        QCOMPARE(names, left);
        QCOMPARE(notSelected.count(), 1);
        QCOMPARE(selected.count(), 0);
        QVERIFY(!controller->hasSelectedZone());
        QVERIFY(controller->selectedZone().isNull());
    }

    void removeSelectedZone_onlyZone_tableEmpty()
    {
        model->setZones({zones.at(0)});
        clickRow(0);
        QSignalSpy notSelected(controller, &ZoneController::zoneNotSelected);
        controller->removeSelectedZone();
        QCOMPARE(model->rowCount(), 0);
        QCOMPARE(notSelected.count(), 1);
    }

    void removeSelectedZone_noSelection_changesNothing()
    {
        QSignalSpy selected(controller, &ZoneController::zoneSelected);
        QSignalSpy notSelected(controller, &ZoneController::zoneNotSelected);
        QSignalSpy removed(model, &QAbstractItemModel::rowsRemoved);
        controller->removeSelectedZone();
        QCOMPARE(model->rowCount(), 3);
        QCOMPARE(selected.count() + notSelected.count() + removed.count(), 0);
    }
};

TAMZOR_TEST_MAIN(TestZoneController)
#include "tst_zonecontroller.moc"
