#pragma once

#include "app/mainwindow.h"
#include "tests/dialogs/formdriver.h"

#include <QAction>
#include <QHostAddress>
#include <QPointer>
#include <QRegularExpression>
#include <QTableView>

#include <functional>

// Drives the main window as a user does: selections by click, commands by their actions, and
// the wizards, dialogs and boxes that the commands open answered in turn.
namespace WindowDriver {

// What to do with one modal window; it must close it.
using Answer = std::function<void(QWidget *modal)>;

// Answers the modal windows in the order they open, one answer each. `seen` keeps every message
// box as "icon title: text", its details on the lines below, and every window that found no
// answer left, which is rejected.
class ModalScript : public QObject
{
public:
    explicit ModalScript(const QList<Answer> &answers = {}) : answers(answers)
    {
        connect(&timer, &QTimer::timeout, this, &ModalScript::poll);
        timer.start(10);
    }

    QList<Answer> answers;
    QStringList seen;

private:
    void poll()
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

    QPointer<QWidget> handled;
    QTimer timer;
};

inline QAction *action(MainWindow &window, const QString &name)
{
    return window.findChild<QAction *>(name);
}

inline QTableView *table(MainWindow &window, const QString &name)
{
    return window.findChild<QTableView *>(QStringLiteral("tableView") + name);
}

// Triggers the action and answers what it opens: what the script saw, and the answers left over.
inline QStringList give(MainWindow &window, const QString &name, const QList<Answer> &answers)
{
    ModalScript script(answers);
    action(window, name)->trigger();
    if (!script.answers.isEmpty())
        script.seen.append(QStringLiteral("%1 answers left").arg(script.answers.size()));
    return script.seen;
}

// The lines, where each that fits its pattern ('*' for any text) is replaced by the pattern.
inline QStringList fitted(QStringList lines, const QStringList &patterns)
{
    for (int i = 0; i < qMin(lines.size(), patterns.size()); ++i) {
        const QString any = QRegularExpression::escape(patterns.at(i)).replace("\\*", ".*");
        const QRegularExpression pattern(QRegularExpression::anchoredPattern(any),
                                         QRegularExpression::DotMatchesEverythingOption);
        if (pattern.match(lines.at(i)).hasMatch())
            lines[i] = patterns.at(i);
    }
    return lines;
}

inline Answer press(QMessageBox::StandardButton button)
{
    return
        [button](QWidget *modal) { qobject_cast<QMessageBox *>(modal)->button(button)->click(); };
}

// Lists are chosen by their text; every other editor is typed into key by key.
inline void fillForm(QWidget *form, const QVariantMap &values)
{
    for (auto value = values.cbegin(); value != values.cend(); ++value) {
        auto *combo = form->findChild<QComboBox *>(value.key());
        if (combo && !combo->isEditable())
            combo->setCurrentIndex(combo->findText(value.value().toString()));
        else
            FormDriver::type(form, value.key(), value.value().toString());
    }
}

inline Answer fillAndAccept(const QVariantMap &values)
{
    return [values](QWidget *modal) {
        fillForm(modal, values);
        modal->findChild<QDialogButtonBox *>()->button(QDialogButtonBox::Ok)->click();
    };
}

// Fills each page in turn and presses Next, or Finish on the last.
inline Answer wizard(const QList<QVariantMap> &pages)
{
    return [pages](QWidget *modal) {
        for (const QVariantMap &page : pages) {
            auto *wizard = qobject_cast<QWizard *>(modal);
            fillForm(wizard->currentPage(), page);
            FormDriver::pressForward(*wizard);
        }
    };
}

inline Answer recordWizard(const QString &type, const QVariantMap &values)
{
    return wizard({{{QStringLiteral("comboBoxType"), type}}, values});
}

// A new master zone: forward, or reverse when `name` is a network address.
inline Answer zoneWizard(const QString &name, const QString &nameServer, const QString &address)
{
    const bool reverse = !QHostAddress(name).isNull();
    return wizard(
        {{{"comboBoxLookupType", reverse ? "Reverse" : "Forward"}},
         {{reverse ? "kivoHostAddress" : "lineEditName", name}},
         {{"lineEditMName", nameServer}, {"lineEditRName", QString("hostmaster." + nameServer)}},
         QVariantMap(),
         {{"kivoHostAddress", address}}});
}

inline QStringList zoneNames(MainWindow &window)
{
    QStringList names;
    for (const PZone &zone : qobject_cast<ZoneModel *>(table(window, "Zone")->model())->zones())
        names.append(zone->name());
    return names;
}

inline QStringList recordLines(const QList<PRecord> &records)
{
    QStringList lines;
    for (const PRecord &record : records)
        lines.append(record->toString());
    return lines;
}

// The zone-file lines of the listed records, in the table's order.
inline QStringList listedRecords(MainWindow &window)
{
    return recordLines(qobject_cast<RecordModel *>(table(window, "Record")->model())->records());
}

// Clicks the first zone, or record, whose name, or zone-file line, starts with the prefix.
inline void select(MainWindow &window, const QString &tableName, const QString &prefix)
{
    const QStringList lines =
        tableName == QLatin1String("Zone") ? zoneNames(window) : listedRecords(window);
    int row = 0;
    while (row < lines.size() && !lines.at(row).startsWith(prefix))
        ++row;
    QVERIFY2(row < lines.size(), qPrintable("nothing listed as " + prefix));
    QTableView *view = table(window, tableName);
    const QModelIndex index = view->model()->index(row, 0);
    view->scrollTo(index);
    QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, view->visualRect(index).center());
}

// Shows the window, reads the configuration and selects the zone and the record, when given.
inline void start(std::unique_ptr<MainWindow> &window, const QString &zone = {},
                  const QString &record = {})
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

inline QStringList sorted(QStringList lines)
{
    lines.sort();
    return lines;
}

} // namespace WindowDriver

Q_DECLARE_METATYPE(WindowDriver::Answer)
