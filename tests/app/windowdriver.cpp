#include "windowdriver.h"

#include "app/mainwindow.h"
#include "common/errorstackexception.h"
#include "models/recordmodel.h"
#include "models/zonemodel.h"
#include "records/compilezone.h"
#include "records/record.h"
#include "tests/dialogs/formdriver.h"

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QProcess>
#include <QPushButton>
#include <QTableView>
#include <QTest>
#include <QWizard>

#include <algorithm>

namespace WindowDriver {

namespace {
// Lists are chosen by their text; every other editor is typed into key by key.
void fillForm(QWidget *form, const QVariantMap &values)
{
    for (auto value = values.cbegin(); value != values.cend(); ++value) {
        auto *combo = form->findChild<QComboBox *>(value.key());
        if (combo && !combo->isEditable())
            combo->setCurrentIndex(combo->findText(value.value().toString()));
        else
            FormDriver::type(form, value.key(), value.value().toString());
    }
}

void fillCurrentPage(QWizard *wizard, const QVariantMap &values)
{
    fillForm(wizard->currentPage(), values);
    FormDriver::pressForward(*wizard);
}

// Chooses forward (0) or reverse (1) lookup, fills the name page and the name server pages.
Answer zoneWizard(int lookupType, const QVariantMap &namePage, const QString &nameServer,
                  const QString &address)
{
    return [=](QWidget *modal) {
        auto *wizard = qobject_cast<QWizard *>(modal);
        if (!wizard)
            return;
        wizard->currentPage()
            ->findChild<QComboBox *>(QStringLiteral("comboBoxLookupType"))
            ->setCurrentIndex(lookupType);
        FormDriver::pressForward(*wizard);
        fillCurrentPage(wizard, namePage);
        fillCurrentPage(wizard,
                        {{QStringLiteral("lineEditMName"), nameServer},
                         {QStringLiteral("lineEditRName"), QString("hostmaster." + nameServer)}});
        fillCurrentPage(wizard, {});
        fillCurrentPage(wizard, {{QStringLiteral("kivoHostAddress"), address}});
    };
}

template <typename Model> Model *modelOf(QTableView *table)
{
    return qobject_cast<Model *>(table->model());
}
} // namespace

ModalScript::ModalScript(const QList<Answer> &answers) : answers(answers)
{
    connect(&timer, &QTimer::timeout, this, &ModalScript::poll);
    timer.start(10);
}

void ModalScript::poll()
{
    QWidget *modal = QApplication::activeModalWidget();
    if (!modal || !modal->isVisible())
        return;
    if (modal == handled || answers.isEmpty()) {
        unexpected.append(modal->objectName() + QLatin1Char(' ') + modal->windowTitle());
        if (auto *dialog = qobject_cast<QDialog *>(modal))
            dialog->reject();
        return;
    }
    if (auto *box = qobject_cast<QMessageBox *>(modal))
        boxes.append(
            {box->windowTitle(), box->text(), box->icon(), box->parentWidget() != nullptr});
    handled = modal;
    answers.takeFirst()(modal);
}

Answer press(QMessageBox::StandardButton button)
{
    return [button](QWidget *modal) {
        auto *box = qobject_cast<QMessageBox *>(modal);
        if (box && box->button(button))
            box->button(button)->click();
    };
}

Answer cancel()
{
    return [](QWidget *modal) {
        if (auto *dialog = qobject_cast<QDialog *>(modal))
            dialog->reject();
    };
}

Answer recordWizard(const QString &type, const QVariantMap &values)
{
    return [type, values](QWidget *modal) {
        auto *wizard = qobject_cast<QWizard *>(modal);
        if (!wizard)
            return;
        fillCurrentPage(wizard, {{QStringLiteral("comboBoxType"), type}});
        fillCurrentPage(wizard, values);
    };
}

Answer fillAndAccept(const QVariantMap &values)
{
    return [values](QWidget *modal) {
        fillForm(modal, values);
        if (auto *buttons = modal->findChild<QDialogButtonBox *>(QStringLiteral("buttonBox")))
            buttons->button(QDialogButtonBox::Ok)->click();
    };
}

Answer forwardZoneWizard(const QString &name, const QString &nameServer,
                         const QString &nameServerAddress)
{
    return zoneWizard(0, {{QStringLiteral("lineEditName"), name}}, nameServer, nameServerAddress);
}

Answer reverseZoneWizard(const QString &network, const QString &nameServer,
                         const QString &nameServerAddress)
{
    return zoneWizard(1, {{QStringLiteral("kivoHostAddress"), network}}, nameServer,
                      nameServerAddress);
}

QAction *action(MainWindow &window, const QString &name)
{
    return window.findChild<QAction *>(name);
}

QTableView *zoneTable(MainWindow &window)
{
    return window.findChild<QTableView *>(QStringLiteral("tableViewZone"));
}

QTableView *recordTable(MainWindow &window)
{
    return window.findChild<QTableView *>(QStringLiteral("tableViewRecord"));
}

QStringList zoneNames(MainWindow &window)
{
    QStringList names;
    const QList<PZone> zones = modelOf<ZoneModel>(zoneTable(window))->zones();
    for (const PZone &zone : zones)
        names.append(zone->name());
    return names;
}

QStringList listedRecords(MainWindow &window)
{
    return recordLines(modelOf<RecordModel>(recordTable(window))->records());
}

static void clickRow(QTableView *table, int row)
{
    table->scrollTo(table->model()->index(row, 0));
    const QRect cell = table->visualRect(table->model()->index(row, 0));
    QTest::mouseClick(table->viewport(), Qt::LeftButton, Qt::NoModifier, cell.center());
}

void selectZone(MainWindow &window, const QString &name)
{
    const int row = zoneNames(window).indexOf(name);
    QVERIFY2(row >= 0, qPrintable(QStringLiteral("no zone %1 listed").arg(name)));
    clickRow(zoneTable(window), row);
}

void selectRecord(MainWindow &window, const QString &linePrefix)
{
    const QList<PRecord> records = modelOf<RecordModel>(recordTable(window))->records();
    int row = 0;
    while (row < records.size() && !records.at(row)->toString().startsWith(linePrefix))
        ++row;
    QVERIFY2(row < records.size(),
             qPrintable(QStringLiteral("no record %1 listed").arg(linePrefix)));
    clickRow(recordTable(window), row);
}

QStringList recordsOnDisk(const QString &zoneName, const QString &filePath)
{
    const PZone zone(new Zone);
    zone->setName(zoneName);
    zone->setFile(filePath);
    try {
        readZoneRecords(zone);
    } catch (const ErrorStackException &exception) {
        return {QStringLiteral("unreadable: ") + exception.text()};
    }
    return recordLines(zone->records());
}

QStringList recordLines(const QList<PRecord> &records)
{
    QStringList lines;
    for (const PRecord &record : records)
        lines.append(record->toString());
    return sorted(lines);
}

PZone listedZone(MainWindow &window, const QString &name)
{
    const QList<PZone> zones = modelOf<ZoneModel>(zoneTable(window))->zones();
    const auto found = std::find_if(zones.cbegin(), zones.cend(),
                                    [&](const PZone &zone) { return zone->name() == name; });
    return found == zones.cend() ? PZone() : *found;
}

QString checkConfigurationAndZones()
{
    QProcess checker;
    checker.setProcessChannelMode(QProcess::MergedChannels);
    checker.start(QStringLiteral("/usr/bin/named-checkconf"), {QStringLiteral("-z")});
    if (checker.waitForFinished(30000) && checker.exitStatus() == QProcess::NormalExit &&
        checker.exitCode() == 0)
        return QString();
    return QStringLiteral("named-checkconf failed: ") + QString::fromUtf8(checker.readAll());
}

QStringList sorted(QStringList lines)
{
    lines.sort();
    return lines;
}

} // namespace WindowDriver
