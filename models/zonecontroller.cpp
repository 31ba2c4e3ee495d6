#include "zonecontroller.h"

#include "sourceindex.h"
#include "zonemodel.h"

#include <QItemSelectionModel>
#include <QTableView>

ZoneController::ZoneController(QObject *parent) : QObject(parent) {}

void ZoneController::setup(ZoneModel *model, QTableView *view)
{
    this->model = model;
    this->view = view;
    connect(view->selectionModel(), &QItemSelectionModel::selectionChanged, this,
            &ZoneController::onSelectionChange);
}

bool ZoneController::hasSelectedZone() const
{
    return firstSelectedIndex().isValid();
}

PZone ZoneController::selectedZone() const
{
    const QModelIndex index = firstSelectedIndex();
    if (!index.isValid())
        return PZone();
    return model->zone(index);
}

void ZoneController::removeSelectedZone()
{
    const QModelIndex index = firstSelectedIndex();
    if (!index.isValid())
        return;
    // A single-selection view moves the selection to a neighbour of a removed current row;
    // without a current row the selection simply becomes empty.
    view->selectionModel()->clearCurrentIndex();
    model->removeZone(index);
}

void ZoneController::onSelectionChange()
{
    if (hasSelectedZone())
        emit zoneSelected();
    else
        emit zoneNotSelected();
}

QModelIndex ZoneController::firstSelectedIndex() const
{
    if (!view || !view->selectionModel())
        return QModelIndex();
    const QModelIndexList indexes = view->selectionModel()->selectedIndexes();
    if (indexes.isEmpty())
        return QModelIndex();
    return sourceIndex(indexes.first());
}
