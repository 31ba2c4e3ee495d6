#pragma once

// Registers the application with the desktop: its name, version and description.
void kivoInit(const char *version, const char *description);

namespace Kivo {
// What kivoInit registered, for the help menu's About box.
const char *applicationVersion();
const char *applicationDescription();
} // namespace Kivo
