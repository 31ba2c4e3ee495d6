#include "mainwindow.h"

#include "common/errorstackexception.h"
#include "core/zonesettings.h"
#include "dialogs/createrecorddialog.h"
#include "dialogs/recorddialog.h"
#include "dialogs/zonedialog.h"
#include "platform/kivohelpmenu.h"
#include "prompts.h"
#include "records/record.h"
#include "wizards/recordwizard.h"
#include "wizards/zonewizard.h"

#include "ui_mainwindow.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QHeaderView>
#include <QMenu>
#include <QSettings>
#include <QShortcut>
#include <QStatusBar>
#include <QTimer>

#include <cstdlib>

namespace {
const QString settingsOrganization = QStringLiteral("tamzor");
const QString settingsApplication = QStringLiteral("tamzor");
const QString geometryKey = QStringLiteral("window/geometry");
const QString windowStateKey = QStringLiteral("window/state");
const QString splitterKey = QStringLiteral("window/splitter");
const int progressBarWidth = 160;
const int rowPadding = 8;
const int fittedRows = 100;
} // namespace

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
    zoneModel.follow(&serverZones);
    recordModel.follow(&serverZones);
    setUpTables();
    connectSelection();
    connectCommands();
    ui->menuBar->addMenu(new KivoHelpMenu(this));
    connect(&serverZones, &ServerZones::readProblem, this, &MainWindow::onReadProblem);
    connect(&serverZones, &ServerZones::zonesReset, this, [this] {
        loadProgress.setRange(0, serverZones.zones().size());
        loadProgress.setValue(0);
        loadProgress.setVisible(serverZones.isLoading());
    });
    connect(&serverZones, &ServerZones::loadProgress, this, &MainWindow::onLoadProgress);
    connect(&serverZones, &ServerZones::loadFinished, this, &MainWindow::onLoadFinished);

    loadProgress.setMaximumWidth(progressBarWidth);
    loadProgress.setFormat(tr("Zones read: %v of %m"));
    loadProgress.hide();
    statusBar()->addWidget(&loadProgress);
    statusBar()->addWidget(&recordCount);
    restoreLayout();
}

MainWindow::~MainWindow() = default;

void MainWindow::setUpTables()
{
    zoneTable.setSourceModel(&zoneModel);
    zoneTable.setFilterKeyColumn(-1);
    zoneTable.setFilterCaseSensitivity(Qt::CaseInsensitive);
    ui->tableViewZone->setModel(&zoneTable);
    connect(&zoneTable, &QAbstractItemModel::modelReset, this,
            [this] { ui->tableViewZone->resizeColumnToContents(ZoneModel::NameColumn); });
    connect(ui->lineEditZoneFilter, &QLineEdit::textChanged, &zoneTable,
            &QSortFilterProxyModel::setFilterFixedString);

    recordTable.setSourceModel(&recordModel);
    ui->tableViewRecord->setModel(&recordTable);
    ui->tableViewRecord->horizontalHeader()->setSortIndicator(RecordModel::NameColumn,
                                                              Qt::AscendingOrder);
    ui->tableViewRecord->setSortingEnabled(true);
    connect(ui->lineEditRecordFilter, &QLineEdit::textChanged, &recordTable,
            &RecordSortFilterModel::setFilterText);
    for (QLineEdit *filter : {ui->lineEditZoneFilter, ui->lineEditRecordFilter})
        filter->addAction(ui->actionFindRecords->icon(), QLineEdit::LeadingPosition);
    connect(&recordTable, &QAbstractItemModel::modelReset, this, &MainWindow::fitRecordColumns);
    connect(&recordTable, &QAbstractItemModel::modelReset, this, &MainWindow::countRecords);
    connect(&recordTable, &QAbstractItemModel::layoutChanged, this, &MainWindow::countRecords);

    zoneController.setup(&zoneModel, ui->tableViewZone);
    recordController.setup(&recordModel, ui->tableViewRecord);
    editOnEnterAndDoubleClick(ui->tableViewZone, ui->actionEditZone);
    editOnEnterAndDoubleClick(ui->tableViewRecord, ui->actionEditRecord);
    // One line of text a row, so that a big zone shows as many records as the window holds; its
    // columns are fitted to the rows in sight and a few more, not to every one of them.
    for (QTableView *view : {ui->tableViewZone, ui->tableViewRecord}) {
        view->verticalHeader()->setDefaultSectionSize(fontMetrics().height() + rowPadding);
        view->horizontalHeader()->setResizeContentsPrecision(fittedRows);
    }
}

void MainWindow::editOnEnterAndDoubleClick(QTableView *view, QAction *edit)
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

void MainWindow::restoreLayout()
{
    const QSettings settings(settingsOrganization, settingsApplication);
    restoreGeometry(settings.value(geometryKey).toByteArray());
    restoreState(settings.value(windowStateKey).toByteArray());
    ui->splitter->restoreState(settings.value(splitterKey).toByteArray());
}

