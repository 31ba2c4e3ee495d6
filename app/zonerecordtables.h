#pragma once

#include "models/recordcontroller.h"
#include "models/recordmodel.h"
#include "models/recordsortfiltermodel.h"
#include "models/zonecontroller.h"
#include "models/zonemodel.h"
#include "recordcount.h"

#include <QObject>
#include <QSortFilterProxyModel>

class QAction;
class QLineEdit;
class QStatusBar;
class QTableView;
class ServerZones;

// The zone table and the record table beside it, which lists the selected zone's records: their
// models in the core's zones, sorted and filtered by the fields above them, the count of the
// records shown, and Enter or a double click on a row for its edit command.
class ZoneRecordTables : public QObject
{
    Q_OBJECT

public:
    struct Widgets
    {
        QTableView *zoneView;
        QLineEdit *zoneFilter;
        QAction *editZone;
        QTableView *recordView;
        QLineEdit *recordFilter;
        QAction *editRecord;
        QAction *findRecords;
    };

    ZoneRecordTables(ServerZones &serverZones, const Widgets &widgets, QStatusBar *statusBar,
                     QObject *parent = nullptr);
    ~ZoneRecordTables() override;

    const ZoneController &zoneController() const { return m_zoneController; }
    const RecordController &recordController() const { return m_recordController; }
    const RecordModel &recordModel() const { return m_recordModel; }
    QTableView *zoneView() const { return m_widgets.zoneView; }
    QTableView *recordView() const { return m_widgets.recordView; }
    PZone selectedZone() const { return m_zoneController.selectedZone(); }
    PRecord selectedRecord() const { return m_recordController.selectedRecord(); }
    // Selects the record and scrolls to it, clearing a filter that hides it.
    void showRecord(const PRecord &record);

private slots:
    void enableTableViewRecord();
    void disableTableViewRecord();
    void setupRecordModel();
    void fitRecordColumns();
    void findRecords();

private:
    void setUpZoneTable();
    void setUpRecordTable();
    void fitRowsToOneLine(QTableView *view);
    // Enter and a double click on a row do what the action does.
    void editOnEnterAndDoubleClick(QTableView *view, QAction *edit);

    ServerZones &m_serverZones;
    const Widgets m_widgets;
    ZoneModel m_zoneModel;
    QSortFilterProxyModel m_zoneTable;
    RecordModel m_recordModel;
    RecordSortFilterModel m_recordTable;
    ZoneController m_zoneController;
    RecordController m_recordController;
    RecordCount m_recordCount;
};
