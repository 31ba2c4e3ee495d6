#include "mainwindow.h"

#include "common/errorstackexception.h"
#include "core/zonesettings.h"
#include "dialogs/createrecorddialog.h"
#include "dialogs/recorddialog.h"
#include "dialogs/zonedialog.h"
#include "platform/kivohelpmenu.h"
#include "prompts.h"
#include "records/record.h"
#include "windowlayout.h"
#include "wizards/recordwizard.h"
#include "wizards/zonewizard.h"

#include "ui_mainwindow.h"

#include <QCoreApplication>
#include <QStatusBar>
#include <QTimer>

#include <cstdlib>

// The icons are compiled into the widget library, which must announce them itself.
static void initializeIcons()
{
    Q_INIT_RESOURCE(icons);
}

MainWindow::MainWindow(QWidget *parent) : QMainWindow(parent), prompts(this), ui(new Ui::MainWindow)
{
    initializeIcons();
    ui->setupUi(this);
    serverPanel = std::make_unique<ServerPanel>(
        ServerPanel::Actions{ui->actionStart, ui->actionStop, ui->actionRestart,
                             ui->actionReloadServer, ui->actionCheckConfig},
        statusBar(), prompts);
    serverZones.setBackgroundWork(true);
    connect(&serverZones, &ServerZones::serverNotified, serverPanel.get(),
            &ServerPanel::showServerNotice);
    loadProgress = std::make_unique<LoadProgress>(serverZones, statusBar(), prompts);
    tables = std::make_unique<ZoneRecordTables>(
        serverZones,
        ZoneRecordTables::Widgets{ui->tableViewZone, ui->lineEditZoneFilter, ui->actionEditZone,
                                  ui->tableViewRecord, ui->lineEditRecordFilter,
                                  ui->actionEditRecord, ui->actionFindRecords},
        statusBar());
    selectionCommands = std::make_unique<SelectionCommands>(
        SelectionCommands::Actions{ui->actionAddZone, ui->actionEditZone, ui->actionRemoveZone,
                                   ui->actionCheckZone, ui->actionAddRecord, ui->actionEditRecord,
                                   ui->actionRemoveRecord},
        *tables, statusBar());
    connectCommands();
    ui->menuBar->addMenu(new KivoHelpMenu(this));
    new WindowLayout(this, ui->splitter);
}

MainWindow::~MainWindow() = default;

void MainWindow::connectCommands()
{
    connect(ui->actionAddZone, &QAction::triggered, this, &MainWindow::addZone);
    connect(ui->actionEditZone, &QAction::triggered, this, &MainWindow::editZone);
    connect(ui->actionRemoveZone, &QAction::triggered, this, &MainWindow::removeZone);
    connect(ui->actionCheckZone, &QAction::triggered, this, &MainWindow::checkZone);
    connect(ui->actionAddRecord, &QAction::triggered, this, &MainWindow::addRecord);
    connect(ui->actionEditRecord, &QAction::triggered, this, &MainWindow::editRecord);
    connect(ui->actionRemoveRecord, &QAction::triggered, this, &MainWindow::removeRecord);
    connect(ui->actionQuit, &QAction::triggered, this, &MainWindow::close);
    connect(ui->actionReload, &QAction::triggered, this, &MainWindow::reload);
    connect(ui->actionUndo, &QAction::triggered, this, &MainWindow::undo);
    connect(&serverZones, &ServerZones::zonesReset, this, &MainWindow::offerUndo);
}

void MainWindow::showAndRead()
{
    show();
    QTimer::singleShot(0, this, &MainWindow::initialize);
}

void MainWindow::initialize()
{
    try {
        serverZones.load();
        ui->tableViewZone->setFocus();
        setEnabled(true);
    } catch (const ErrorStackException &exception) {
        showCriticalErrorAndQuit(exception.text());
    }
}

void MainWindow::reload()
{
    perform(tr("Reload error"), [this] { serverZones.reload(); });
}

void MainWindow::undo()
{
    if (prompts.ask(tr("Undo"), tr("Undo \"%1\"?").arg(ServerZones::lastChange())))
        perform(tr("Undo error"), [this] { serverZones.undo(); });
}

