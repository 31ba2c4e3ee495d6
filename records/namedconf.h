#pragma once

#include "zone.h"

#include <QList>
#include <QSharedPointer>
#include <QStringList>

// What the configuration reader found: the primary and secondary zones, in statement order, and
// the names of the views (none for a configuration without views).
class NamedConf
{
public:
    QList<PZone> zones() const { return m_zones; }
    void setZones(const QList<PZone> &zones) { m_zones = zones; }
    QStringList views() const { return m_views; }
    void setViews(const QStringList &views) { m_views = views; }

private:
    QList<PZone> m_zones;
    QStringList m_views;
};

using PNamedConf = QSharedPointer<NamedConf>;
