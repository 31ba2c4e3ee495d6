#pragma once

#include <QString>
#include <QStringList>

struct ValidationResult
{
    ValidationResult() = default;
    ValidationResult(bool valid, const QString &message) : valid(valid), message(message) {}

    bool valid = true;
    QString message;
};

// The labels a name may have. BIND's check-names holds host names (the owners of address and mail
// records, and the names that lead to a host) to letters, digits and inner hyphens; other names
// also take underscores, as service, policy and key labels do. An owner may start with the
// wildcard label `*`.
enum class NameRule { Host, HostOwner, Any, AnyOwner };

// A name with or without its final dot; the root "." passes.
ValidationResult validateDomainName(const QString &name, NameRule rule = NameRule::Host);
// An SOA mailbox: the local part as the first label, its dots escaped, then a host name.
ValidationResult validateMailbox(const QString &name);
ValidationResult validateServiceLabel(QString label);

// As BIND reads the addresses of A and AAAA records.
bool isValidIPv4(const QString &text);
bool isValidIPv6(const QString &text);

// Names as a zone file reads them at the zone's apex: `@` is the apex, a name with a final dot is
// absolute, any other is relative to the zone. Blanks around the name are no part of it.
QString absoluteName(const QString &name, const QString &zoneName);
// The shortest way to write the name in the zone: `@`, relative, or absolute outside it.
QString relativeName(const QString &absoluteName, const QString &zoneName);
bool isInside(const QString &absoluteName, const QString &zoneName);
// named ignores the records of a zone file whose owners lie outside the zone.
ValidationResult validateInside(const QString &absoluteName, const QString &zoneName);

bool isReverseName(const QString &name);
QString addressFromReverseName(const QString &name);
QString reverseNameFromParts(const QStringList &parts);
// Under in-addr.arpa for an IPv4 address, in nibbles under ip6.arpa for an IPv6 one.
QString reverseNameFromAddress(const QString &address);
// The address whose reverse name this is; empty for any other name.
QString addressOfReverseName(const QString &name);
