#pragma once

#include <QByteArray>
#include <QString>

// Replaces a file as a whole. The bytes go to a new file beside it, which takes over the old
// file's owner, group and mode and is renamed over it only when every byte reached the disk, so
// that a failure leaves the old file whole.
class FileReplacer
{
public:
    enum Result { Replaced, CannotOpen, CannotWrite };

    static Result replace(const QString &path, const QByteArray &bytes);

    // Writes every byte to an open file. Qt's own writes take a short write on a full disk for
    // success, so the files that matter are written here.
    static bool writeAll(int handle, const QByteArray &bytes);
};
