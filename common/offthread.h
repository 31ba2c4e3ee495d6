#pragma once

#include <functional>

// Runs the work on a thread of its own while the calling thread's event loop goes on, with user
// input held back until the work is done: a window keeps painting and its timers keep running,
// but nothing starts another change meanwhile. Rethrows whatever the work threw.
void runOffThread(const std::function<void()> &work);
