#pragma once

class QRegularExpression;

// Expressions shared by the validation rules.
namespace Patterns {
// A host name's label: letters, digits and inner hyphens.
const QRegularExpression &label();
// Any other label that is written without escapes: underscores and hyphens anywhere.
const QRegularExpression &anyLabel();
// The local part of a mailbox, with its dots escaped.
const QRegularExpression &mailboxLabel();
const QRegularExpression &reverseName();
} // namespace Patterns
