#pragma once

class QRegularExpression;

// Expressions shared by the validation rules and the input validators.
namespace Patterns {
const QRegularExpression &label();
const QRegularExpression &ipv4();
const QRegularExpression &ipv6();
const QRegularExpression &printable();
const QRegularExpression &domainChars();
const QRegularExpression &reverseName();
} // namespace Patterns
