#include "selectioncommands.h"

#include "zonerecordtables.h"

#include <QAction>
#include <QMenu>
#include <QStatusBar>
#include <QTableView>

namespace {
// The entries name their object, as the tool tips of the actions do; null stands for a separator.
void popUpMenu(QTableView *view, QPoint point, const QList<QAction *> &actions)
{
    QMenu menu;
    for (QAction *action : actions) {
        if (action)
            menu.addAction(action->icon(), action->toolTip(), action, &QAction::trigger);
        else
            menu.addSeparator();
    }
    menu.exec(view->viewport()->mapToGlobal(point));
}
} // namespace

SelectionCommands::SelectionCommands(const Actions &actions, const ZoneRecordTables &tables,
                                     QStatusBar *statusBar, QObject *parent)
    : QObject(parent), m_actions(actions), m_tables(tables), m_statusBar(statusBar)
{
    const ZoneController *zones = &tables.zoneController();
    const RecordController *records = &tables.recordController();
    connect(zones, &ZoneController::zoneSelected, this, &SelectionCommands::enableZoneActions);
    connect(zones, &ZoneController::zoneNotSelected, this, &SelectionCommands::disableZoneActions);
    connect(zones, &ZoneController::zoneSelected, this, &SelectionCommands::disableRecordActions);
    // Every new record list drops the table's selection without a signal: when the zone
    // selection is lost, and when failed changes are rolled back.
    connect(&tables.recordModel(), &QAbstractItemModel::modelReset, this,
            &SelectionCommands::disableRecordActions);
    connect(records, &RecordController::recordSelected, this,
            &SelectionCommands::enableRecordActions);
    connect(records, &RecordController::recordNotSelected, this,
            &SelectionCommands::disableRecordActions);
    connect(tables.zoneView(), &QWidget::customContextMenuRequested, this,
            &SelectionCommands::onZoneMenuRequested);
    connect(tables.recordView(), &QWidget::customContextMenuRequested, this,
            &SelectionCommands::onRecordMenuRequested);
}

void SelectionCommands::setZoneActionsEnabled(bool enabled)
{
    m_actions.editZone->setEnabled(enabled);
    m_actions.removeZone->setEnabled(enabled);
    m_actions.checkZone->setEnabled(enabled);
    const PZone zone = m_tables.selectedZone();
    const QString reason = zone ? zone->recordsReadOnlyReason() : QString();
    m_actions.addRecord->setEnabled(enabled && reason.isEmpty());
    if (enabled && !reason.isEmpty())
        m_statusBar->showMessage(reason);
}

void SelectionCommands::setRecordActionsEnabled(bool enabled)
{
    const QString reason = enabled ? recordsReadOnlyReason() : QString();
    m_actions.editRecord->setEnabled(enabled && reason.isEmpty());
    m_actions.removeRecord->setEnabled(enabled && reason.isEmpty());
    if (!reason.isEmpty())
        m_statusBar->showMessage(reason);
}

QString SelectionCommands::recordsReadOnlyReason() const
{
    const PZone zone = m_tables.selectedZone();
    const PRecord record = m_tables.selectedRecord();
    if (!zone || !record)
        return QString();
    if (!zone->recordsReadOnlyReason().isEmpty())
        return zone->recordsReadOnlyReason();
    return record->readOnlyReason();
}

void SelectionCommands::onZoneMenuRequested(QPoint point)
{
    QTableView *view = m_tables.zoneView();
    if (view->indexAt(point).isValid())
        popUpMenu(view, point,
                  {m_actions.editZone, m_actions.removeZone, nullptr, m_actions.checkZone});
    else
        popUpMenu(view, point, {m_actions.addZone});
}

void SelectionCommands::onRecordMenuRequested(QPoint point)
{
    QTableView *view = m_tables.recordView();
    // Without a zone there is nothing to offer, and an empty popup would only be a stray frame.
    if (view->indexAt(point).isValid())
        popUpMenu(view, point, {m_actions.editRecord, m_actions.removeRecord});
    else if (m_tables.zoneController().hasSelectedZone())
        popUpMenu(view, point, {m_actions.addRecord});
}
