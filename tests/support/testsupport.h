#pragma once

#include <QString>

namespace TestSupport {
// The directory of BIND's own test configurations and zone files.
QString corpusDirectory();
// True when this run is CI's: missing prerequisites fail there instead of skipping.
bool isCI();
} // namespace TestSupport
