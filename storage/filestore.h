#pragma once

#include "filereplacer.h"

#include <QByteArray>
#include <QCoreApplication>
#include <QString>

#include <functional>

// Every change to the server's files passes here: a file changed since the application read it is
// refused, a copy of the old bytes goes to the change's backup first, the file is replaced whole
// or left as it was, and what it now holds is remembered as read.
class FileStore
{
    Q_DECLARE_TR_FUNCTIONS(FileStore)

public:
    // Throws ErrorStackException naming the file when it cannot be read.
    static QByteArray read(const QString &path);
    static bool read(const QString &path, QByteArray *bytes);
    static void replace(const QString &path, const QByteArray &bytes);
    // Replaces the file with the bytes once `judge` returns; when it throws, nothing changes.
    // While it runs, the bytes are staged beside the file and reach the disk, and the old file is
    // checked and kept, so that a big file costs little more than its judging.
    static void replaceJudged(const QString &path, const QByteArray &bytes,
                              const std::function<void()> &judge);
    static void remove(const QString &path);
    // Throws when the file was changed behind the application's back since it was read.
    static void refuseChanged(const QString &path);

private:
    static void refuseFailed(FileReplacer::Result result, const QString &path);
};
