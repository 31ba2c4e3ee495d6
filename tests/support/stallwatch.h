#pragma once

#include <QElapsedTimer>
#include <QTimer>

// Watches the event loop from its making: the longest time it went without running a timer of
// 10 ms, which is what a window's user feels as a freeze.
class StallWatch
{
public:
    StallWatch();

    // Stops watching; the time since the last tick counts too, as a tick that never came.
    qint64 longest();

private:
    QElapsedTimer m_clock;
    QTimer m_tick;
    qint64 m_longest = 0;
};
