#pragma once

#include "common/validation.h"

#include <QSharedPointer>
#include <QString>
#include <QStringList>

class Zone;

// One line of zone text: owner name, time to live, class, type word and the type's data.
class Record
{
public:
    // named reads a larger time to live as 0.
    static constexpr quint64 maximumTtl = 2147483647;
    // The ranges of the 16-bit fields (preference, priority, weight, port) and of the 32-bit ones
    // (the SOA's serial and timers).
    static constexpr quint64 maximumUInt16 = 65535;
    static constexpr quint64 maximumUInt32 = 4294967295;

    Record() = default;
    Record(const Record &) = default;
    Record &operator=(const Record &) = default;
    Record(Record &&) = default;
    Record &operator=(Record &&) = default;
    virtual ~Record();

    virtual QString fullName() const = 0;
    virtual QString content() const = 0;
    virtual QString toString() const;
    // What keeps the record from standing in its zone's file as it is; empty when nothing does.
    // The owner must lie inside the zone that the record is linked to.
    virtual QStringList validate() const;
    virtual Record *clone() const = 0;
    virtual Record &assign(const Record &other) = 0;

    Zone *zone() const { return m_zone; }
    void setZone(Zone *zone) { m_zone = zone; }

    QString name() const { return m_name; }
    void setName(const QString &name) { m_name = name; }

    quint64 ttl() const { return m_ttl; }
    void setTtl(const quint64 &ttl) { m_ttl = ttl; }

    QString recordClass() const { return m_recordClass; }
    void setRecordClass(const QString &recordClass) { m_recordClass = recordClass; }

    const QString &type() const { return m_type; }
    void setType(const QString &type) { m_type = type; }

    // Where the record comes from when the zone file's own text does not hold it, as a
    // "$INCLUDE file" or "$GENERATE range" line; empty for the file's own records. Such a record
    // is changed where it is written, never through the zone file.
    QString source() const { return m_source; }
    void setSource(const QString &source) { m_source = source; }

    // Signatures, denial of existence and keys: named and the signer make them, no hand does.
    static bool isDnssecType(const QString &type);
    bool isDnssec() const { return isDnssecType(m_type); }
    // Why this record must not be changed by hand (it comes from elsewhere, or DNSSEC makes it);
    // empty when it may.
    QString readOnlyReason() const;

protected:
    explicit Record(const QString &type) : m_type(type) {}
    // A zone file line from an owner and a content read where they lie. Copying a string writes
    // its reference count, and after each program that the system starts, the first write to a
    // page faults: for a big zone that cost more than the lines themselves.
    QString line(const QString &owner, const QString &content) const;
    const QString &ownerName() const { return m_name; }
    void assignRecord(const Record &other);
    static QString joinFields(const QStringList &fields);
    // BIND's check-names holds the owners of address and mail records to host names.
    virtual NameRule ownerRule() const { return NameRule::AnyOwner; }
    // The message for a name that the rule refuses, after the given one; none for a valid name.
    // A zone whose check-names level lets bad host names in holds host names to the rule for any
    // name, as named does.
    void checkName(QStringList *messages, const QString &name, NameRule rule,
                   const char *message) const;
    static void checkRange(QStringList *messages, const QString &field, quint64 value,
                           quint64 maximum);

private:
    Zone *m_zone = nullptr;
    QString m_name;
    quint64 m_ttl = 86400;
    QString m_recordClass = QStringLiteral("IN");
    QString m_type;
    QString m_source;
};

using PRecord = QSharedPointer<Record>;