void MainWindow::saveLayout() const
{
    QSettings settings(settingsOrganization, settingsApplication);
    settings.setValue(geometryKey, saveGeometry());
    settings.setValue(windowStateKey, saveState());
    settings.setValue(splitterKey, ui->splitter->saveState());
}

void MainWindow::closeEvent(QCloseEvent *event)
{
    saveLayout();
    QMainWindow::closeEvent(event);
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
    connect(ui->actionFindRecords, &QAction::triggered, this, &MainWindow::findRecords);
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
    wizard.setChange(tr("Zone save error"), [&] { serverZones.addZone(wizard.zone()); });
    wizard.exec();
    offerUndo();
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
        serverPanel->checkZone(zone);
}

void MainWindow::setupRecordModel()
{
    const PZone zone = zoneController.selectedZone();
    if (zone)
        serverZones.prioritize(zone);
    recordModel.showZone(zone);
}

// The data takes the rest of the width.
void MainWindow::fitRecordColumns()
{
    ui->tableViewRecord->setColumnHidden(RecordModel::ClassColumn, !recordModel.hasOtherClasses());
    for (const int column : {RecordModel::NameColumn, RecordModel::TtlColumn,
                             RecordModel::ClassColumn, RecordModel::TypeColumn})
        ui->tableViewRecord->resizeColumnToContents(column);
}

void MainWindow::countRecords()
{
    const PZone zone = recordModel.shownZone();
    if (!zone)
        recordCount.clear();
    else if (!zone->isLoaded())
        recordCount.setText(tr("Reading the records of zone %1…").arg(zone->name()));
    else if (recordTable.rowCount() == recordModel.rowCount())
        recordCount.setText(tr("Records: %1").arg(recordModel.rowCount()));
    else
        recordCount.setText(
            tr("Records: %1 of %2").arg(recordTable.rowCount()).arg(recordModel.rowCount()));
}

void MainWindow::findRecords()
{
    ui->lineEditRecordFilter->setFocus(Qt::ShortcutFocusReason);
    ui->lineEditRecordFilter->selectAll();
}

void MainWindow::showRecord(const PRecord &record)
{
    const QModelIndex source = recordModel.index(recordModel.rowOf(record), 0);
    if (!source.isValid())
        return;
    if (!recordTable.mapFromSource(source).isValid())
        ui->lineEditRecordFilter->clear();
    const QModelIndex shown = recordTable.mapFromSource(source);
    ui->tableViewRecord->selectRow(shown.row());
    ui->tableViewRecord->scrollTo(shown);
}

void MainWindow::addRecord()
{
    const PZone zone = zoneController.selectedZone();
    if (!zone || !ownsItsFile(zone))
        return;
    RecordWizard wizard(zone);
    PRecord added;
    wizard.setChange(tr("Can't save zone records"), [&] {
        added = wizard.record();
        serverZones.addRecord(zone, added);
    });
    if (wizard.exec() == QDialog::Accepted)
        showRecord(added);
    offerUndo();
}

void MainWindow::editRecord()
{
    // After a failed save the table is reset and nothing is selected, while the command may
    // still be on.
    const PZone zone = zoneController.selectedZone();
    const PRecord record = recordController.selectedRecord();
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
        showRecord(saved);
    offerUndo();
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

void MainWindow::onReadProblem(QString message)
{
    if (serverZones.isLoading())
        readProblems.append(message);
    else
        prompts.notify(QMessageBox::Warning, tr("Zone parser error"), message);
}

void MainWindow::onLoadProgress(int loaded, int total)
{
    loadProgress.setRange(0, total);
    loadProgress.setValue(loaded);
    loadProgress.show();
    countRecords();
}

void MainWindow::onLoadFinished()
{
    loadProgress.hide();
    if (readProblems.isEmpty())
        return;
    const QStringList problems = readProblems;
    readProblems.clear();
    prompts.summary(tr("Zone parser error"),
                    tr("Some zones could not be read. They stay listed, and their records can be "
                       "changed once their files are mended and read again."),
                    problems.join(QStringLiteral("\n\n")));
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
    const PZone zone = zoneController.selectedZone();
    const QString reason = zone ? zone->recordsReadOnlyReason() : QString();
    ui->actionAddRecord->setEnabled(enabled && reason.isEmpty());
    if (enabled && !reason.isEmpty())
        statusBar()->showMessage(reason);
}

void MainWindow::setRecordActionsEnabled(bool enabled)
{
    const QString reason = enabled ? recordsReadOnlyReason() : QString();
    ui->actionEditRecord->setEnabled(enabled && reason.isEmpty());
    ui->actionRemoveRecord->setEnabled(enabled && reason.isEmpty());
    if (!reason.isEmpty())
        statusBar()->showMessage(reason);
}

QString MainWindow::recordsReadOnlyReason() const
{
    const PZone zone = zoneController.selectedZone();
    const PRecord record = recordController.selectedRecord();
    if (!zone || !record)
        return QString();
    if (!zone->recordsReadOnlyReason().isEmpty())
        return zone->recordsReadOnlyReason();
    return record->readOnlyReason();
}
