#include "models/recordcontroller.h"
#include "models/recordmodel.h"
#include "records/arecord.h"
#include "tests/support/testmain.h"

#include <QSignalSpy>
#include <QTableView>

namespace {
PRecord makeA(const QString &name)
{
    auto record = new ARecord;
    record->setName(name);
    record->setAddress(QStringLiteral("192.0.2.1"));
    return PRecord(record);
}
} // namespace

// A record table as the main window sets it up: whole single rows, a model and a controller.
class TestRecordController : public QObject
{
    Q_OBJECT

private:
    RecordModel *model = nullptr;
    QTableView *view = nullptr;
    RecordController *controller = nullptr;
    QList<PRecord> records;

    void clickRow(int row, int column = 2)
    {
        const QRect cell = view->visualRect(model->index(row, column));
        QTest::mouseClick(view->viewport(), Qt::LeftButton, Qt::NoModifier, cell.center());
    }

private slots:
    void init()
    {
        records = {makeA(QStringLiteral("a.")), makeA(QStringLiteral("b.")),
                   makeA(QStringLiteral("c."))};
        model = new RecordModel;
        model->setRecords(records);
        view = new QTableView;
        view->setSelectionMode(QAbstractItemView::SingleSelection);
        view->setSelectionBehavior(QAbstractItemView::SelectRows);
        view->setModel(model);
        controller = new RecordController;
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

    void clickAnyCell_selectsWholeRow_handsOutItsRecord()
    {
        QSignalSpy selected(controller, &RecordController::recordSelected);
        clickRow(1, 2);
        QCOMPARE(selected.count(), 1);
        QCOMPARE(controller->selectedRecord().data(), records.at(1).data());
        clickRow(2, 0);
        QCOMPARE(selected.count(), 2);
        QCOMPARE(controller->selectedRecord().data(), records.at(2).data());
    }

    void removeSelectedRecord_leavesNoSelection_emitsNotSelectedOnce()
    {
        clickRow(0);
        QSignalSpy selected(controller, &RecordController::recordSelected);
        QSignalSpy notSelected(controller, &RecordController::recordNotSelected);
        controller->removeSelectedRecord();
        QCOMPARE(model->records(), QList<PRecord>({records.at(1), records.at(2)}));
        QCOMPARE(notSelected.count(), 1);
        QCOMPARE(selected.count(), 0);
        QVERIFY(controller->selectedRecord().isNull());
    }

    void reset_dropsSelectionSilently_noRecordHandedOut()
    {
        clickRow(1);
        QSignalSpy notSelected(controller, &RecordController::recordNotSelected);
        model->setRecords(records);
        QCOMPARE(notSelected.count(), 0);
        QVERIFY(!controller->hasSelectedRecord());
        QVERIFY(controller->selectedRecord().isNull());
        controller->removeSelectedRecord();
        QCOMPARE(model->rowCount(), 3);
    }
};

TAMZOR_TEST_MAIN(TestRecordController)
#include "tst_recordcontroller.moc"
