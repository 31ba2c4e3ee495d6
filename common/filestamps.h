#pragma once

#include <QByteArray>
#include <QHash>
#include <QMutex>
#include <QString>

#include <optional>

class QFileInfo;

// What the application last read or wrote of each file it may write: size, modification time and
// a hash of the bytes. A file that differs from its stamp was changed behind the application's
// back, and must not be replaced with what was made from the old bytes.
class FileStamps
{
public:
    // Takes the file as it is now; a missing file is stamped as missing.
    static void remember(const QString &path);
    // Takes the file as just written with these bytes, without reading it back; hashOf() may have
    // hashed them before.
    static void rememberWritten(const QString &path, const QByteArray &bytes);
    static void rememberWritten(const QString &path, qint64 size, const QByteArray &hash);
    static QByteArray hashOf(const QByteArray &bytes);
    static void forgetAll();
    // False only for a file that was stamped and differs now; a file never stamped is unknown.
    static bool isUnchanged(const QString &path);
    // The same by size and time alone, for a file whose bytes were found unchanged a moment ago.
    static bool looksUnchanged(const QString &path);
    // A strong hash of the file's bytes; empty when it cannot be read. stampedHash() takes the
    // stamp's hash while size and time still agree with it, which saves reading a big zone again
    // right after writing it.
    static QByteArray contentHash(const QString &path);
    // Whether the file's bytes have the hash, in hex, that contentHash() gives or gave before.
    static bool holdsHash(const QString &path, const QByteArray &hex);
    static QByteArray stampedHash(const QString &path);

private:
    struct Stamp
    {
        bool exists = false;
        qint64 size = 0;
        qint64 modified = 0;
        QByteArray hash;
        // By existence, size and time.
        bool agreesWith(const QFileInfo &info) const;
        bool operator==(const Stamp &other) const
        {
            return exists == other.exists && size == other.size && modified == other.modified &&
                   hash == other.hash;
        }
    };
    static Stamp take(const QString &path);
    static std::optional<Stamp> stampOf(const QString &path);

    static QMutex mutex;
    static QHash<QString, Stamp> stamps;
};
