#pragma once

#include "control/rndc.h"
#include "records/zone.h"

#include <QCoreApplication>

#include <functional>

// Holds a dynamic zone frozen in the running named while its file is written: named first writes
// the updates of its journal into the file and then leaves file and journal alone until the zone
// is thawed, which makes named load the file again. The zone is thawed when the freeze ends, on
// every path out of the change.
class ZoneFreeze
{
    Q_DECLARE_TR_FUNCTIONS(ZoneFreeze)

public:
    using Thawed = std::function<void(const Rndc::Result &)>;
    // Runs an rndc command and gives named's answer.
    using Tell = std::function<Rndc::Result(const std::function<Rndc::Result()> &)>;

    // Freezes the zone when `freeze` holds; throws ErrorStackException when named does not.
    // Both commands go through `tell`; `thawed` gets named's answer to the thaw.
    ZoneFreeze(const PZone &zone, bool freeze, const Tell &tell, const Thawed &thawed);
    ~ZoneFreeze();
    ZoneFreeze(const ZoneFreeze &) = delete;
    ZoneFreeze &operator=(const ZoneFreeze &) = delete;

    bool isFrozen() const { return m_frozen; }

private:
    PZone m_zone;
    Tell m_tell;
    Thawed m_thawed;
    bool m_frozen = false;
};
