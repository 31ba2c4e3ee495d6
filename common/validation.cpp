#include "validation.h"

#include "patterns.h"

#include <QObject>
#include <QRegularExpression>

#include <algorithm>

namespace {
const QLatin1Char labelSeparator('.');
const QLatin1String doubleDot("..");
const QLatin1String underscore("_");
const QLatin1String doubleUnderscore("__");
const QLatin1String reverseSuffixIPv4(".in-addr.arpa.");
const int maximumNameLength = 254;
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
} // namespace

ValidationResult validateDomainName(const QString &name, const QString &suffix)
{
    if (name.isEmpty())
        return {false, QObject::tr("Domain name should not be empty")};
    if (name.startsWith(labelSeparator))
        return {false, QObject::tr("Domain name should not start with dot")};
    if (name.contains(doubleDot))
        return {false, QObject::tr("Domain name should not contain double dots")};
    if (!name.endsWith(suffix))
        return {false, QObject::tr("Domain name is not fully qualified.\nA fully qualified domain "
                                   "name consists of a list of domain labels representing the "
                                   "hierarchy from the lowest relevant level in the DNS to the "
                                   "top-level domain. The DNS root is unnamed, expressed as the "
                                   "empty label terminated by the dot.\nDomain name %1 doesn't "
                                   "ends with \"%2\".")
                           .arg(name, suffix)};
    if (name.size() > maximumNameLength)
        return {false, QObject::tr("Domain name exceeds the maximum size")};

    const auto labels = name.splitRef(labelSeparator, Qt::SkipEmptyParts);
    for (const QStringRef &label : labels) {
        if (label.size() > maximumLabelLength)
            return {false,
                    QObject::tr("Domain label %1 exceeds the maximum size").arg(label.toString())};
        if (!matchesWhole(Patterns::label(), label))
            return {false, QObject::tr("Domain label %1 is invalid").arg(label.toString())};
    }
    return {};
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
    return matchesWhole(Patterns::ipv4(), text);
}

bool isValidIPv6(const QString &text)
{
    return matchesWhole(Patterns::ipv6(), text);
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
    return reverseNameFromParts(address.split(labelSeparator));
}
