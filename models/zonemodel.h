#pragma once

#include "records/zone.h"

class ServerZones;

#include <QAbstractTableModel>
#include <QList>

// The zones of the zone table, one row per zone, in the order they were set or appended: the
// name, the type and, for a configuration with views, the view; greyed while the records are on
// their way, marked when they could not be read.
class ZoneModel : public QAbstractTableModel
{
    Q_OBJECT

public:
    enum Column { NameColumn, TypeColumn, ViewColumn, ColumnCount };

    explicit ZoneModel(QObject *parent = nullptr);
    ~ZoneModel() override;

    int rowCount(const QModelIndex &parent = QModelIndex()) const override;
    int columnCount(const QModelIndex &parent = QModelIndex()) const override;
    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation,
                        int role = Qt::DisplayRole) const override;

    // A null handle for an index that names no row of this model.
    PZone zone(const QModelIndex &index) const;
    QList<PZone> zones() const { return m_zones; }
    void setZones(const QList<PZone> &zones);
    void appendZone(const PZone &zone);
    void removeZone(const QModelIndex &index);
    // Shows the zones the core holds, and follows its changes from now on.
    void follow(const ServerZones *zones);

private:
    bool isRow(const QModelIndex &index) const;
    void changed(const PZone &zone);

    QList<PZone> m_zones;
    // Without views the view column would stay empty, so it is left out.
    bool m_showsViews = false;
};
