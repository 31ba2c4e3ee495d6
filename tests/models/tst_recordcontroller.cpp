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

    RecordModel model;
    QTableView view;
    RecordController controller;
    QList<PRecord> records;

    void clickCell(int row, int column)
    {
        const QRect cell = view.visualRect(model.index(row, column));
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
        records = {PRecord(new ARecord), PRecord(new ARecord), PRecord(new ARecord)};
        model.setRecords(records);
    }

    void clickAnyCell_selectsWholeRow_thenResetDropsSelectionSilently()
    {
        QSignalSpy selected(&controller, &RecordController::recordSelected);
        QSignalSpy notSelected(&controller, &RecordController::recordNotSelected);
        clickCell(1, 2);
        QCOMPARE(controller.selectedRecord(), records.at(1));
        clickCell(2, 0);
        QCOMPARE(controller.selectedRecord(), records.at(2));
        QCOMPARE(selected.count(), 2);
        model.setRecords(records);
        QVERIFY(!controller.hasSelectedRecord());
        controller.removeSelectedRecord();
        QCOMPARE(model.records(), records);
        QCOMPARE(notSelected.count(), 0);
    }

    void removeSelectedRecord_leavesNoSelection_emitsNotSelectedOnce()
    {
        clickCell(2, 1);
        QSignalSpy selected(&controller, &RecordController::recordSelected);
        QSignalSpy notSelected(&controller, &RecordController::recordNotSelected);
        controller.removeSelectedRecord();
        QCOMPARE(model.records(), QList<PRecord>({records.at(0), records.at(1)}));
        QCOMPARE(notSelected.count(), 1);
        QCOMPARE(selected.count(), 0);
        QVERIFY(controller.selectedRecord().isNull());
    }
};

TAMZOR_TEST_MAIN(TestRecordController)
#include "tst_recordcontroller.moc"
