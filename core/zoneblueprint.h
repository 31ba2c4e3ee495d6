#pragma once

#include "records/soarecord.h"
#include "records/zone.h"

#include <QDate>
#include <QString>
#include <QStringList>

// A new zone from the zone wizard's fields, each with a default: its SOA record, its NS record
// and, for a name server inside the zone, that server's address. Empty fields take the defaults.
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
    // Throws for a type that a zone cannot be given (yet).
    static void checkType(const QString &type, const QStringList &primaries = {});
    static const QString &masterType();

    // A new zone's records live an hour, and its SOA starts with the first serial of the day of
    // its creation and the timers below.
    static constexpr quint64 recordTtl = 3600;
    static void startOfAuthority(SOARecord &soa, const QDate &created = QDate::currentDate());

private:
    QString mailbox(const QString &zone, const QString &nameServer) const;
};
