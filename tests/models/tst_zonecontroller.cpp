#include "models/zonecontroller.h"
#include "models/zonemodel.h"
#include "tests/support/testmain.h"

#include <QSignalSpy>
#include <QTableView>

// A zone table as the main window sets it up: whole single rows, a model and a controller.
class TestZoneController : public QObject
{
    Q_OBJECT

private slots:
    // A view moves the selection to a neighbour of a removed row; the user would then act on a
    // zone nobody chose.
    void removeSelectedZone_leavesNoSelection_emitsNotSelectedOnce()
    {
        ZoneModel model;
        QTableView view;
        ZoneController controller;
        view.setSelectionMode(QAbstractItemView::SingleSelection);
        view.setSelectionBehavior(QAbstractItemView::SelectRows);
        view.setModel(&model);
        controller.setup(&model, &view);
        view.show();
        QVERIFY(QTest::qWaitForWindowExposed(&view));
        const QList<PZone> zones = {PZone(new Zone), PZone(new Zone)};
        model.setZones(zones);
        QTest::mouseClick(view.viewport(), Qt::LeftButton, Qt::NoModifier,
                          view.visualRect(model.index(0)).center());
        QCOMPARE(controller.selectedZone(), zones.at(0));
        QSignalSpy selected(&controller, &ZoneController::zoneSelected);
        QSignalSpy notSelected(&controller, &ZoneController::zoneNotSelected);

        controller.removeSelectedZone();

        QCOMPARE(model.zones(), zones.mid(1));
        QCOMPARE(notSelected.count(), 1);
        QCOMPARE(selected.count(), 0);
        QVERIFY(!controller.hasSelectedZone());
    }
};

TAMZOR_TEST_MAIN(TestZoneController)
#include "tst_zonecontroller.moc"
