#pragma once

#include <QByteArray>
#include <QString>

// Domain names as zone file text writes them: absolute, or relative to the origin in effect, with
// backslash escapes. A key is a name's canonical absolute form: lower case, every byte outside
// the printable letters escaped as \DDD, ending with the root's dot; two texts name the same
// domain exactly when their keys are equal.
class DomainName
{
public:
    static const QByteArray &rootKey();
    // "@" names the origin itself.
    static QByteArray key(const char *text, int size, const QByteArray &originKey);
    static QByteArray key(const QString &text, const QByteArray &originKey = rootKey());
    // The text that names the absolute `name` where `originKey` is in effect: "@" for the origin,
    // the labels in front of it for a name below it, and the name itself otherwise.
    static QString relative(const QString &name, const QByteArray &originKey);
};
