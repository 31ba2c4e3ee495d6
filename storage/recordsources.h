#pragma once

#include "records/zone.h"

// Marks the records of a zone that its file does not write itself: those of the files that it
// includes, and those that its $GENERATE ranges make. The zone's file is read only when it holds
// either word, so that zones without them cost no more than a look at their bytes.
class RecordSources
{
public:
    static void mark(const PZone &zone);
};
