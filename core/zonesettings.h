#pragma once

#include "records/zone.h"

#include <QString>

// What a zone's statement says and a user may change: the zone dialog's fields and the shell's
// options. A change is described by the settings the zone is to have afterwards.
struct ZoneSettings
{
    QString name;
    QString type;

    static ZoneSettings of(const Zone &zone) { return {zone.name(), zone.type()}; }
    void applyTo(Zone &zone) const
    {
        zone.setName(name);
        zone.setType(type);
    }
    // named takes a name with or without the final dot, in any case, for the same zone.
    bool operator==(const ZoneSettings &other) const
    {
        return Zone::isSameName(name, other.name) && type == other.type;
    }
    bool operator!=(const ZoneSettings &other) const { return !(*this == other); }
};
