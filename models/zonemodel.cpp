#include "zonemodel.h"

#include "core/serverzones.h"

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

void ZoneModel::follow(const ServerZones *zones)
{
    connect(zones, &ServerZones::zonesReset, this, [this, zones] { setZones(zones->zones()); });
    connect(zones, &ServerZones::zoneAdded, this, &ZoneModel::appendZone);
    connect(zones, &ServerZones::zoneRemoved, this,
            [this](const PZone &zone) { removeZone(index(m_zones.indexOf(zone))); });
    connect(zones, &ServerZones::zoneChanged, this, [this](const PZone &zone) {
        const QModelIndex changed = index(m_zones.indexOf(zone));
        emit dataChanged(changed, changed);
    });
    setZones(zones->zones());
}

bool ZoneModel::isRow(const QModelIndex &index) const
{
    return index.isValid() && index.model() == this && index.row() < m_zones.size();
}
