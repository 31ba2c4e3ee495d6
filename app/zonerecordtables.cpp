#include "zonerecordtables.h"

#include "core/serverzones.h"

#include <QAction>
#include <QHeaderView>
#include <QLineEdit>
#include <QShortcut>
#include <QTableView>

namespace {
const int rowPadding = 8;
const int fittedRows = 100;
} // namespace

ZoneRecordTables::ZoneRecordTables(ServerZones &serverZones, const Widgets &widgets,
                                   QStatusBar *statusBar, QObject *parent)
    : QObject(parent), m_serverZones(serverZones), m_widgets(widgets),
      m_recordCount(m_recordModel, m_recordTable, serverZones, statusBar)
{
    m_zoneModel.follow(&serverZones);
    m_recordModel.follow(&serverZones);
    setUpZoneTable();
    setUpRecordTable();
    for (QLineEdit *filter : {widgets.zoneFilter, widgets.recordFilter})
        filter->addAction(widgets.findRecords->icon(), QLineEdit::LeadingPosition);
    connect(widgets.findRecords, &QAction::triggered, this, &ZoneRecordTables::findRecords);

    m_zoneController.setup(&m_zoneModel, widgets.zoneView);
    m_recordController.setup(&m_recordModel, widgets.recordView);
    editOnEnterAndDoubleClick(widgets.zoneView, widgets.editZone);
    editOnEnterAndDoubleClick(widgets.recordView, widgets.editRecord);
    fitRowsToOneLine(widgets.zoneView);
    fitRowsToOneLine(widgets.recordView);
    connect(&m_zoneController, &ZoneController::zoneSelected, this,
            &ZoneRecordTables::enableTableViewRecord);
    connect(&m_zoneController, &ZoneController::zoneNotSelected, this,
            &ZoneRecordTables::disableTableViewRecord);
    connect(&m_zoneController, &ZoneController::zoneSelected, this,
            &ZoneRecordTables::setupRecordModel);
}

ZoneRecordTables::~ZoneRecordTables() = default;

void ZoneRecordTables::setUpZoneTable()
{
    m_zoneTable.setSourceModel(&m_zoneModel);
    m_zoneTable.setFilterKeyColumn(-1);
    m_zoneTable.setFilterCaseSensitivity(Qt::CaseInsensitive);
    m_widgets.zoneView->setModel(&m_zoneTable);
    connect(&m_zoneTable, &QAbstractItemModel::modelReset, this,
            [this] { m_widgets.zoneView->resizeColumnToContents(ZoneModel::NameColumn); });
    connect(m_widgets.zoneFilter, &QLineEdit::textChanged, &m_zoneTable,
            &QSortFilterProxyModel::setFilterFixedString);
}

void ZoneRecordTables::setUpRecordTable()
{
    m_recordTable.setSourceModel(&m_recordModel);
    m_widgets.recordView->setModel(&m_recordTable);
    m_widgets.recordView->horizontalHeader()->setSortIndicator(RecordModel::NameColumn,
                                                               Qt::AscendingOrder);
    m_widgets.recordView->setSortingEnabled(true);
    connect(m_widgets.recordFilter, &QLineEdit::textChanged, &m_recordTable,
            &RecordSortFilterModel::setFilterText);
    connect(&m_recordTable, &QAbstractItemModel::modelReset, this,
            &ZoneRecordTables::fitRecordColumns);
}

// One line of text a row, so that a big zone shows as many records as the window holds; its
// columns are fitted to the rows in sight and a few more, not to every one of them.
void ZoneRecordTables::fitRowsToOneLine(QTableView *view)
{
    view->verticalHeader()->setDefaultSectionSize(view->window()->fontMetrics().height() +
                                                  rowPadding);
    view->horizontalHeader()->setResizeContentsPrecision(fittedRows);
}

void ZoneRecordTables::editOnEnterAndDoubleClick(QTableView *view, QAction *edit)
{
    const auto trigger = [edit] {
        if (edit->isEnabled())
            edit->trigger();
    };
    connect(view, &QAbstractItemView::doubleClicked, edit, trigger);
    for (const int key : {Qt::Key_Return, Qt::Key_Enter})
        connect(new QShortcut(QKeySequence(key), view, nullptr, nullptr, Qt::WidgetShortcut),
                &QShortcut::activated, edit, trigger);
}

void ZoneRecordTables::enableTableViewRecord()
{
    m_widgets.recordView->setEnabled(true);
}

void ZoneRecordTables::disableTableViewRecord()
{
    m_widgets.recordView->setEnabled(false);
    m_recordModel.showZone(PZone());
}

void ZoneRecordTables::setupRecordModel()
{
    const PZone zone = m_zoneController.selectedZone();
    if (zone)
        m_serverZones.prioritize(zone);
    m_recordModel.showZone(zone);
}

// The data takes the rest of the width.
void ZoneRecordTables::fitRecordColumns()
{
    m_widgets.recordView->setColumnHidden(RecordModel::ClassColumn,
                                          !m_recordModel.hasOtherClasses());
    for (const int column : {RecordModel::NameColumn, RecordModel::TtlColumn,
                             RecordModel::ClassColumn, RecordModel::TypeColumn})
        m_widgets.recordView->resizeColumnToContents(column);
}

void ZoneRecordTables::findRecords()
{
    m_widgets.recordFilter->setFocus(Qt::ShortcutFocusReason);
    m_widgets.recordFilter->selectAll();
}

void ZoneRecordTables::showRecord(const PRecord &record)
{
    const QModelIndex source = m_recordModel.index(m_recordModel.rowOf(record), 0);
    if (!source.isValid())
        return;
    if (!m_recordTable.mapFromSource(source).isValid())
        m_widgets.recordFilter->clear();
    const QModelIndex shown = m_recordTable.mapFromSource(source);
    m_widgets.recordView->selectRow(shown.row());
    m_widgets.recordView->scrollTo(shown);
}
