#pragma once

#include "checkresult.h"
#include "programrun.h"

#include <QString>

#include <functional>

// BIND's verdict on a zone file's text before it replaces the server's: named-compilezone loads it
// as named loads a primary zone, refusing what named refuses, and prints the records it gives, so
// that one run both judges the text and shows what it means.
class ZoneJudge
{
public:
    // Gets every record line of the compiler: owner, time to live, class, type and data, the
    // first four followed by a single space.
    using LineSink = std::function<void(const QString &line)>;

    // Starts the compiler for the zone, so that it is ready for the text once there is one. A
    // relative $INCLUDE is resolved against workingDirectory. Names that are no host names are
    // judged at the zone's check-names level (fail, warn, ignore).
    ZoneJudge(const QString &zoneName, const QString &workingDirectory, const QString &checkNames);

    // Not completed when the compiler did not run to its end; not ok when it refuses the zone,
    // with its words in the report, where the text is ProgramRun::inputPath(). `meanwhile` runs
    // while the compiler loads the zone, before it prints a line. Once for a judge.
    CheckResult judge(const QByteArray &text, const std::function<void()> &meanwhile,
                      const LineSink &takeLine);

private:
    ProgramRun m_compiler;
};
