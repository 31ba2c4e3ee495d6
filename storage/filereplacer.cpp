#include "filereplacer.h"

#include "common/writeall.h"

#include <QFile>
#include <QFileInfo>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>

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

// A rename reaches the disk with its directory.
bool syncDirectory(const QString &path)
{
    const int handle = ::open(QFile::encodeName(QFileInfo(path).absolutePath()).constData(),
                              O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (handle < 0)
        return false;
    const bool synced = fsync(handle) == 0;
    return close(handle) == 0 && synced;
}
} // namespace

FileReplacer::FileReplacer(const QString &path)
    : m_path(path), m_staged(path + QStringLiteral(".tamzor-XXXXXX"))
{
}

FileReplacer::Result FileReplacer::open()
{
    // The new file could take the place of one that may not be written, but must not.
    const QByteArray path = QFile::encodeName(m_path);
    if (access(path.constData(), F_OK) == 0 && access(path.constData(), W_OK) != 0)
        return CannotOpen;
    if (!m_staged.open())
        return CannotOpen;
    return adoptAttributes(m_staged.handle(), m_path) ? Replaced : CannotOpen;
}

FileReplacer::Result FileReplacer::stage(const QByteArray &bytes)
{
    const Result opened = m_staged.isOpen() ? Replaced : open();
    if (opened != Replaced)
        return opened;
    return writeAll(m_staged.handle(), bytes) ? Replaced : CannotWrite;
}

bool FileReplacer::sync()
{
    m_synced = m_synced || fsync(m_staged.handle()) == 0;
    return m_synced;
}

FileReplacer::Result FileReplacer::commit()
{
    if (!sync())
        return CannotWrite;
    if (::rename(QFile::encodeName(m_staged.fileName()).constData(),
                 QFile::encodeName(m_path).constData()) != 0)
        return CannotWrite;
    m_staged.setAutoRemove(false);
    m_staged.close();
    // The new bytes are in place; a directory that cannot be synced leaves them there.
    syncDirectory(m_path);
    return Replaced;
}

FileReplacer::Result FileReplacer::replace(const QString &path, const QByteArray &bytes)
{
    FileReplacer replacer(path);
    const Result staged = replacer.stage(bytes);
    return staged == Replaced ? replacer.commit() : staged;
}
