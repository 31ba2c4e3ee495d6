#include "recordcontroller.h"

#include "recordmodel.h"
#include "sourceindex.h"

#include <QItemSelectionModel>
#include <QTableView>

RecordController::RecordController(QObject *parent) : QObject(parent) {}

void RecordController::setup(RecordModel *model, QTableView *view)
{
    this->model = model;
    this->view = view;
    connect(view->selectionModel(), &QItemSelectionModel::selectionChanged, this,
            &RecordController::onSelectionChange);
    // A filter that hides the selected record drops it from the selection without a signal.
    connect(view->model(), &QAbstractItemModel::layoutChanged, this,
            &RecordController::onSelectionChange);
}

bool RecordController::hasSelectedRecord() const
{
    return firstSelectedIndex().isValid();
}

PRecord RecordController::selectedRecord() const
{
    const QModelIndex index = firstSelectedIndex();
    if (!index.isValid())
        return PRecord();
    return model->record(index);
}

void RecordController::removeSelectedRecord()
{
    const QModelIndex index = firstSelectedIndex();
    if (!index.isValid())
        return;
    // A single-selection view moves the selection to a neighbour of a removed current row;
    // without a current row the selection simply becomes empty.
    view->selectionModel()->clearCurrentIndex();
    model->removeRecord(index);
}

void RecordController::onSelectionChange()
{
    if (hasSelectedRecord())
        emit recordSelected();
    else
        emit recordNotSelected();
}

QModelIndex RecordController::firstSelectedIndex() const
{
    if (!view || !view->selectionModel())
        return QModelIndex();
    const QModelIndexList indexes = view->selectionModel()->selectedIndexes();
    if (indexes.isEmpty())
        return QModelIndex();
    return sourceIndex(indexes.first());
}
