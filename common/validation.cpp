#include "validation.h"

#include "patterns.h"

#include <QHostAddress>
#include <QObject>
#include <QRegularExpression>

#include <arpa/inet.h>

#include <algorithm>

namespace {
const QLatin1Char labelSeparator('.');
const QLatin1Char escape('\\');
const QLatin1String doubleDot("..");
const QLatin1String underscore("_");
const QLatin1String doubleUnderscore("__");
const QLatin1String wildcard("*");
const QLatin1String apex("@");
const QLatin1String reverseSuffixIPv4(".in-addr.arpa.");
const QLatin1String reverseSuffixIPv6(".ip6.arpa.");
// Without the final dot: 255 bytes on the wire.
const int maximumNameLength = 253;
const int maximumLabelLength = 63;

// `$` also matches before a final line feed; without this check "www\n" would pass as a label
// and carry a line break into zone files and configuration statements.
bool matchesWhole(const QRegularExpression &expression, const QStringRef &text)
{
    const QRegularExpressionMatch match = expression.match(text);
    return match.hasMatch() && match.capturedLength() == text.size();
}

bool matchesWhole(const QRegularExpression &expression, const QString &text)
{
    return matchesWhole(expression, QStringRef(&text));
}

bool isHostRule(NameRule rule)
{
    return rule == NameRule::Host || rule == NameRule::HostOwner;
}

bool isOwnerRule(NameRule rule)
{
    return rule == NameRule::HostOwner || rule == NameRule::AnyOwner;
}

ValidationResult validateLabel(const QStringRef &label, bool leftmost, NameRule rule)
{
    const QString text = label.toString();
    if (label.size() > maximumLabelLength)
        return {false, QObject::tr("Domain label %1 exceeds the maximum size").arg(text)};
    if (label == wildcard) {
        if (leftmost && isOwnerRule(rule))
            return {};
        return {false, isOwnerRule(rule)
                           ? QObject::tr("Domain label * is a wildcard only as the leftmost label")
                           : QObject::tr("Domain label * is invalid")};
    }
    if (matchesWhole(Patterns::label(), label))
        return {};
    if (matchesWhole(Patterns::anyLabel(), label)) {
        if (!isHostRule(rule))
            return {};
        return {false, QObject::tr("Domain label %1 is invalid: a host name takes letters, digits "
                                   "and inner hyphens only")
                           .arg(text)};
    }
    return {false, QObject::tr("Domain label %1 is invalid").arg(text)};
}

QString originOf(const QString &zoneName)
{
    return zoneName.endsWith(labelSeparator) ? zoneName : zoneName + labelSeparator;
}

// inet_pton is what BIND reads the addresses of A and AAAA records with.
bool isAddress(int family, const QString &text)
{
    for (const QChar c : text) {
        if (c.unicode() <= 0x20 || c.unicode() >= 0x7f)
            return false;
    }
    unsigned char buffer[16];
    return inet_pton(family, text.toLatin1().constData(), buffer) == 1;
}
} // namespace

ValidationResult validateDomainName(const QString &name, NameRule rule)
{
    if (name.isEmpty())
        return {false, QObject::tr("Domain name should not be empty")};
    if (name == labelSeparator)
        return {};
    if (name.startsWith(labelSeparator))
        return {false, QObject::tr("Domain name should not start with dot")};
    if (name.contains(doubleDot))
        return {false, QObject::tr("Domain name should not contain double dots")};
    const int length = name.endsWith(labelSeparator) ? name.size() - 1 : name.size();
    if (length > maximumNameLength)
        return {false, QObject::tr("Domain name exceeds the maximum size")};

    const auto labels = name.splitRef(labelSeparator, Qt::SkipEmptyParts);
    for (int index = 0; index < labels.size(); ++index) {
        const ValidationResult result = validateLabel(labels.at(index), index == 0, rule);
        if (!result.valid)
            return result;
    }
    return {};
}

ValidationResult validateMailbox(const QString &name)
{
    if (name == labelSeparator)
        return {};
    int end = 0;
    while (end < name.size() && name.at(end) != labelSeparator)
        end += name.at(end) == escape ? 2 : 1;
    const QString local = name.left(end);
    if (local.isEmpty() || !matchesWhole(Patterns::mailboxLabel(), local))
        return {false, QObject::tr("Mailbox %1 is invalid").arg(local)};
    const QString domain = name.mid(end + 1);
    return domain.isEmpty() ? ValidationResult() : validateDomainName(domain, NameRule::Host);
}

