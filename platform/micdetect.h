#pragma once

// The operating system's mandatory integrity control.
namespace MICDetect {
// True when this process runs at the highest integrity level, and where the system has no such
// control at all.
bool isCurrentProcessHasMaxMIC();
} // namespace MICDetect
