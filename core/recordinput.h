#pragma once

#include "records/record.h"
#include "records/zone.h"

#include <QStringList>

#include <optional>

// A record as a user types it: NAME [TTL] TYPE DATA... NAME is relative to the zone, `@` for its
// apex or absolute with a final dot; DATA is written as in a zone file, except that a TXT DATA
// not starting with a double quote is one text and an SOA's mailbox may be an e-mail address. BIND
// itself reads the words, so the record is exactly what the zone's own records are read as, and
// compares with them field by field.
class RecordInput
{
public:
    // Throws ErrorStackException when the words are not of that shape or name no owner inside the
    // zone.
    RecordInput(const PZone &zone, const QStringList &words);

    // Whether the words have a NAME, a TYPE and DATA, with or without a TTL between.
    static bool isComplete(const QStringList &words);
    bool hasTtl() const { return !m_ttl.isEmpty(); }

    // The record as BIND reads it. Without a TTL of its own it gets `fallbackTtl`, or else the
    // zone's default. Throws with BIND's complaint when BIND refuses the line.
    PRecord record(std::optional<quint64> fallbackTtl = std::nullopt) const;
    // The zone's record that the words name; the TTL counts only when they give one. Throws when
    // the zone holds no such record.
    PRecord match() const;

    // The zone's record with the same name, class, type and data, and TTL when `withTtl`; BIND
    // holds no two records that differ in their TTL alone.
    static PRecord find(const Zone &zone, const Record &record, bool withTtl = false);
    // The TTL of a new record: the zone file's $TTL, else the TTL most of its records have.
    static quint64 defaultTtl(const Zone &zone);

private:
    QString zoneLine(quint64 ttl) const;
    QString dataText() const;
    QString description() const;
    PRecord compile(const QString &line) const;
    [[noreturn]] void refuse(const QString &report) const;

    PZone m_zone;
    QString m_name;
    QString m_ttl;
    QString m_type;
    QStringList m_data;
};
