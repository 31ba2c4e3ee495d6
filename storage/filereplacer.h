#pragma once

#include <QByteArray>
#include <QString>
#include <QTemporaryFile>

// Replaces a file as a whole. The bytes go to a new file beside it, which takes over the old
// file's owner, group and mode and is renamed over it only when every byte reached the disk, so
// that a failure leaves the old file whole. Between staging and committing, the new bytes can be
// judged while they go to the disk.
class FileReplacer
{
public:
    enum Result { Replaced, CannotOpen, CannotWrite };

    explicit FileReplacer(const QString &path);

    // Opens the new file beside the file; refused for a file that may not be written.
    Result open();
    // Writes the bytes into the new file, opened first if it is not; nothing is in its place yet.
    // Staged, the result is Replaced.
    Result stage(const QByteArray &bytes);
    // Waits until the staged bytes are on the disk.
    bool sync();
    // Renames the staged file over the file; a replacer destroyed before removes what it staged.
    Result commit();

    static Result replace(const QString &path, const QByteArray &bytes);

private:
    QString m_path;
    QTemporaryFile m_staged;
    bool m_synced = false;
};
