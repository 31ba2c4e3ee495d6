#include "models/recordcontroller.h"
#include "models/recordmodel.h"
#include "records/arecord.h"
#include "tests/support/testmain.h"

#include <QSignalSpy>
#include <QTableView>

// A record table as the main window sets it up: whole single rows, a model and a controller.
class TestRecordController : public QObject
{
    Q_OBJECT

private slots:
    // A view moves the selection to a neighbour of a removed row; the user would then act on a
    // record nobody chose.
    void removeSelectedRecord_leavesNoSelection_emitsNotSelectedOnce()
    {
        RecordModel model;
        QTableView view;
        RecordController controller;
        view.setSelectionMode(QAbstractItemView::SingleSelection);
        view.setSelectionBehavior(QAbstractItemView::SelectRows);
        view.setModel(&model);
        controller.setup(&model, &view);
        view.show();
        QVERIFY(QTest::qWaitForWindowExposed(&view));
        const QList<PRecord> records = {PRecord(new ARecord), PRecord(new ARecord)};
        model.setRecords(records);
        QTest::mouseClick(view.viewport(), Qt::LeftButton, Qt::NoModifier,
                          view.visualRect(model.index(0, 2)).center());
        QCOMPARE(controller.selectedRecord(), records.at(0));
        QSignalSpy selected(&controller, &RecordController::recordSelected);
        QSignalSpy notSelected(&controller, &RecordController::recordNotSelected);

        controller.removeSelectedRecord();

        QCOMPARE(model.records(), records.mid(1));
        QCOMPARE(notSelected.count(), 1);
        QCOMPARE(selected.count(), 0);
        QVERIFY(!controller.hasSelectedRecord());
    }
};

TAMZOR_TEST_MAIN(TestRecordController)
#include "tst_recordcontroller.moc"
