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
