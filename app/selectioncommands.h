#pragma once

#include <QObject>
#include <QPoint>

class QAction;
class QStatusBar;
class ZoneRecordTables;

// The zone and record commands as the tables' selection allows them: on while they apply, the
// record commands off, with the reason in the status bar, while the records can't be changed;
// and offered in the tables' context menus.
class SelectionCommands : public QObject
{
    Q_OBJECT

public:
    struct Actions
    {
        QAction *addZone;
        QAction *editZone;
        QAction *removeZone;
        QAction *checkZone;
        QAction *addRecord;
        QAction *editRecord;
        QAction *removeRecord;
    };

    SelectionCommands(const Actions &actions, const ZoneRecordTables &tables, QStatusBar *statusBar,
                      QObject *parent = nullptr);

private slots:
    void enableZoneActions() { setZoneActionsEnabled(true); }
    void disableZoneActions() { setZoneActionsEnabled(false); }
    void enableRecordActions() { setRecordActionsEnabled(true); }
    void disableRecordActions() { setRecordActionsEnabled(false); }
    void onZoneMenuRequested(QPoint point);
    void onRecordMenuRequested(QPoint point);

private:
    void setZoneActionsEnabled(bool enabled);
    void setRecordActionsEnabled(bool enabled);
    // Why the selected zone's records, or the selected record, can't be changed; empty if they can.
    QString recordsReadOnlyReason() const;

    const Actions m_actions;
    const ZoneRecordTables &m_tables;
    QStatusBar *m_statusBar;
};
