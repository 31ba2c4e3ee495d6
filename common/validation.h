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

ValidationResult validateDomainName(const QString &name, const QString &suffix);
ValidationResult validateServiceLabel(QString label);

bool isValidIPv4(const QString &text);
bool isValidIPv6(const QString &text);

bool isReverseName(const QString &name);
QString addressFromReverseName(const QString &name);
QString reverseNameFromParts(const QStringList &parts);
QString reverseNameFromAddress(const QString &address);
