#include "recordmodel.h"

#include "core/serverzones.h"

#include <QGuiApplication>
#include <QPalette>

#include <algorithm>

RecordModel::RecordModel(QObject *parent) : QAbstractTableModel(parent) {}

RecordModel::~RecordModel() = default;

int RecordModel::rowCount(const QModelIndex &parent) const
{
    if (parent.isValid())
        return 0;
    return m_records.size();
}

int RecordModel::columnCount(const QModelIndex &) const
{
    return ColumnCount;
}

QVariant RecordModel::data(const QModelIndex &index, int role) const
{
    if (!isRow(index))
        return QVariant();
    if (role == Qt::TextAlignmentRole && index.column() == TtlColumn)
        return int(Qt::AlignRight | Qt::AlignVCenter);
    const Record &record = *m_records.at(index.row());
    if (role == Qt::DisplayRole)
        return displayText(record, index.column());
    if (role != Qt::ForegroundRole && role != Qt::ToolTipRole)
        return QVariant();
    const QString reason = readOnlyReason(record);
    if (reason.isEmpty())
        return QVariant();
    if (role == Qt::ToolTipRole)
        return reason;
    return QGuiApplication::palette().brush(QPalette::Disabled, QPalette::Text);
}

QString RecordModel::readOnlyReason(const Record &record) const
{
    const QString zoneReason = m_zone ? m_zone->recordsReadOnlyReason() : QString();
    return zoneReason.isEmpty() ? record.readOnlyReason() : zoneReason;
}

QVariant RecordModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole)
        return QAbstractTableModel::headerData(section, orientation, role);
    switch (section) {
    case NameColumn:
        return tr("Name");
    case TtlColumn:
        return tr("TTL");
    case ClassColumn:
        return tr("Class");
    case TypeColumn:
        return tr("Type");
    case DataColumn:
        return tr("Data");
    default:
        return QVariant();
    }
}

PRecord RecordModel::record(const QModelIndex &index) const
{
    if (!isRow(index))
        return PRecord();
    return m_records.at(index.row());
}

void RecordModel::setRecords(const QVector<PRecord> &records)
{
    beginResetModel();
    m_records = records;
    endResetModel();
}

void RecordModel::appendRecord(const PRecord &record)
{
    const int row = rowCount();
    beginInsertRows(QModelIndex(), row, row);
    m_records.append(record);
    endInsertRows();
}

void RecordModel::removeRecord(const QModelIndex &index)
{
    const int row = index.row();
    if (row < 0 || row >= rowCount())
        return;
    beginRemoveRows(QModelIndex(), row, row);
    m_records.removeAt(row);
    endRemoveRows();
}

void RecordModel::showZone(const PZone &zone)
{
    m_zone = zone;
    setRecords(zone ? zone->records() : QVector<PRecord>());
}

void RecordModel::follow(const ServerZones *zones)
{
    connect(zones, &ServerZones::zonesReset, this, [this] { showZone(PZone()); });
    const auto showAgain = [this](const PZone &zone) {
        if (zone == m_zone)
            setRecords(zone->records());
    };
    connect(zones, &ServerZones::recordsChanged, this, showAgain);
    connect(zones, &ServerZones::zoneLoaded, this, showAgain);
    connect(zones, &ServerZones::zoneRemoved, this, [this](const PZone &zone) {
        if (zone == m_zone)
            showZone(PZone());
    });
}

bool RecordModel::hasOtherClasses() const
{
    const QString internet = QStringLiteral("IN");
    return std::any_of(m_records.cbegin(), m_records.cend(), [&internet](const PRecord &record) {
        return record->recordClass().compare(internet, Qt::CaseInsensitive) != 0;
    });
}

bool RecordModel::isRow(const QModelIndex &index) const
{
    return index.isValid() && index.model() == this && index.row() < m_records.size();
}

QVariant RecordModel::displayText(const Record &record, int column) const
{
    switch (column) {
    case NameColumn:
        return record.fullName();
    case TtlColumn:
        return record.ttl();
    case ClassColumn:
        return record.recordClass();
    case TypeColumn:
        return record.type();
    case DataColumn:
        return record.content();
    default:
        return QVariant();
    }
}
