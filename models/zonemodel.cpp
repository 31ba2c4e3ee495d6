#include "zonemodel.h"

ZoneModel::ZoneModel(QObject *parent) : QAbstractListModel(parent) {}

ZoneModel::~ZoneModel() = default;

int ZoneModel::rowCount(const QModelIndex &parent) const
{
    if (parent.isValid())
        return 0;
    return m_zones.size();
}

QVariant ZoneModel::data(const QModelIndex &index, int role) const
{
    if (role != Qt::DisplayRole || !isRow(index))
        return QVariant();
    return m_zones.at(index.row())->name();
}

QVariant ZoneModel::headerData(int, Qt::Orientation, int) const
{
    return QVariant();
}

PZone ZoneModel::zone(const QModelIndex &index) const
{
    if (!isRow(index))
        return PZone();
    return m_zones.at(index.row());
}

void ZoneModel::setZones(const QList<PZone> &zones)
{
    beginResetModel();
    m_zones = zones;
    endResetModel();
}

void ZoneModel::appendZone(const PZone &zone)
{
    const int row = rowCount();
    beginInsertRows(QModelIndex(), row, row);
    m_zones.append(zone);
    endInsertRows();
}

void ZoneModel::removeZone(const QModelIndex &index)
{
    if (!isRow(index))
        return;
    const int row = index.row();
    beginRemoveRows(QModelIndex(), row, row);
    m_zones.removeAt(row);
    endRemoveRows();
}

bool ZoneModel::isRow(const QModelIndex &index) const
{
    return index.isValid() && index.model() == this && index.row() < m_zones.size();
}
