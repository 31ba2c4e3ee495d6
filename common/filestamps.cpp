#include "filestamps.h"

#include <QCryptographicHash>
#include <QDateTime>
#include <QFile>
#include <QFileInfo>
#include <QMutexLocker>

QMutex FileStamps::mutex;
QHash<QString, FileStamps::Stamp> FileStamps::stamps;

namespace {
// The stamps tell a file that someone else changed from one Tamzor wrote, which needs no more
// than SHA-1, at a quarter of SHA-256's cost on a big zone. Lists of changes written before keep
// SHA-256, told by their length.
constexpr QCryptographicHash::Algorithm hashAlgorithm = QCryptographicHash::Sha1;
constexpr QCryptographicHash::Algorithm earlierAlgorithm = QCryptographicHash::Sha256;

QByteArray fileHash(QFile &file, QCryptographicHash::Algorithm algorithm = hashAlgorithm)
{
    QCryptographicHash hash(algorithm);
    hash.addData(&file);
    return hash.result();
}

QString key(const QString &path)
{
    return QFileInfo(path).absoluteFilePath();
}
} // namespace

FileStamps::Stamp FileStamps::take(const QString &path)
{
    Stamp stamp;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return stamp;
    const QFileInfo info(file);
    stamp.exists = true;
    stamp.size = info.size();
    stamp.modified = info.lastModified().toMSecsSinceEpoch();
    // The time alone misses a change within its resolution, the size one that keeps the length.
    stamp.hash = fileHash(file);
    return stamp;
}

QByteArray FileStamps::contentHash(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? fileHash(file) : QByteArray();
}

std::optional<FileStamps::Stamp> FileStamps::stampOf(const QString &path)
{
    QMutexLocker lock(&mutex);
    const auto it = stamps.constFind(key(path));
    if (it == stamps.constEnd())
        return std::nullopt;
    return *it;
}

bool FileStamps::Stamp::agreesWith(const QFileInfo &info) const
{
    return info.exists() == exists &&
           (!exists ||
            (info.size() == size && info.lastModified().toMSecsSinceEpoch() == modified));
}

bool FileStamps::holdsHash(const QString &path, const QByteArray &hex)
{
    const bool earlier = hex.size() == 2 * QCryptographicHash::hashLength(earlierAlgorithm);
    QFile file(path);
    const QByteArray hash = file.open(QIODevice::ReadOnly)
                                ? fileHash(file, earlier ? earlierAlgorithm : hashAlgorithm)
                                : QByteArray();
    return hash.toHex() == hex;
}

QByteArray FileStamps::stampedHash(const QString &path)
{
    const std::optional<Stamp> known = stampOf(path);
    const bool same = known && known->exists && known->agreesWith(QFileInfo(path));
    return same && !known->hash.isEmpty() ? known->hash : contentHash(path);
}

void FileStamps::remember(const QString &path)
{
    const Stamp stamp = take(path);
    QMutexLocker lock(&mutex);
    stamps.insert(key(path), stamp);
}

QByteArray FileStamps::hashOf(const QByteArray &bytes)
{
    return QCryptographicHash::hash(bytes, hashAlgorithm);
}

void FileStamps::rememberWritten(const QString &path, const QByteArray &bytes)
{
    rememberWritten(path, bytes.size(), hashOf(bytes));
}

void FileStamps::rememberWritten(const QString &path, qint64 size, const QByteArray &hash)
{
    const QFileInfo info(path);
    Stamp stamp;
    stamp.exists = info.exists();
    stamp.size = info.size();
    stamp.modified = info.lastModified().toMSecsSinceEpoch();
    stamp.hash = hash;
    // A file that is not what was written (a concurrent writer) must not pass for unchanged.
    if (!stamp.exists || stamp.size != size)
        stamp.hash.clear();
    QMutexLocker lock(&mutex);
    stamps.insert(key(path), stamp);
}

void FileStamps::forgetAll()
{
    QMutexLocker lock(&mutex);
    stamps.clear();
}

bool FileStamps::looksUnchanged(const QString &path)
{
    const std::optional<Stamp> known = stampOf(path);
    return !known || known->agreesWith(QFileInfo(path));
}

bool FileStamps::isUnchanged(const QString &path)
{
    const std::optional<Stamp> known = stampOf(path);
    return !known || take(path) == *known;
}
