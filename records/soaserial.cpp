#include "soaserial.h"

namespace {
const quint32 counterRange = 100;
const quint32 dayRange = 100;
const quint32 monthRange = 100;
// RFC 1982: two serials this far apart or farther are not ordered at all.
const quint32 halfRange = 1u << 31;
} // namespace

bool SoaSerial::isDate() const
{
    const quint32 day = m_value / counterRange;
    const QDate date(int(day / (dayRange * monthRange)), int(day / dayRange % monthRange),
                     int(day % dayRange));
    return date.isValid();
}

bool SoaSerial::precedes(SoaSerial other) const
{
    const quint32 distance = other.m_value - m_value;
    return distance != 0 && distance < halfRange;
}

SoaSerial SoaSerial::next(const QDate &today) const
{
    if (isDate()) {
        const SoaSerial first = dateSerial(today, 0);
        if (precedes(first))
            return first;
    }
    // Unsigned arithmetic wraps at 2^32, as RFC 1982 adds.
    return SoaSerial(m_value + 1);
}

SoaSerial SoaSerial::firstOf(const QDate &today)
{
    return dateSerial(today, 1);
}

SoaSerial SoaSerial::dateSerial(const QDate &date, quint32 counter)
{
    const quint32 day = quint32(date.year()) * dayRange * monthRange +
                        quint32(date.month()) * dayRange + quint32(date.day());
    return SoaSerial(day * counterRange + counter);
}
