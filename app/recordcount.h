#pragma once

#include <QCoreApplication>
#include <QLabel>

class QAbstractItemModel;
class QStatusBar;
class RecordModel;
class ServerZones;

// The status bar's count of the records the table shows, of all the zone's records while a
// filter hides some, or that they are still being read.
class RecordCount
{
    // Its texts are the window's, as the translators know them.
    Q_DECLARE_TR_FUNCTIONS(MainWindow)

public:
    RecordCount(const RecordModel &records, const QAbstractItemModel &shown,
                const ServerZones &serverZones, QStatusBar *statusBar);

private:
    void count();

    const RecordModel &m_records;
    const QAbstractItemModel &m_shown;
    QLabel m_label;
};
