#pragma once

// Registers the application with the desktop: its version, and a description that may begin with
// the application's title on a line of its own ("Title\nWhat it does"). That title becomes the
// application's name and display name.
void kivoInit(const char *version, const char *description);

namespace Kivo {
// What kivoInit registered, for the help menu's About box; empty before registration.
const char *applicationVersion();
const char *applicationDescription();
} // namespace Kivo
