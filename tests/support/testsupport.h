#pragma once

#include "common/errorstackexception.h"

#include <QByteArray>
#include <QString>

namespace TestSupport {
// The directory of BIND's own test configurations and zone files.
QString corpusDirectory();
// The zone that a zone file of the corpus is written for, by its file name.
QString corpusZoneOrigin(const QString &fileName);
// True when this run is CI's: missing prerequisites fail there instead of skipping.
bool isCI();
// Reports why the sandbox cannot be made; the exit status fails under CI and is CTest's "skipped"
// elsewhere.
int sandboxUnavailable(const QString &reason);

// The text of the exception an operation throws, newest message first; empty when none is thrown.
template <typename Operation> QString failureOf(Operation operation)
{
    try {
        operation();
    } catch (const ErrorStackException &error) {
        return error.text();
    }
    return QString();
}

// The first lines of the include file that the application writes, byte for byte.
inline const QByteArray managedHeader =
    "// Zones managed by Tamzor, included by /etc/bind/named.conf.\n"
    "// Tamzor adds, changes and removes one zone statement at a time and keeps everything else\n"
    "// in this file as it is, comments and options included.\n"
    "\n";
} // namespace TestSupport
