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

    void removeSelectedZone_leavesNoSelection_emitsNotSelectedOnce_data()
    {
        QTest::addColumn<int>("row");
        QTest::newRow("first zone, others below") << 0;
        QTest::newRow("last zone, others above") << 2;
    }

    // A view moves the selection to a neighbour of a removed row; the user would then act on a
    // zone nobody chose.
    void removeSelectedZone_leavesNoSelection_emitsNotSelectedOnce()
    {
        QFETCH(int, row);
        QList<PZone> zones = {PZone(new Zone), PZone(new Zone), PZone(new Zone)};
        model.setZones(zones);
        QTest::mouseClick(view.viewport(), Qt::LeftButton, Qt::NoModifier,
                          view.visualRect(model.index(row)).center());
        QCOMPARE(controller.selectedZone(), zones.at(row));
        QSignalSpy selected(&controller, &ZoneController::zoneSelected);
        QSignalSpy notSelected(&controller, &ZoneController::zoneNotSelected);

        controller.removeSelectedZone();

        zones.removeAt(row);
        QCOMPARE(model.zones(), zones);
        QCOMPARE(notSelected.count(), 1);
        QCOMPARE(selected.count(), 0);
        QVERIFY(!controller.hasSelectedZone());
    }
};

TAMZOR_TEST_MAIN(TestZoneController)
#include "tst_zonecontroller.moc"
