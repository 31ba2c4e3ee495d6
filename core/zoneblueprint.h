#pragma once

#include "records/soarecord.h"
#include "records/zone.h"

#include <QDate>
#include <QString>
#include <QStringList>

// A new zone from the zone wizard's fields, each with a default: for a master its SOA record, its
// NS record and, for a name server inside the zone, that server's address; for a slave the
// servers it transfers the zone from. Empty fields take the defaults.
struct ZoneBlueprint
{
    QString name;
    QString type = masterType();
    // Relative to the zone or absolute; ns1 inside the zone by default.
    QString nameServer;
    QString nameServerAddress;
    // user@domain, or the SOA mailbox as a domain name; hostmaster of the zone by default.
    QString email;
    QStringList primaries;
    QDate created = QDate::currentDate();

    // Throws ErrorStackException when a field is refused.
    PZone build() const;

    // The name as a zone statement writes it, without the final dot; throws when it is no domain
    // name.
    static QString zoneName(const QString &typed);
    // The word a statement gives the type in, master or slave, which primary and secondary also
    // name; throws for a type that a zone cannot be given (yet).
    static QString typeWord(const QString &typed);
    // The primaries as PrimaryServer writes them; throws unless the type has them right: a slave
    // at least one, a master none.
    static QStringList checkedPrimaries(const QString &type, const QStringList &primaries);
    static const QString &masterType();
    static const QString &slaveType();

    // A new zone's records live an hour, and its SOA starts with the first serial of the day of
    // its creation and the timers below.
    static constexpr quint64 recordTtl = 3600;
    static void startOfAuthority(SOARecord &soa, const QDate &created = QDate::currentDate());

private:
    PZone secondary(const QString &zone, const QStringList &servers) const;
    QString mailbox(const QString &zone, const QString &nameServer) const;
};
