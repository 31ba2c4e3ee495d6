#pragma once

#include "config/hparser.h"
#include "config/iscparser.h"
#include "core/serverzones.h"
#include "loadprogress.h"
#include "prompts.h"
#include "selectioncommands.h"
#include "serverpanel.h"
#include "storage/zonestorage.h"
#include "zonerecordtables.h"

#include <QMainWindow>
#include <QMessageBox>

#include <functional>
#include <memory>

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
    void addZone();
    void editZone();
    void removeZone();
    void checkZone();
    void addRecord();
    void editRecord();
    void removeRecord();
    void reload();
    void undo();
    void offerUndo();
    bool askAboutZoneTransfer(PZone zone) { return prompts.zoneTransfer(*zone); }
    bool askAboutRemoveZone(PZone zone)
    {
        return prompts.zoneRemoval(*zone, serverZones.removalDeletesFile(zone));
    }
    bool askAboutRemoveRecord(PRecord record) { return prompts.recordRemoval(*record); }

private:
    void connectCommands();
    // Runs a change of the core; a failure is shown under the title, and the change is false.
    bool perform(const QString &failureTitle, const std::function<void()> &change,
                 const QString &failureNote = QString());
    // A zone that shares its file with others gets a copy of its own first, if the user agrees.
    bool ownsItsFile(const PZone &zone);
    void performOnRecords(const PZone &zone, const std::function<void()> &change);

    ServerZones serverZones;
    Prompts prompts;
    const std::unique_ptr<Ui::MainWindow> ui;
    std::unique_ptr<ServerPanel> serverPanel;
    std::unique_ptr<LoadProgress> loadProgress;
    std::unique_ptr<ZoneRecordTables> tables;
    std::unique_ptr<SelectionCommands> selectionCommands;
};
