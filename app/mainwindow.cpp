#include "mainwindow.h"

#include "common/errorstackexception.h"
#include "config/paths.h"
#include "platform/kivohelpmenu.h"

#include "ui_mainwindow.h"

#include <QCoreApplication>
#include <QMenu>
#include <QStatusBar>

#include <cstdlib>

namespace {
const QString editIconName = QStringLiteral("document-edit");
const QString removeIconName = QStringLiteral("document-close");
const QString checkIconName = QStringLiteral("document-edit-verify");
const QString addIconName = QStringLiteral("document-new");
} // namespace

MainWindow::MainWindow(QWidget *parent) : QMainWindow(parent), ui(new Ui::MainWindow)
{
    ui->setupUi(this);
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
    connect(&hParser, &HParser::error, this, &MainWindow::onHParserError);
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
}

void MainWindow::initialize()
{
    const CheckResult check = confChecker.checkConf();
    if (!check.ok) {
        // The checker may refuse without a word on standard output; the box must still say why.
        showCriticalErrorAndQuit(check.report.isEmpty()
                                     ? tr("BIND configuration file contains syntax errors.")
                                     : check.report);
        return;
    }
    try {
        const PISCType root = iscParser.parse(Paths::serverConfiguration());
        const PNamedConf conf = hParser.parseZones(root);
        zoneModel.setZones(conf->zones());
        setEnabled(true);
    } catch (const ErrorStackException &exception) {
        showCriticalErrorAndQuit(exception.text());
    }
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

void MainWindow::enableZoneActions()
{
    setZoneActionsEnabled(true);
}

void MainWindow::disableZoneActions()
{
    setZoneActionsEnabled(false);
}

void MainWindow::enableRecordActions()
{
    setRecordActionsEnabled(true);
}

void MainWindow::disableRecordActions()
{
    setRecordActionsEnabled(false);
}

void MainWindow::enableTableViewRecord()
{
    ui->tableViewRecord->setEnabled(true);
}

void MainWindow::disableTableViewRecord()
{
    ui->tableViewRecord->setEnabled(false);
    recordModel.setRecords({});
}

void MainWindow::addZone()
{
    // The zone wizard and storage are wired in with the zone workflows.
}

void MainWindow::editZone()
{
    // The zone dialog and storage are wired in with the zone workflows.
}

void MainWindow::removeZone()
{
    // The removal question and storage are wired in with the zone workflows.
}

void MainWindow::checkZone()
{
    const PZone zone = zoneController.selectedZone();
    if (!zone)
        return;
    zoneChecker.requestCheckZone(zone->name(), zone->filePath());
}

void MainWindow::setupRecordModel()
{
    const PZone zone = zoneController.selectedZone();
    recordModel.setRecords(zone ? zone->records() : QList<PRecord>());
    // Owner names are what one reads first; the content column takes the rest of the width.
    ui->tableViewRecord->resizeColumnToContents(0);
    ui->tableViewRecord->resizeColumnToContents(1);
}

void MainWindow::addRecord()
{
    // The record wizard and storage are wired in with the record workflows.
}

void MainWindow::editRecord()
{
    // The record dialogs and storage are wired in with the record workflows.
}

void MainWindow::removeRecord()
{
    // The removal question and storage are wired in with the record workflows.
}

void MainWindow::onHParserError(QString message)
{
    showNotification(QMessageBox::Warning, tr("Zone parser error"), message);
}

void MainWindow::onSystemCtlError(QString message)
{
    showNotification(QMessageBox::Critical, tr("Systemctl error"), message);
}

void MainWindow::onConfChecked(bool noerror, QString report)
{
    showCheckResult(noerror, tr("BIND configuration file syntax is ok."),
                    tr("BIND configuration file contains syntax errors."), report);
}

void MainWindow::onCheckConfProcessError(QString error)
{
    showNotification(QMessageBox::Critical, tr("named-checkconf process error"), error);
}

void MainWindow::onZoneChecked(bool noerror, QString report)
{
    showCheckResult(noerror, tr("Zone file syntax and integrity is ok."),
                    tr("Zone file contains errors."), report);
}

void MainWindow::onCheckZoneProcessError(QString error)
{
    showNotification(QMessageBox::Critical, tr("named-checkzone process error"), error);
}

void MainWindow::on_tableViewZone_customContextMenuRequested(QPoint point)
{
    QMenu menu;
    if (ui->tableViewZone->indexAt(point).isValid()) {
        menu.addAction(QIcon::fromTheme(editIconName), tr("Edit zone"), this,
                       &MainWindow::editZone);
        menu.addAction(QIcon::fromTheme(removeIconName), tr("Remove zone"), this,
                       &MainWindow::removeZone);
        menu.addSeparator();
        menu.addAction(QIcon::fromTheme(checkIconName), tr("Check zone"), this,
                       &MainWindow::checkZone);
    } else {
        menu.addAction(QIcon::fromTheme(addIconName), tr("Add zone"), this, &MainWindow::addZone);
    }
    menu.exec(ui->tableViewZone->viewport()->mapToGlobal(point));
}

void MainWindow::on_tableViewRecord_customContextMenuRequested(QPoint point)
{
    QMenu menu;
    if (ui->tableViewRecord->indexAt(point).isValid()) {
        menu.addAction(QIcon::fromTheme(editIconName), tr("Edit record"), this,
                       &MainWindow::editRecord);
        menu.addAction(QIcon::fromTheme(removeIconName), tr("Remove record"), this,
                       &MainWindow::removeRecord);
    } else if (zoneController.hasSelectedZone()) {
        menu.addAction(QIcon::fromTheme(addIconName), tr("Add record"), this,
                       &MainWindow::addRecord);
    }
    // Without a zone there is nothing to offer, and an empty popup would only be a stray frame.
    if (menu.isEmpty())
        return;
    menu.exec(ui->tableViewRecord->viewport()->mapToGlobal(point));
}

bool MainWindow::askAboutZoneTransfer(PZone)
{
    // Asked by the zone workflows.
    return false;
}

bool MainWindow::askAboutRemoveZone(PZone)
{
    // Asked by the zone workflows.
    return false;
}

bool MainWindow::askAboutRemoveRecord(PRecord)
{
    // Asked by the record workflows.
    return false;
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

void MainWindow::showNotification(QMessageBox::Icon icon, const QString &title, const QString &text)
{
    QMessageBox box(icon, title, text, QMessageBox::Ok, this);
    box.exec();
}

void MainWindow::showCheckResult(bool noerror, const QString &okText, const QString &errorText,
                                 const QString &report)
{
    QMessageBox box;
    box.setIcon(noerror ? QMessageBox::Information : QMessageBox::Critical);
    box.setText(noerror ? okText : errorText);
    box.setDetailedText(report);
    box.exec();
}
