#include "mainwindow.h"

#include "common/errorstackexception.h"
#include "common/paths.h"
#include "dialogs/createrecorddialog.h"
#include "dialogs/zonedialog.h"
#include "platform/kivohelpmenu.h"
#include "records/record.h"
#include "wizards/recordwizard.h"
#include "wizards/zonewizard.h"

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

// named tells zones apart by name and class, with or without the root's final dot.
bool isSameZone(const Zone &zone, const Zone &other)
{
    const auto key = [](const Zone &z) {
        QString name = z.name().toLower();
        if (name.endsWith(QLatin1Char('.')))
            name.chop(1);
        return qMakePair(name, z.zoneClass().toUpper());
    };
    return key(zone) == key(other);
}

// What the zone dialog may change, to put it back when the change is not stored.
struct ZoneValues
{
    explicit ZoneValues(const Zone &zone) : name(zone.name()), type(zone.type()) {}
    void restore(Zone &zone) const
    {
        zone.setName(name);
        zone.setType(type);
    }
    QString name;
    QString type;
};
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
    ZoneWizard wizard;
    if (wizard.exec() != QDialog::Accepted)
        return;
    const PZone zone = wizard.zone();
    if (const PZone twin = namesake(zone)) {
        showCritical(tr("Zone save error"), tr("Zone %1 already exists").arg(twin->name()));
        return;
    }
    zoneModel.appendZone(zone);
    try {
        ZoneStorage::addZone(zone, zoneModel.zones());
    } catch (const ErrorStackException &exception) {
        showCritical(tr("Zone save error"), exception.text());
        // A listed zone is written into the managed file with the next change of any zone: one
        // whose file was never written must not stay.
        zoneModel.removeZone(zoneModel.index(zoneModel.zones().indexOf(zone)));
    }
}

void MainWindow::editZone()
{
    const PZone zone = zoneController.selectedZone();
    if (!zone)
        return;
    const ZoneValues before(*zone);
    ZoneDialog dialog(zone);
    if (dialog.exec() != QDialog::Accepted)
        return;
    // The table is to show what the server reads; a change that is not stored is undone.
    if (const PZone twin = namesake(zone)) {
        before.restore(*zone);
        showCritical(tr("Zone save error"), tr("Zone %1 already exists").arg(twin->name()));
        return;
    }
    if (!ZoneStorage::isManaged(zone) && !askAboutZoneTransfer(zone)) {
        before.restore(*zone);
        return;
    }
    try {
        ZoneStorage::saveZone(zone, zoneModel.zones());
    } catch (const ErrorStackException &exception) {
        before.restore(*zone);
        showCritical(tr("Zone save error"), exception.text());
    }
    ui->tableViewZone->viewport()->update();
}

void MainWindow::removeZone()
{
    const PZone zone = zoneController.selectedZone();
    if (!zone || !askAboutRemoveZone(zone))
        return;
    zoneController.removeSelectedZone();
    try {
        ZoneStorage::removeZone(zone, zoneModel.zones());
    } catch (const ErrorStackException &exception) {
        showCritical(tr("Zone remove error"), exception.text());
        // The zone is still declared: listed again, it is kept by the next write of the managed
        // file instead of being dropped from it unasked.
        zoneModel.appendZone(zone);
    }
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
    const PZone zone = zoneController.selectedZone();
    if (!zone)
        return;
    const QList<PRecord> restore = recordModel.records();
    RecordWizard wizard;
    if (wizard.exec() != QDialog::Accepted)
        return;
    const PRecord record = wizard.record();
    record->setZone(zone.data());
    recordModel.appendRecord(record);
    saveRecordsOrRestore(zone, restore);
}

void MainWindow::editRecord()
{
    // After a failed save the table is reset and nothing is selected, while the command may
    // still be on.
    const PZone zone = zoneController.selectedZone();
    const PRecord record = recordController.selectedRecord();
    if (!zone || !record)
        return;
    const std::unique_ptr<Record> restore(record->clone());
    const std::unique_ptr<QDialog> dialog = createRecordDialog(*record);
    if (dialog->exec() != QDialog::Accepted)
        return;
    try {
        ZoneStorage::saveZoneRecords(zone);
    } catch (const ErrorStackException &exception) {
        showRecordsNotSaved(exception);
        record->assign(*restore);
    }
    ui->tableViewRecord->viewport()->update();
}

void MainWindow::removeRecord()
{
    const PZone zone = zoneController.selectedZone();
    const PRecord record = recordController.selectedRecord();
    if (!zone || !record)
        return;
    const QList<PRecord> restore = recordModel.records();
    if (!askAboutRemoveRecord(record))
        return;
    recordController.removeSelectedRecord();
    saveRecordsOrRestore(zone, restore);
}

void MainWindow::saveRecordsOrRestore(const PZone &zone, const QList<PRecord> &restore)
{
    zone->setRecords(recordModel.records());
    try {
        ZoneStorage::saveZoneRecords(zone);
    } catch (const ErrorStackException &exception) {
        showRecordsNotSaved(exception);
        zone->setRecords(restore);
        recordModel.setRecords(zone->records());
    }
}

void MainWindow::showRecordsNotSaved(const ErrorStackException &exception)
{
    showCritical(tr("Can't save zone records"), exception.text() + tr("Records will be restored."));
}

PZone MainWindow::namesake(const PZone &zone) const
{
    const QList<PZone> zones = zoneModel.zones();
    for (const PZone &other : zones) {
        if (other != zone && isSameZone(*zone, *other))
            return other;
    }
    return PZone();
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

bool MainWindow::askAboutZoneTransfer(PZone zone)
{
    return askQuestion(tr("Zone transfer"),
                       tr("Zone will be moved from file %1 to file %2.\nSome zone options may be "
                          "lost.\nDo you want to continue?")
                           .arg(zone->conf(), Paths::managedIncludeFile()));
}

bool MainWindow::askAboutRemoveZone(PZone zone)
{
    return askQuestion(tr("Remove"), tr("Do you really want to remove zone %1?").arg(zone->name()));
}

bool MainWindow::askAboutRemoveRecord(PRecord record)
{
    return askQuestion(tr("Remove"),
                       tr("Do you really want to remove record %1?").arg(record->name()));
}

bool MainWindow::askQuestion(const QString &title, const QString &text)
{
    return QMessageBox::question(this, title, text, QMessageBox::Yes | QMessageBox::No,
                                 QMessageBox::NoButton) == QMessageBox::Yes;
}

void MainWindow::showCritical(const QString &title, const QString &text)
{
    showNotification(QMessageBox::Critical, title, text);
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
