#include "patterns.h"

#include <QRegularExpression>

namespace Patterns {

const QRegularExpression &label()
{
    static const QRegularExpression expression(
        QStringLiteral(R"(^([a-zA-Z0-9]|[a-zA-Z0-9][a-zA-Z0-9\-]*[a-zA-Z0-9])$)"));
    return expression;
}

const QRegularExpression &ipv4()
{
    static const QRegularExpression expression(QStringLiteral(
        R"(^((25[0-5]|(2[0-4]|1{0,1}[0-9]){0,1}[0-9])\.){3,3}(25[0-5]|(2[0-4]|1{0,1}[0-9]){0,1}[0-9])$)"));
    return expression;
}

const QRegularExpression &ipv6()
{
    static const QRegularExpression expression(QStringLiteral(
        R"(^(([0-9a-fA-F]{1,4}:){7,7}[0-9a-fA-F]{1,4}|([0-9a-fA-F]{1,4}:){1,7}:|([0-9a-fA-F]{1,4}:){1,6}:[0-9a-fA-F]{1,4}|([0-9a-fA-F]{1,4}:){1,5}(:[0-9a-fA-F]{1,4}){1,2}|([0-9a-fA-F]{1,4}:){1,4}(:[0-9a-fA-F]{1,4}){1,3}|([0-9a-fA-F]{1,4}:){1,3}(:[0-9a-fA-F]{1,4}){1,4}|([0-9a-fA-F]{1,4}:){1,2}(:[0-9a-fA-F]{1,4}){1,5}|[0-9a-fA-F]{1,4}:((:[0-9a-fA-F]{1,4}){1,6})|:((:[0-9a-fA-F]{1,4}){1,7}|:)|fe80:(:[0-9a-fA-F]{0,4}){0,4}%[0-9a-zA-Z]{1,}|((25[0-5]|(2[0-4]|1{0,1}[0-9]){0,1}[0-9])\.){3,3}(25[0-5]|(2[0-4]|1{0,1}[0-9]){0,1}[0-9])|([0-9a-fA-F]{1,4}:){1,4}:((25[0-5]|(2[0-4]|1{0,1}[0-9]){0,1}[0-9])\.){3,3}(25[0-5]|(2[0-4]|1{0,1}[0-9]){0,1}[0-9]))$)"));
    return expression;
}

const QRegularExpression &printable()
{
    static const QRegularExpression expression(QStringLiteral("^[ -~]*$"));
    return expression;
}

const QRegularExpression &domainChars()
{
    static const QRegularExpression expression(QStringLiteral(R"(^[a-zA-Z0-9\-\.]*$)"));
    return expression;
}

const QRegularExpression &reverseName()
{
    static const QRegularExpression expression(
        QStringLiteral(R"(^(?<address>.*?)(\.ip6\.arpa(\.)?|\.in\-addr\.arpa(\.)?)$)"));
    return expression;
}

} // namespace Patterns
