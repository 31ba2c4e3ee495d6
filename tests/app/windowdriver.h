#pragma once

#include "config/zone.h"

#include <QMessageBox>
#include <QObject>
#include <QPointer>
#include <QStringList>
#include <QTimer>
#include <QVariantMap>

#include <functional>

class MainWindow;
class QAction;
class QTableView;

// Drives the main window as a user does: selections by click, commands by their actions, and
// the wizards, dialogs and question boxes that the commands open answered in turn.
namespace WindowDriver {

struct SeenBox
{
    QString title;
    QString text;
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    bool hasParent = false;
};

// What to do with one modal window; it must close it.
using Answer = std::function<void(QWidget *modal)>;

// Answers the modal windows in the order they open, one answer each, and keeps what every
// message box said. A window that finds no answer left is rejected and named in `unexpected`.
class ModalScript : public QObject
{
public:
    explicit ModalScript(const QList<Answer> &answers = {});

    QList<SeenBox> boxes;
    QStringList unexpected;
    int remaining() const { return answers.size(); }

private:
    void poll();

    QList<Answer> answers;
    QPointer<QWidget> handled;
    QTimer timer;
};

Answer press(QMessageBox::StandardButton button);
Answer cancel();
// Chooses the type on the first page, fills the type's form and finishes.
Answer recordWizard(const QString &type, const QVariantMap &values);
// Fills the editors of a record or zone dialog and presses Ok.
Answer fillAndAccept(const QVariantMap &values);
// A new master zone: forward with the name server's address, or reverse for the network of
// `address` with the name server's pointer at `nameServerAddress`.
Answer forwardZoneWizard(const QString &name, const QString &nameServer,
                         const QString &nameServerAddress);
Answer reverseZoneWizard(const QString &network, const QString &nameServer,
                         const QString &nameServerAddress);

QAction *action(MainWindow &window, const QString &name);
QTableView *zoneTable(MainWindow &window);
QTableView *recordTable(MainWindow &window);
QStringList zoneNames(MainWindow &window);
// The zone-file lines of the records that the record table lists, sorted.
QStringList listedRecords(MainWindow &window);
void selectZone(MainWindow &window, const QString &name);
// Selects the first listed record whose zone-file line starts with `linePrefix`.
void selectRecord(MainWindow &window, const QString &linePrefix);

// The zone file read back through named-compilezone, one sorted zone-file line per record.
QStringList recordsOnDisk(const QString &zoneName, const QString &filePath);
// The zone-file lines of these records, sorted.
QStringList recordLines(const QList<PRecord> &records);
// The zone of the window's list with this name, or null.
PZone listedZone(MainWindow &window, const QString &name);
// Empty when named-checkconf -z accepts the configuration, otherwise its report.
QString checkConfigurationAndZones();
QStringList sorted(QStringList lines);

} // namespace WindowDriver

Q_DECLARE_METATYPE(WindowDriver::Answer)
