#include "patterns.h"

#include <QRegularExpression>

namespace Patterns {

const QRegularExpression &label()
{
    static const QRegularExpression expression(
        QStringLiteral(R"(^([a-zA-Z0-9]|[a-zA-Z0-9][a-zA-Z0-9\-]*[a-zA-Z0-9])$)"));
    return expression;
}

const QRegularExpression &anyLabel()
{
    static const QRegularExpression expression(QStringLiteral(R"(^[a-zA-Z0-9_\-]+$)"));
    return expression;
}

const QRegularExpression &mailboxLabel()
{
    static const QRegularExpression expression(
        QStringLiteral(R"(^([a-zA-Z0-9!#%&'*+/=?^_`{|}~\-]|\\\.)+$)"));
    return expression;
}

const QRegularExpression &reverseName()
{
    static const QRegularExpression expression(
        QStringLiteral(R"(^(?<address>.*?)(\.ip6\.arpa(\.)?|\.in\-addr\.arpa(\.)?)$)"));
    return expression;
}

} // namespace Patterns
