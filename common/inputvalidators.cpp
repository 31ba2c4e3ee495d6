#include "inputvalidators.h"

#include "patterns.h"

#include <QRegularExpressionValidator>

QRegularExpressionValidator *printableValidator()
{
    static QRegularExpressionValidator validator(Patterns::printable());
    return &validator;
}

QRegularExpressionValidator *domainCharsValidator()
{
    static QRegularExpressionValidator validator(Patterns::domainChars());
    return &validator;
}

QRegularExpressionValidator *ipv6Validator()
{
    static QRegularExpressionValidator validator(Patterns::ipv6());
    return &validator;
}
