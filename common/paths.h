#pragma once

#include <QString>

// The fixed places of the server's files.
namespace Paths {
const QString &serverConfiguration(); // /etc/bind/named.conf
const QString &managedIncludeFile();  // /etc/bind/tamzor.conf
const QString &zoneDirectory();       // /etc/bind/tamzor
const QString &backupDirectory();     // /var/backups/tamzor
} // namespace Paths
