#include "recordcount.h"

#include "core/serverzones.h"
#include "models/recordmodel.h"

#include <QStatusBar>

// The label is the receiver of every connection: it goes, and they with it, when this goes.
RecordCount::RecordCount(const RecordModel &records, const QAbstractItemModel &shown,
                         const ServerZones &serverZones, QStatusBar *statusBar)
    : m_records(records), m_shown(shown)
{
    const auto count = [this] { this->count(); };
    QObject::connect(&shown, &QAbstractItemModel::modelReset, &m_label, count);
    QObject::connect(&shown, &QAbstractItemModel::layoutChanged, &m_label, count);
    QObject::connect(&serverZones, &ServerZones::loadProgress, &m_label, count);
    statusBar->addWidget(&m_label);
}

void RecordCount::count()
{
    const PZone zone = m_records.shownZone();
    if (!zone)
        m_label.clear();
    else if (!zone->isLoaded())
        m_label.setText(tr("Reading the records of zone %1…").arg(zone->name()));
    else if (m_shown.rowCount() == m_records.rowCount())
        m_label.setText(tr("Records: %1").arg(m_records.rowCount()));
    else
        m_label.setText(tr("Records: %1 of %2").arg(m_shown.rowCount()).arg(m_records.rowCount()));
}
