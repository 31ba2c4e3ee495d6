#pragma once

#include <QString>

// The fixed places of the server's files.
namespace Paths {
const QString &serverConfiguration(); // /etc/bind/named.conf
const QString &managedIncludeFile();  // /etc/bind/tamzor.conf
// The managed file of the zones in a view, included in that view's block:
// /etc/bind/tamzor-VIEW.conf; tamzor.conf for no view.
QString managedIncludeFile(const QString &view);
const QString &zoneDirectory(); // /etc/bind/tamzor
// Where named writes the files of the secondaries Tamzor adds: /var/cache/bind/tamzor
const QString &secondaryZoneDirectory();
const QString &backupDirectory(); // /var/backups/tamzor
} // namespace Paths
