#pragma once

#include "config/zone.h"

#include <QMessageBox>
#include <QPointer>
#include <QTimer>
#include <QVariantMap>

#include <functional>
#include <memory>

class MainWindow;
class QAction;
class QTableView;

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
    explicit ModalScript(const QList<Answer> &answers = {});

    QList<Answer> answers;
    QStringList seen;

private:
    void poll();

    QPointer<QWidget> handled;
    QTimer timer;
};

// Triggers the action and answers what it opens: what the script saw, and the answers left over.
QStringList give(MainWindow &window, const QString &action, const QList<Answer> &answers = {});
// The lines, where each that fits its pattern ('*' for any text) is replaced by the pattern.
QStringList fitted(QStringList lines, const QStringList &patterns);

Answer press(QMessageBox::StandardButton button);
Answer cancel();
// Fills the editors of a dialog by object name, lists by their text, and presses Ok.
Answer fillAndAccept(const QVariantMap &values);
Answer recordWizard(const QString &type, const QVariantMap &values);
// A new master zone: forward, or reverse when `name` is a network address.
Answer zoneWizard(const QString &name, const QString &nameServer, const QString &address);

// Shows the window, reads the configuration and selects the zone and the record, when given.
void start(std::unique_ptr<MainWindow> &window, const QString &zone = {},
           const QString &record = {});
QAction *action(MainWindow &window, const QString &name);
QTableView *table(MainWindow &window, const QString &name);
QStringList zoneNames(MainWindow &window);
PZone listedZone(MainWindow &window, const QString &name);
// The zone-file lines of the listed records, sorted.
QStringList listedRecords(MainWindow &window);
// Clicks the first zone, or record, whose name, or zone-file line, starts with the prefix.
void select(MainWindow &window, const QString &tableName, const QString &prefix);

// The zone file read back through named-compilezone, as sorted zone-file lines.
QStringList recordsOnDisk(const QString &zoneName, const QString &filePath);
QStringList recordLines(const QList<PRecord> &records);
QStringList sorted(QStringList lines);

} // namespace WindowDriver

Q_DECLARE_METATYPE(WindowDriver::Answer)