ValidationResult validateServiceLabel(QString label)
{
    if (label.isEmpty())
        return {false, QObject::tr("should not be empty")};
    if (!label.startsWith(underscore))
        return {false, QObject::tr("should start with underscore")};
    if (label.contains(doubleUnderscore))
        return {false, QObject::tr("should not contain double underscore")};
    label.remove(0, 1);
    if (!matchesWhole(Patterns::label(), label))
        return {false, QObject::tr("is invalid")};
    return {};
}

bool isValidIPv4(const QString &text)
{
    return isAddress(AF_INET, text);
}

bool isValidIPv6(const QString &text)
{
    return isAddress(AF_INET6, text);
}

QString absoluteName(const QString &name, const QString &zoneName)
{
    const QString trimmed = name.trimmed();
    const QString origin = originOf(zoneName);
    if (trimmed == apex)
        return origin;
    if (trimmed.isEmpty() || trimmed.endsWith(labelSeparator))
        return trimmed;
    if (origin == labelSeparator)
        return trimmed + origin;
    return trimmed + labelSeparator + origin;
}

QString relativeName(const QString &absoluteName, const QString &zoneName)
{
    const QString origin = originOf(zoneName);
    if (absoluteName.compare(origin, Qt::CaseInsensitive) == 0)
        return apex;
    const QString suffix = origin == labelSeparator ? origin : labelSeparator + origin;
    if (absoluteName.size() > suffix.size() && absoluteName.endsWith(suffix, Qt::CaseInsensitive))
        return absoluteName.left(absoluteName.size() - suffix.size());
    return absoluteName;
}

bool isInside(const QString &absoluteName, const QString &zoneName)
{
    const QString origin = originOf(zoneName);
    return origin == labelSeparator || absoluteName.compare(origin, Qt::CaseInsensitive) == 0 ||
           absoluteName.endsWith(labelSeparator + origin, Qt::CaseInsensitive);
}

ValidationResult validateInside(const QString &absoluteName, const QString &zoneName)
{
    if (isInside(absoluteName, zoneName))
        return {};
    return {false, QObject::tr("%1 lies outside zone %2, whose file named would not take it")
                       .arg(absoluteName, zoneName)};
}

bool isReverseName(const QString &name)
{
    return matchesWhole(Patterns::reverseName(), name);
}

QString addressFromReverseName(const QString &name)
{
    const QString address = Patterns::reverseName().match(name).captured(QStringLiteral("address"));
    QStringList parts = address.split(labelSeparator);
    std::reverse(parts.begin(), parts.end());
    return parts.join(labelSeparator);
}

QString reverseNameFromParts(const QStringList &parts)
{
    QStringList reversed;
    for (auto part = parts.crbegin(); part != parts.crend(); ++part) {
        if (!part->isEmpty())
            reversed.append(*part);
    }
    return reversed.join(labelSeparator) + reverseSuffixIPv4;
}

QString reverseNameFromAddress(const QString &address)
{
    if (!isValidIPv6(address))
        return reverseNameFromParts(address.split(labelSeparator));
    const Q_IPV6ADDR bytes = QHostAddress(address).toIPv6Address();
    QStringList nibbles;
    for (int index = 15; index >= 0; --index) {
        nibbles.append(QString::number(bytes[index] & 0x0f, 16));
        nibbles.append(QString::number(bytes[index] >> 4, 16));
    }
    return nibbles.join(labelSeparator) + reverseSuffixIPv6;
}

QString addressOfReverseName(const QString &name)
{
    const QString reversed = addressFromReverseName(name);
    QString address = reversed;
    if (!isValidIPv4(address)) {
        const QString nibbles = QString(reversed).remove(labelSeparator);
        QStringList groups;
        for (int start = 0; start < nibbles.size(); start += 4)
            groups.append(nibbles.mid(start, 4));
        address = QHostAddress(groups.join(QLatin1Char(':'))).toString();
    }
    const bool same =
        !address.isEmpty() &&
        reverseNameFromAddress(address).compare(
            name.endsWith(labelSeparator) ? name : name + labelSeparator, Qt::CaseInsensitive) == 0;
    return same ? address : QString();
}
