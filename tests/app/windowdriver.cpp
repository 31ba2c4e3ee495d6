#include "windowdriver.h"

#include "app/mainwindow.h"
#include "common/errorstackexception.h"
#include "models/recordmodel.h"
#include "models/zonemodel.h"
#include "records/compilezone.h"
#include "records/record.h"
#include "tests/dialogs/formdriver.h"

#include <QAction>
#include <QHostAddress>
#include <QProcess>
#include <QRegularExpression>
#include <QTableView>

namespace WindowDriver {

namespace {
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

// Fills each page in turn and presses Next, or Finish on the last.
Answer wizard(const QList<QVariantMap> &pages)
{
    return [pages](QWidget *modal) {
        auto *wizard = qobject_cast<QWizard *>(modal);
        for (const QVariantMap &page : pages) {
            if (!wizard)
                return;
            fillForm(wizard->currentPage(), page);
            FormDriver::pressForward(*wizard);
        }
    };
}

QList<PZone> listedZones(MainWindow &window)
{
    return qobject_cast<ZoneModel *>(table(window, QStringLiteral("Zone"))->model())->zones();
}

QList<PRecord> listedRecordList(MainWindow &window)
{
    return qobject_cast<RecordModel *>(table(window, QStringLiteral("Record"))->model())->records();
}
} // namespace

ModalScript::ModalScript(const QList<Answer> &answers) : answers(answers)
{
    connect(&timer, &QTimer::timeout, this, &ModalScript::poll);
    timer.start(10);
}

void ModalScript::poll()
{
    static const char *const icons[] = {"plain", "info", "warning", "critical", "question"};
    QWidget *modal = QApplication::activeModalWidget();
    if (!modal || !modal->isVisible())
        return;
    if (modal == handled || answers.isEmpty()) {
        seen.append("unanswered " + modal->objectName() + ' ' + modal->windowTitle());
        if (auto *dialog = qobject_cast<QDialog *>(modal))
            dialog->reject();
        return;
    }
    if (auto *box = qobject_cast<QMessageBox *>(modal)) {
        QString line = QString(QLatin1String(icons[box->icon()]) + ' ' + box->windowTitle());
        line = line.trimmed() + ": " + box->text();
        seen.append(box->detailedText().isEmpty() ? line : line + '\n' + box->detailedText());
    }
    handled = modal;
    answers.takeFirst()(modal);
}

QStringList give(MainWindow &window, const QString &action, const QList<Answer> &answers)
{
    ModalScript script(answers);
    WindowDriver::action(window, action)->trigger();
    if (!script.answers.isEmpty())
        script.seen.append(QStringLiteral("%1 answers left").arg(script.answers.size()));
    return script.seen;
}

QStringList fitted(QStringList lines, const QStringList &patterns)
{
    for (int i = 0; i < qMin(lines.size(), patterns.size()); ++i) {
        const QString any = QRegularExpression::escape(patterns.at(i)).replace("\\*", ".*");
        if (QRegularExpression("\\A" + any + "\\z", QRegularExpression::DotMatchesEverythingOption)
                .match(lines.at(i))
                .hasMatch())
            lines[i] = patterns.at(i);
    }
    return lines;
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
    return [](QWidget *modal) { qobject_cast<QDialog *>(modal)->reject(); };
}

Answer fillAndAccept(const QVariantMap &values)
{
    return [values](QWidget *modal) {
        fillForm(modal, values);
        modal->findChild<QDialogButtonBox *>()->button(QDialogButtonBox::Ok)->click();
    };
}

Answer recordWizard(const QString &type, const QVariantMap &values)
{
    return wizard({{{QStringLiteral("comboBoxType"), type}}, values});
}

Answer zoneWizard(const QString &name, const QString &nameServer, const QString &address)
{
    const bool reverse = !QHostAddress(name).isNull();
    return wizard(
        {{{"comboBoxLookupType", reverse ? "Reverse" : "Forward"}},
         {{reverse ? "kivoHostAddress" : "lineEditName", name}},
         {{"lineEditMName", nameServer}, {"lineEditRName", QString("hostmaster." + nameServer)}},
         QVariantMap(),
         {{"kivoHostAddress", address}}});
}

void start(std::unique_ptr<MainWindow> &window, const QString &zone, const QString &record)
{
    window = std::make_unique<MainWindow>();
    window->show();
    QVERIFY(QTest::qWaitForWindowExposed(window.get()));
    window->initialize();
    if (!zone.isEmpty())
        select(*window, QStringLiteral("Zone"), zone);
    if (!record.isEmpty())
        select(*window, QStringLiteral("Record"), record);
}

QAction *action(MainWindow &window, const QString &name)
{
    return window.findChild<QAction *>(name);
}

QTableView *table(MainWindow &window, const QString &name)
{
    return window.findChild<QTableView *>(QStringLiteral("tableView") + name);
}

QStringList zoneNames(MainWindow &window)
{
    QStringList names;
    for (const PZone &zone : listedZones(window))
        names.append(zone->name());
    return names;
}

PZone listedZone(MainWindow &window, const QString &name)
{
    return listedZones(window).value(zoneNames(window).indexOf(name));
}

QStringList listedRecords(MainWindow &window)
{
    return sorted(recordLines(listedRecordList(window)));
}

void select(MainWindow &window, const QString &tableName, const QString &prefix)
{
    const QStringList lines = tableName == QLatin1String("Zone")
                                  ? zoneNames(window)
                                  : recordLines(listedRecordList(window));
    int row = 0;
    while (row < lines.size() && !lines.at(row).startsWith(prefix))
        ++row;
    QVERIFY2(row < lines.size(), qPrintable("nothing listed as " + prefix));
    QTableView *view = table(window, tableName);
    const QModelIndex index = view->model()->index(row, 0);
    view->scrollTo(index);
    QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, view->visualRect(index).center());
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
    return sorted(recordLines(zone->records()));
}

QStringList recordLines(const QList<PRecord> &records)
{
    QStringList lines;
    for (const PRecord &record : records)
        lines.append(record->toString());
    return lines;
}

QStringList sorted(QStringList lines)
{
    lines.sort();
    return lines;
}

} // namespace WindowDriver
