#include "filereplacer.h"

#include <QFile>
#include <QSaveFile>

#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>

namespace {
// The server reads the files that the system creates, whatever the umask.
constexpr mode_t newFileMode = 0644;

// The file keeps belonging to whom it belonged: the server's user must still be able to write a
// slave zone's file after root replaced it.
bool adoptAttributes(int handle, const QString &path)
{
    struct stat old;
    if (stat(QFile::encodeName(path).constData(), &old) != 0)
        return fchmod(handle, newFileMode) == 0;
    return fchown(handle, old.st_uid, old.st_gid) == 0 && fchmod(handle, old.st_mode & 07777) == 0;
}
} // namespace

FileReplacer::Result FileReplacer::replace(const QString &path, const QByteArray &bytes)
{
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return CannotOpen;
    if (!adoptAttributes(file.handle(), path)) {
        file.cancelWriting();
        return CannotOpen;
    }
    if (!writeAll(file.handle(), bytes) || fsync(file.handle()) != 0) {
        file.cancelWriting();
        return CannotWrite;
    }
    return file.commit() ? Replaced : CannotWrite;
}

bool FileReplacer::writeAll(int handle, const QByteArray &bytes)
{
    const char *data = bytes.constData();
    qint64 left = bytes.size();
    while (left > 0) {
        const ssize_t written = ::write(handle, data, size_t(left));
        if (written < 0 && errno == EINTR)
            continue;
        if (written <= 0)
            return false;
        data += written;
        left -= written;
    }
    return true;
}
