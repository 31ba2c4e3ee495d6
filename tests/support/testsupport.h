#pragma once

#include "common/errorstackexception.h"
#include "records/record.h"
#include "records/zone.h"

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <QVector>

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

// Whether the text is the expected one; an expected text ending in "..." gives only its start.
bool fits(const QString &text, const QString &expected);

// The program's standard output, or a null array when it did not end with code 0.
QByteArray outputOf(const QString &program, const QStringList &arguments,
                    const QString &workingDirectory = QString());

// Puts a bash script in place of the program until Sandbox::reset(), after a line that logs its
// arguments to the file returned; "missing" hides the program instead, and an empty script leaves
// the real one.
QString standIn(const QString &program, const QByteArray &script);

inline QStringList sorted(QStringList lines)
{
    lines.sort();
    return lines;
}

QVector<PRecord> parsedRecords(const QStringList &lines);
// The zone-file line of each record, in their order.
QStringList recordLines(const QVector<PRecord> &records);
PRecord findRecord(const PZone &zone, const QString &owner, const QString &type);
// The lines of the records that BIND's compiler reads from the file now, or the failure.
QStringList recordsOnDisk(const QString &zone, const QString &file,
                          const QString &directory = QString());

// The first lines of the include file that the application writes, byte for byte.
inline const QByteArray managedHeader =
    "// Zones managed by Tamzor, included by /etc/bind/named.conf.\n"
    "// Tamzor adds, changes and removes one zone statement at a time and keeps everything else\n"
    "// in this file as it is, comments and options included.\n"
    "\n";
// A master zone's statement as the application writes it; the administrator's have no class.
QByteArray masterStatement(const QString &name, const QString &file,
                           const QString &zoneClass = QStringLiteral(" IN"));
} // namespace TestSupport
