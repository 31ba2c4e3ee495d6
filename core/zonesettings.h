#pragma once

#include "records/zone.h"

#include <QString>
#include <QStringList>

// What a zone's statement says and a user may change: the zone dialog's fields and the shell's
// options. A change is described by the settings the zone is to have afterwards.
struct ZoneSettings
{
    QString name;
    QString type;
    // A secondary's servers, as Zone::primaries(); none for any other type.
    QStringList primaries = {};

    static ZoneSettings of(const Zone &zone)
    {
        return {zone.name(), zone.type(), zone.primaries()};
    }
    void applyTo(Zone &zone) const
    {
        zone.setName(name);
        zone.setType(type);
        zone.setPrimaries(primaries);
    }
    // named takes a name with or without the final dot, in any case, for the same zone.
    bool operator==(const ZoneSettings &other) const
    {
        return Zone::isSameName(name, other.name) && type == other.type &&
               primaries == other.primaries;
    }
    bool operator!=(const ZoneSettings &other) const { return !(*this == other); }
};
