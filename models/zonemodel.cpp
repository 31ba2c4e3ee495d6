#include "zonemodel.h"

#include "core/serverzones.h"

#include <QApplication>
#include <QPalette>
#include <QStyle>

#include <algorithm>

ZoneModel::ZoneModel(QObject *parent) : QAbstractTableModel(parent) {}

ZoneModel::~ZoneModel() = default;

int ZoneModel::rowCount(const QModelIndex &parent) const
{
    if (parent.isValid())
        return 0;
    return m_zones.size();
}

int ZoneModel::columnCount(const QModelIndex &parent) const
{
    if (parent.isValid())
        return 0;
    return m_showsViews ? ColumnCount : ViewColumn;
}

QVariant ZoneModel::data(const QModelIndex &index, int role) const
{
    if (!isRow(index))
        return QVariant();
    const Zone &zone = *m_zones.at(index.row());
    switch (role) {
    case Qt::DisplayRole:
        switch (index.column()) {
        case NameColumn:
            return zone.name();
        case TypeColumn:
            return zone.type();
        default:
            return zone.view();
        }
    case Qt::ToolTipRole:
        if (!zone.readProblem().isEmpty())
            return tr("Could not be read: %1").arg(zone.readProblem());
        return zone.isLoaded() ? QVariant() : tr("Reading the records…");
    case Qt::DecorationRole:
        if (index.column() != NameColumn || zone.readProblem().isEmpty())
            return QVariant();
        return QApplication::style()->standardIcon(QStyle::SP_MessageBoxWarning);
    case Qt::ForegroundRole:
        if (zone.isLoaded())
            return QVariant();
        return QApplication::palette().brush(QPalette::Disabled, QPalette::Text);
    default:
        return QVariant();
    }
}

QVariant ZoneModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole)
        return QAbstractTableModel::headerData(section, orientation, role);
    switch (section) {
    case NameColumn:
        return tr("Zone");
    case TypeColumn:
        return tr("Type");
    default:
        return tr("View");
    }
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
    m_showsViews = std::any_of(zones.cbegin(), zones.cend(),
                               [](const PZone &zone) { return !zone->view().isEmpty(); });
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
            [this](const PZone &zone) { removeZone(index(m_zones.indexOf(zone), 0)); });
    connect(zones, &ServerZones::zoneChanged, this, &ZoneModel::changed);
    connect(zones, &ServerZones::zoneLoaded, this, &ZoneModel::changed);
    setZones(zones->zones());
}

void ZoneModel::changed(const PZone &zone)
{
    const int row = m_zones.indexOf(zone);
    if (row >= 0)
        emit dataChanged(index(row, 0), index(row, columnCount() - 1));
}

bool ZoneModel::isRow(const QModelIndex &index) const
{
    return index.isValid() && index.model() == this && index.row() < m_zones.size();
}
