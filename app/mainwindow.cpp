#include "mainwindow.h"

#include "common/errorstackexception.h"
#include "core/zonesettings.h"
#include "dialogs/createrecorddialog.h"
#include "dialogs/zonedialog.h"
#include "platform/kivohelpmenu.h"
#include "prompts.h"
#include "records/record.h"
#include "wizards/recordwizard.h"
#include "wizards/zonewizard.h"

#include "ui_mainwindow.h"

#include <QCoreApplication>
#include <QMenu>
#include <QStatusBar>

#include <cstdlib>

MainWindow::MainWindow(QWidget *parent) : QMainWindow(parent), prompts(this), ui(new Ui::MainWindow)
{
    ui->setupUi(this);
    zoneModel.follow(&serverZones);
    recordModel.follow(&serverZones);
    ui->tableViewZone->setModel(&zoneModel);
    ui->tableViewRecord->setModel(&recordModel);
    ui->tableViewZone->show();
    ui->tableViewRecord->show();
    zoneController.setup(&zoneModel, ui->tableViewZone);
    recordController.setup(&recordModel, ui->tableViewRecord);

    connectSelection();
    connectService();
    statusBar()->addPermanentWidget(&serviceStateLabel, 0);
    onServiceActiveChanged(systemCtl.checkActive());
    connectCommands();
    ui->menuBar->addMenu(new KivoHelpMenu(this));
    connect(&serverZones, &ServerZones::readProblem, this, &MainWindow::onHParserError);
}

MainWindow::~MainWindow()
{
    // A check still running is killed when its checker goes, and reports that: not to a window
    // that is half gone.
    disconnect(&confChecker, nullptr, this, nullptr);
    disconnect(&zoneChecker, nullptr, this, nullptr);
}

void MainWindow::connectSelection()
{
    connect(&zoneController, &ZoneController::zoneSelected, this, &MainWindow::enableZoneActions);
    connect(&zoneController, &ZoneController::zoneNotSelected, this,
            &MainWindow::disableZoneActions);
    connect(&zoneController, &ZoneController::zoneSelected, this,
            &MainWindow::enableTableViewRecord);
    connect(&zoneController, &ZoneController::zoneNotSelected, this,
            &MainWindow::disableTableViewRecord);
    connect(&zoneController, &ZoneController::zoneSelected, this,
            &MainWindow::disableRecordActions);
    connect(&zoneController, &ZoneController::zoneSelected, this, &MainWindow::setupRecordModel);
    // Every new record list drops the table's selection without a signal: when the zone
    // selection is lost, and when failed changes are rolled back.
    connect(&recordModel, &QAbstractItemModel::modelReset, this, &MainWindow::disableRecordActions);
    connect(&recordController, &RecordController::recordSelected, this,
            &MainWindow::enableRecordActions);
    connect(&recordController, &RecordController::recordNotSelected, this,
            &MainWindow::disableRecordActions);
}

void MainWindow::connectService()
{
    connect(ui->actionStart, &QAction::triggered, &systemCtl, &SystemCtl::start);
    connect(ui->actionStop, &QAction::triggered, &systemCtl, &SystemCtl::stop);
    connect(ui->actionRestart, &QAction::triggered, &systemCtl, &SystemCtl::restart);
    connect(&systemCtl, &SystemCtl::active, this, &MainWindow::onServiceActiveChanged);
    connect(&systemCtl, &SystemCtl::error, this, &MainWindow::onSystemCtlError);
}

void MainWindow::connectCommands()
{
    connect(ui->actionCheckConfig, &QAction::triggered, &confChecker, &CheckConf::requestCheckConf);
    connect(&confChecker, &CheckConf::confChecked, this, &MainWindow::onConfChecked);
    connect(&confChecker, &CheckConf::processError, this, &MainWindow::onCheckConfProcessError);
    connect(ui->actionAddZone, &QAction::triggered, this, &MainWindow::addZone);
    connect(ui->actionEditZone, &QAction::triggered, this, &MainWindow::editZone);
    connect(ui->actionRemoveZone, &QAction::triggered, this, &MainWindow::removeZone);
    connect(ui->actionCheckZone, &QAction::triggered, this, &MainWindow::checkZone);
    connect(&zoneChecker, &CheckZone::zoneChecked, this, &MainWindow::onZoneChecked);
    connect(&zoneChecker, &CheckZone::processError, this, &MainWindow::onCheckZoneProcessError);
    connect(ui->actionAddRecord, &QAction::triggered, this, &MainWindow::addRecord);
    connect(ui->actionEditRecord, &QAction::triggered, this, &MainWindow::editRecord);
    connect(ui->actionRemoveRecord, &QAction::triggered, this, &MainWindow::removeRecord);
    connect(ui->actionQuit, &QAction::triggered, this, &MainWindow::close);
    connect(ui->actionReload, &QAction::triggered, this, &MainWindow::reload);
    connect(ui->actionUndo, &QAction::triggered, this, &MainWindow::undo);
    for (auto signal :
         {&ServerZones::zonesReset, &ServerZones::zoneAdded, &ServerZones::zoneChanged,
          &ServerZones::zoneRemoved, &ServerZones::recordsChanged})
        connect(&serverZones, signal, this, &MainWindow::offerUndo);
}

