#include "paths.h"

namespace Paths {

const QString &serverConfiguration()
{
    static const QString path = QStringLiteral("/etc/bind/named.conf");
    return path;
}

const QString &managedIncludeFile()
{
    static const QString path = QStringLiteral("/etc/bind/tamzor.conf");
    return path;
}

QString managedIncludeFile(const QString &view)
{
    if (view.isEmpty())
        return managedIncludeFile();
    // A view's name is any string; in a file name, bytes other than these are written %XX.
    const QByteArray kept = QByteArrayLiteral("-_.");
    const QString name = QString::fromLatin1(view.toUtf8().toPercentEncoding(kept));
    return QStringLiteral("/etc/bind/tamzor-%1.conf").arg(name);
}

const QString &zoneDirectory()
{
    static const QString path = QStringLiteral("/etc/bind/tamzor");
    return path;
}

const QString &secondaryZoneDirectory()
{
    static const QString path = QStringLiteral("/var/cache/bind/tamzor");
    return path;
}

const QString &backupDirectory()
{
    static const QString path = QStringLiteral("/var/backups/tamzor");
    return path;
}

} // namespace Paths
