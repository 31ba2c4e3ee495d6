#include "models/zonecontroller.h"
#include "models/zonemodel.h"
#include "tests/support/testmain.h"

#include <QSignalSpy>
#include <QTableView>

// A zone table as the main window sets it up: whole single rows, a model and a controller.
class TestZoneController : public QObject
{
    Q_OBJECT

    ZoneModel model;
    QTableView view;
    ZoneController controller;
    QList<PZone> zones;

    void clickRow(int row)
    {
        const QRect cell = view.visualRect(model.index(row));
        QTest::mouseClick(view.viewport(), Qt::LeftButton, Qt::NoModifier, cell.center());
    }

private slots:
    void initTestCase()
    {
        view.setSelectionMode(QAbstractItemView::SingleSelection);
        view.setSelectionBehavior(QAbstractItemView::SelectRows);
        view.setModel(&model);
        controller.setup(&model, &view);
        view.show();
        QVERIFY(QTest::qWaitForWindowExposed(&view));
    }

    void init()
    {
        zones = {PZone(new Zone), PZone(new Zone), PZone(new Zone)};
        model.setZones(zones);
    }

    // The same list set again was read anew: the selection goes, without a signal.
    void clickZones_selectEach_thenSetZonesDropsSelectionSilently()
    {
        QSignalSpy selected(&controller, &ZoneController::zoneSelected);
        QSignalSpy notSelected(&controller, &ZoneController::zoneNotSelected);
        clickRow(0);
        clickRow(2);
        QCOMPARE(selected.count(), 2);
        QCOMPARE(controller.selectedZone(), zones.at(2));
        model.setZones(model.zones());
        QVERIFY(!controller.hasSelectedZone());
        controller.removeSelectedZone();
        QCOMPARE(model.zones(), zones);
        QCOMPARE(notSelected.count(), 0);
    }

    void removeSelectedZone_leavesNoSelection_emitsNotSelectedOnce_data()
    {
        QTest::addColumn<int>("row");
        QTest::newRow("first zone, others below") << 0;
        QTest::newRow("last zone, others above") << 2;
    }

    void removeSelectedZone_leavesNoSelection_emitsNotSelectedOnce()
    {
        QFETCH(int, row);
        clickRow(row);
        QSignalSpy selected(&controller, &ZoneController::zoneSelected);
        QSignalSpy notSelected(&controller, &ZoneController::zoneNotSelected);
        controller.removeSelectedZone();
        QList<PZone> left = zones;
        left.removeAt(row);
        QCOMPARE(model.zones(), left);
        QCOMPARE(notSelected.count(), 1);
        QCOMPARE(selected.count(), 0);
        QVERIFY(controller.selectedZone().isNull());
    }
};

TAMZOR_TEST_MAIN(TestZoneController)
#include "tst_zonecontroller.moc"