void MainWindow::initialize()
{
    try {
        serverZones.load();
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

void MainWindow::onServiceActiveChanged(bool active)
{
    serviceStateLabel.setText(active ? tr("BIND server: active") : tr("BIND server: inactive"));
    ui->actionStart->setEnabled(!active);
    ui->actionStop->setEnabled(active);
    ui->actionRestart->setEnabled(true);
}

void MainWindow::enableTableViewRecord()
{
    ui->tableViewRecord->setEnabled(true);
}

void MainWindow::disableTableViewRecord()
{
    ui->tableViewRecord->setEnabled(false);
    recordModel.showZone(PZone());
}

void MainWindow::addZone()
{
    ZoneWizard wizard;
    if (wizard.exec() == QDialog::Accepted)
        perform(tr("Zone save error"), [&] { serverZones.addZone(wizard.zone()); });
}

void MainWindow::editZone()
{
    const PZone zone = zoneController.selectedZone();
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
    const PZone zone = zoneController.selectedZone();
    if (zone && askAboutRemoveZone(zone))
        perform(tr("Zone remove error"), [&] { serverZones.removeZone(zone); });
}

void MainWindow::checkZone()
{
    if (const PZone zone = zoneController.selectedZone())
        zoneChecker.requestCheckZone(zone->name(), zone->filePath());
}

void MainWindow::setupRecordModel()
{
    recordModel.showZone(zoneController.selectedZone());
    // Owner names are what one reads first; the content column takes the rest of the width.
    ui->tableViewRecord->resizeColumnToContents(0);
    ui->tableViewRecord->resizeColumnToContents(1);
}

void MainWindow::addRecord()
{
    const PZone zone = zoneController.selectedZone();
    RecordWizard wizard;
    if (zone && wizard.exec() == QDialog::Accepted)
        performOnRecords(zone, [&] { serverZones.addRecord(zone, wizard.record()); });
}

void MainWindow::editRecord()
{
    // After a failed save the table is reset and nothing is selected, while the command may
    // still be on.
    const PZone zone = zoneController.selectedZone();
    const PRecord record = recordController.selectedRecord();
    if (!zone || !record)
        return;
    const PRecord replacement(record->clone());
    const std::unique_ptr<QDialog> dialog = createRecordDialog(*replacement);
    if (dialog->exec() == QDialog::Accepted)
        performOnRecords(zone, [&] { serverZones.editRecord(zone, record, replacement); });
}

void MainWindow::removeRecord()
{
    const PZone zone = zoneController.selectedZone();
    const PRecord record = recordController.selectedRecord();
    if (zone && record && askAboutRemoveRecord(record))
        performOnRecords(zone, [&] { serverZones.removeRecord(zone, record); });
}

bool MainWindow::perform(const QString &failureTitle, const std::function<void()> &change,
                         const QString &failureNote)
{
    try {
        change();
        return true;
    } catch (const ErrorStackException &exception) {
        prompts.critical(failureTitle, exception.text() + failureNote);
        return false;
    }
}

void MainWindow::performOnRecords(const PZone &zone, const std::function<void()> &change)
{
    const QList<PZone> sharing = serverZones.zonesSharingFile(zone);
    if (!sharing.isEmpty() &&
        !(prompts.ownFile(*zone, sharing) &&
          perform(tr("Zone save error"), [&] { serverZones.giveOwnFile(zone); })))
        return;
    perform(tr("Can't save zone records"), change, tr("Records will be restored."));
}

void MainWindow::onHParserError(QString message)
{
    prompts.notify(QMessageBox::Warning, tr("Zone parser error"), message);
}

void MainWindow::onSystemCtlError(QString message)
{
    prompts.notify(QMessageBox::Critical, tr("Systemctl error"), message);
}

void MainWindow::onConfChecked(bool noerror, QString report)
{
    Prompts::checkResult(noerror, tr("BIND configuration file syntax is ok."),
                         tr("BIND configuration file contains syntax errors."), report);
}

void MainWindow::onCheckConfProcessError(QString error)
{
    prompts.notify(QMessageBox::Critical, tr("named-checkconf process error"), error);
}

void MainWindow::onZoneChecked(bool noerror, QString report)
{
    Prompts::checkResult(noerror, tr("Zone file syntax and integrity is ok."),
                         tr("Zone file contains errors."), report);
}

void MainWindow::onCheckZoneProcessError(QString error)
{
    prompts.notify(QMessageBox::Critical, tr("named-checkzone process error"), error);
}

void MainWindow::on_tableViewZone_customContextMenuRequested(QPoint point)
{
    if (ui->tableViewZone->indexAt(point).isValid())
        popUpMenu(ui->tableViewZone, point,
                  {ui->actionEditZone, ui->actionRemoveZone, nullptr, ui->actionCheckZone});
    else
        popUpMenu(ui->tableViewZone, point, {ui->actionAddZone});
}

void MainWindow::on_tableViewRecord_customContextMenuRequested(QPoint point)
{
    // Without a zone there is nothing to offer, and an empty popup would only be a stray frame.
    if (ui->tableViewRecord->indexAt(point).isValid())
        popUpMenu(ui->tableViewRecord, point, {ui->actionEditRecord, ui->actionRemoveRecord});
    else if (zoneController.hasSelectedZone())
        popUpMenu(ui->tableViewRecord, point, {ui->actionAddRecord});
}

// The entries name their object, as the tool tips of the actions do; null stands for a separator.
void MainWindow::popUpMenu(QAbstractItemView *view, QPoint point, const QList<QAction *> &actions)
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

void MainWindow::setZoneActionsEnabled(bool enabled)
{
    ui->actionEditZone->setEnabled(enabled);
    ui->actionRemoveZone->setEnabled(enabled);
    ui->actionCheckZone->setEnabled(enabled);
    ui->actionAddRecord->setEnabled(enabled);
}

void MainWindow::setRecordActionsEnabled(bool enabled)
{
    ui->actionEditRecord->setEnabled(enabled);
    ui->actionRemoveRecord->setEnabled(enabled);
}