void MainWindow::offerUndo()
{
    const QString change = ServerZones::lastChange();
    ui->actionUndo->setEnabled(!change.isEmpty());
    ui->actionUndo->setToolTip(change.isEmpty() ? QString() : tr("Undo \"%1\"").arg(change));
}

void MainWindow::showCriticalErrorAndQuit(QString error)
{
    QMessageBox::critical(this, QCoreApplication::applicationName(), error);
    // A start that could not read the configuration is a failure, whatever the user answered.
    std::exit(EXIT_FAILURE);
}

void MainWindow::addZone()
{
    ZoneWizard wizard;
    wizard.setViews(serverZones.views());
    wizard.setChange(tr("Zone save error"), [&] { serverZones.addZone(wizard.zone()); });
    wizard.exec();
    offerUndo();
}

void MainWindow::editZone()
{
    const PZone zone = tables->selectedZone();
    if (!zone)
        return;
    // The dialog fills a draft: the listed zone changes only when the change is stored.
    const PZone draft = PZone::create();
    draft->setZoneClass(zone->zoneClass());
    ZoneSettings::of(*zone).applyTo(*draft);
    ZoneDialog dialog(draft);
    if (dialog.exec() != QDialog::Accepted)
        return;
    const ZoneSettings settings = ZoneSettings::of(*draft);
    if (settings != ZoneSettings::of(*zone) && !ServerZones::isManaged(zone) &&
        !askAboutZoneTransfer(zone))
        return;
    perform(tr("Zone save error"), [&] { serverZones.editZone(zone, settings); });
}

void MainWindow::removeZone()
{
    const PZone zone = tables->selectedZone();
    if (zone && askAboutRemoveZone(zone))
        perform(tr("Zone remove error"), [&] { serverZones.removeZone(zone); });
}

void MainWindow::checkZone()
{
    if (const PZone zone = tables->selectedZone())
        serverPanel->checkZone(zone);
}

void MainWindow::addRecord()
{
    const PZone zone = tables->selectedZone();
    if (!zone || !ownsItsFile(zone))
        return;
    RecordWizard wizard(zone);
    PRecord added;
    wizard.setChange(tr("Can't save zone records"), [&] {
        added = wizard.record();
        serverZones.addRecord(zone, added);
    });
    if (wizard.exec() == QDialog::Accepted)
        tables->showRecord(added);
    offerUndo();
}

void MainWindow::editRecord()
{
    // After a failed save the table is reset and nothing is selected, while the command may
    // still be on.
    const PZone zone = tables->selectedZone();
    const PRecord record = tables->selectedRecord();
    if (!zone || !record || !ownsItsFile(zone))
        return;
    const PRecord replacement(record->clone());
    const std::unique_ptr<RecordDialog> dialog = createRecordDialog(*replacement);
    PRecord saved;
    dialog->setChange(tr("Can't save zone records"), [&](const PRecord &edited) {
        serverZones.editRecord(zone, record, edited);
        saved = edited;
    });
    if (dialog->exec() == QDialog::Accepted)
        tables->showRecord(saved);
    offerUndo();
}

void MainWindow::removeRecord()
{
    const PZone zone = tables->selectedZone();
    const PRecord record = tables->selectedRecord();
    if (zone && record && askAboutRemoveRecord(record))
        performOnRecords(zone, [&] { serverZones.removeRecord(zone, record); });
}

bool MainWindow::perform(const QString &failureTitle, const std::function<void()> &change,
                         const QString &failureNote)
{
    bool done = true;
    try {
        change();
    } catch (const ErrorStackException &exception) {
        prompts.critical(failureTitle,
                         exception.text() +
                             (failureNote.isEmpty() ? QString() : QLatin1Char('\n') + failureNote));
        done = false;
    }
    offerUndo();
    return done;
}

bool MainWindow::ownsItsFile(const PZone &zone)
{
    const QList<PZone> sharing = serverZones.zonesSharingFile(zone);
    return sharing.isEmpty() ||
           (prompts.ownFile(*zone, sharing) &&
            perform(tr("Zone save error"), [&] { serverZones.giveOwnFile(zone); }));
}

void MainWindow::performOnRecords(const PZone &zone, const std::function<void()> &change)
{
    if (ownsItsFile(zone))
        perform(tr("Can't save zone records"), change, tr("Records will be restored."));
}
