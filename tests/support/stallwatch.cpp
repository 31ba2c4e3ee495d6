#include "stallwatch.h"

StallWatch::StallWatch()
{
    QObject::connect(&m_tick, &QTimer::timeout,
                     [this] { m_longest = qMax(m_longest, m_clock.restart()); });
    m_tick.start(10);
    m_clock.start();
}

qint64 StallWatch::longest()
{
    if (m_tick.isActive()) {
        m_tick.stop();
        m_longest = qMax(m_longest, m_clock.elapsed());
    }
    return m_longest;
}
