#pragma once

#include "checkresult.h"

#include <QString>

#include <functional>

// BIND's verdict on a zone file before it replaces the server's: named-checkzone with its full
// integrity checks, and named-compilezone, without them, for the records the file gives. The two
// run side by side: together they take about as long as the checker alone.
class ZoneJudge
{
public:
    // Gets every record line of the compiler: owner, time to live, class, type and data, the
    // first four followed by a single space.
    using LineSink = std::function<void(const QString &line)>;

    // Not completed when a program did not run to its end; not ok when either refuses the zone,
    // with its words in the report. A relative $INCLUDE is resolved against workingDirectory.
    static CheckResult judge(const QString &zoneName, const QString &fileName,
                             const QString &workingDirectory, const LineSink &takeLine);
};
