#pragma once

#include "app/mainwindow.h"
#include "models/sourceindex.h"
#include "tests/dialogs/formdriver.h"
#include "tests/support/testsupport.h"

#include <QAction>
#include <QHostAddress>
#include <QProgressBar>
#include <QRegularExpression>
#include <QTableView>

#include <functional>

// Drives the main window as a user does: selections by click, commands by their actions, and
// the wizards, dialogs and boxes that the commands open answered in turn.
namespace WindowDriver {

using FormDriver::Answer;
using FormDriver::ModalScript;

inline QTableView *table(MainWindow &window, const QString &name)
{
    return window.findChild<QTableView *>(QStringLiteral("tableView") + name);
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

// Closes a dialog or wizard as its Cancel button does.
inline const Answer cancel = [](QWidget *modal) { qobject_cast<QDialog *>(modal)->reject(); };

inline Answer fillAndAccept(const QString &edits)
{
    return [edits](QWidget *modal) {
        FormDriver::fill(modal, edits);
        modal->findChild<QDialogButtonBox *>()->button(QDialogButtonBox::Ok)->click();
    };
}

// Fills each page in turn and presses Next, or Finish on the last.
inline Answer wizard(const QStringList &pages)
{
    return [pages](QWidget *modal) {
        auto *wizard = qobject_cast<QWizard *>(modal);
        for (const QString &page : pages) {
            FormDriver::fill(wizard->currentPage(), page);
            const bool last = wizard->currentPage()->nextId() == -1;
            wizard->button(last ? QWizard::FinishButton : QWizard::NextButton)->click();
        }
    };
}

// A new master zone: forward, or reverse when `name` is a network address.
inline Answer zoneWizard(const QString &name, const QString &nameServer, const QString &address)
{
    const bool reverse = !QHostAddress(name).isNull();
    return wizard({reverse ? "comboBoxLookupType=Reverse IPv4" : "comboBoxLookupType=Forward",
                   (reverse ? "kivoHostAddress=" : "lineEditName=") + name,
                   "lineEditMName=" + nameServer + "|lineEditRName=hostmaster." + nameServer, "",
                   "lineEditAddress=" + address});
}

// What the table lists, row by row as shown: zone names, or the zone-file lines of records.
inline QStringList listed(MainWindow &window, const QString &tableName)
{
    const QAbstractItemModel *shown = table(window, tableName)->model();
    QStringList lines;
    for (int row = 0; row < shown->rowCount(); ++row) {
        const QModelIndex index = sourceIndex(shown->index(row, 0));
        if (const auto *zones = qobject_cast<const ZoneModel *>(index.model()))
            lines.append(zones->zone(index)->name());
        else
            lines.append(
                qobject_cast<const RecordModel *>(index.model())->record(index)->toString());
    }
    return lines;
}

inline QStringList zoneNames(MainWindow &window)
{
    return listed(window, QStringLiteral("Zone"));
}

inline QStringList listedRecords(MainWindow &window)
{
    return listed(window, QStringLiteral("Record"));
}

// Clicks the first zone, or record, whose name, or zone-file line, starts with the prefix.
inline void select(MainWindow &window, const QString &tableName, const QString &prefix)
{
    const QStringList lines = listed(window, tableName);
    int row = 0;
    while (row < lines.size() && !lines.at(row).startsWith(prefix))
        ++row;
    QVERIFY2(row < lines.size(), qPrintable("nothing listed as " + prefix));
    QTableView *view = table(window, tableName);
    const QModelIndex index = view->model()->index(row, 0);
    view->scrollTo(index);
    QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, view->visualRect(index).center());
}

// Waits until every zone's records have been read.
inline bool waitForRecords(MainWindow &window)
{
    const auto *progress = window.findChild<QProgressBar *>();
    return QTest::qWaitFor([progress] { return progress->isHidden(); }, 30000);
}

// Triggers the action and answers what it opens: what the script saw, and the answers left over.
// A service command runs in the background, with the service actions off until it has ended; a
// command that reads the zones again returns once their records are all there.
inline QStringList give(MainWindow &window, const QString &name, const QList<Answer> &answers)
{
    ModalScript script(answers);
    window.findChild<QAction *>(name)->trigger();
    const auto *restart = window.findChild<QAction *>(QStringLiteral("actionRestart"));
    if (!QTest::qWaitFor([restart] { return restart->isEnabled(); }, 30000))
        script.seen.append(QStringLiteral("service command still running"));
    if (!waitForRecords(window))
        script.seen.append(QStringLiteral("records still being read"));
    if (!script.answers.isEmpty())
        script.seen.append(QStringLiteral("%1 answers left").arg(script.answers.size()));
    return script.seen;
}

// Shows the window, reads the configuration and selects the zone and the record, when given.
inline void start(std::unique_ptr<MainWindow> &window, const QString &zone = {},
                  const QString &record = {})
{
    window = std::make_unique<MainWindow>();
    window->show();
    QVERIFY(QTest::qWaitForWindowExposed(window.get()));
    window->initialize();
    QVERIFY(waitForRecords(*window));
    if (!zone.isEmpty())
        select(*window, QStringLiteral("Zone"), zone);
    if (!record.isEmpty())
        select(*window, QStringLiteral("Record"), record);
}

using TestSupport::sorted;

} // namespace WindowDriver

Q_DECLARE_METATYPE(WindowDriver::Answer)
