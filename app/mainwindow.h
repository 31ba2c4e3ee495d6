#pragma once

#include "config/hparser.h"
#include "config/iscparser.h"
#include "core/serverzones.h"
#include "models/recordcontroller.h"
#include "models/recordmodel.h"
#include "models/recordsortfiltermodel.h"
#include "models/zonecontroller.h"
#include "models/zonemodel.h"
#include "prompts.h"
#include "serverpanel.h"
#include "storage/zonestorage.h"

#include <QLabel>
#include <QMainWindow>
#include <QMessageBox>
#include <QProgressBar>
#include <QSortFilterProxyModel>

#include <functional>
#include <memory>

class ErrorStackException;
class QAbstractItemView;
class QTableView;

namespace Ui {
class MainWindow;
}

// The one window: zones and their records side by side, the server, zone and record commands,
// and in the status bar the reading of the zones, the records shown and the state of the BIND
// service. It owns every long-lived object.
class MainWindow : public QMainWindow
{
    Q_OBJECT

public:
    explicit MainWindow(QWidget *parent = nullptr);
    ~MainWindow() override;

    // Shows the window and reads the configuration once it is painted.
    void showAndRead();

public slots:
    void initialize();

private slots:
    void showCriticalErrorAndQuit(QString error);
    void enableZoneActions() { setZoneActionsEnabled(true); }
    void disableZoneActions() { setZoneActionsEnabled(false); }
    void enableRecordActions() { setRecordActionsEnabled(true); }
    void disableRecordActions() { setRecordActionsEnabled(false); }
    void enableTableViewRecord();
    void disableTableViewRecord();
    void addZone();
    void editZone();
    void removeZone();
    void checkZone();
    void setupRecordModel();
    void addRecord();
    void editRecord();
    void removeRecord();
    void reload();
    void undo();
    void offerUndo();
    void onReadProblem(QString message);
    void onLoadProgress(int loaded, int total);
    void onLoadFinished();
    void countRecords();
    void fitRecordColumns();
    void on_tableViewZone_customContextMenuRequested(QPoint point);
    void on_tableViewRecord_customContextMenuRequested(QPoint point);
    bool askAboutZoneTransfer(PZone zone) { return prompts.zoneTransfer(*zone); }
    bool askAboutRemoveZone(PZone zone)
    {
        return prompts.zoneRemoval(*zone, serverZones.removalDeletesFile(zone));
    }
    bool askAboutRemoveRecord(PRecord record) { return prompts.recordRemoval(*record); }

protected:
    void closeEvent(QCloseEvent *event) override;

private:
    void connectSelection();
    void connectCommands();
    void setUpTables();
    // Enter and a double click on a row do what the action does.
    void editOnEnterAndDoubleClick(QTableView *view, QAction *edit);
    void findRecords();
    // Selects the record and scrolls to it, clearing a filter that hides it.
    void showRecord(const PRecord &record);
    void restoreLayout();
    void saveLayout() const;
    void setZoneActionsEnabled(bool enabled);
    void setRecordActionsEnabled(bool enabled);
    // Why the selected zone's records, or the selected record, can't be changed; empty if they can.
    QString recordsReadOnlyReason() const;
    // Runs a change of the core; a failure is shown under the title, and the change is false.
    bool perform(const QString &failureTitle, const std::function<void()> &change,
                 const QString &failureNote = QString());
    // A zone that shares its file with others gets a copy of its own first, if the user agrees.
    bool ownsItsFile(const PZone &zone);
    void performOnRecords(const PZone &zone, const std::function<void()> &change);
    void popUpMenu(QAbstractItemView *view, QPoint point, const QList<QAction *> &actions);

    ServerZones serverZones;
    ZoneModel zoneModel;
    QSortFilterProxyModel zoneTable;
    RecordModel recordModel;
    RecordSortFilterModel recordTable;
    ZoneController zoneController;
    RecordController recordController;
    Prompts prompts;
    std::unique_ptr<ServerPanel> serverPanel;
    QProgressBar loadProgress;
    QLabel recordCount;
    // Problems met while the zones are read, shown together once they all are.
    QStringList readProblems;
    const std::unique_ptr<Ui::MainWindow> ui;
};
