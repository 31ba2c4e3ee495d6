#pragma once

#include "zone.h"

#include <QList>
#include <QSharedPointer>

// What the configuration reader found: the master and slave zones, in statement order.
class NamedConf
{
public:
    QList<PZone> zones() const { return m_zones; }
    void setZones(const QList<PZone> &zones) { m_zones = zones; }

private:
    QList<PZone> m_zones;
};

using PNamedConf = QSharedPointer<NamedConf>;
