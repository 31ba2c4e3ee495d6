#include "zonefreeze.h"

#include "common/errorstackexception.h"

ZoneFreeze::ZoneFreeze(const PZone &zone, bool freeze, const Tell &tell, const Thawed &thawed)
    : m_zone(zone), m_tell(tell), m_thawed(thawed)
{
    if (!freeze)
        return;
    const Rndc::Result result =
        tell([&] { return Rndc::freeze(zone->name(), zone->zoneClass(), zone->view()); });
    if (!result.ok())
        throw ErrorStackException(
            tr("named did not freeze dynamic zone %1 for the change, so nothing was written: %2")
                .arg(zone->name(), result.failure()));
    m_frozen = true;
}

ZoneFreeze::~ZoneFreeze()
{
    if (m_frozen)
        m_thawed(m_tell(
            [this] { return Rndc::thaw(m_zone->name(), m_zone->zoneClass(), m_zone->view()); }));
}
