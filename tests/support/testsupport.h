#pragma once

#include <QString>

namespace TestSupport {
// The directory of BIND's own test configurations and zone files.
QString corpusDirectory();
// True when this run is CI's: missing prerequisites fail there instead of skipping.
bool isCI();
// Reports why the sandbox cannot be made; the exit status fails under CI and is CTest's "skipped"
// elsewhere.
int sandboxUnavailable(const QString &reason);
} // namespace TestSupport
