#pragma once

#include <QDate>
#include <QtGlobal>

// The serial number of a zone's SOA record, compared and raised in serial number arithmetic
// (RFC 1982), which is how secondaries decide whether a zone changed. A serial that reads as a
// date with a two-digit counter (YYYYMMDDnn) stays one.
class SoaSerial
{
public:
    explicit SoaSerial(quint32 value) : m_value(value) {}

    quint32 value() const { return m_value; }
    bool isDate() const;
    // Whether a secondary holding this serial takes `other` for a newer zone.
    bool precedes(SoaSerial other) const;
    // The serial after a change made on `today`: today's first date serial where that is newer,
    // otherwise the next one.
    SoaSerial next(const QDate &today) const;

    // A new zone's serial: the first change of `today`.
    static SoaSerial firstOf(const QDate &today);

private:
    static SoaSerial dateSerial(const QDate &date, quint32 counter);

    quint32 m_value;
};
