#pragma once

#include "records/record.h"
#include "records/zone.h"

#include <QByteArray>
#include <QStringList>
#include <QTemporaryDir>

// A zone whose file holds the given text, with the records BIND's compiler reads from it: the
// forms read relative names at its apex and give new records its default TTL.
class ZoneFixture
{
public:
    ZoneFixture(const QString &name, const QByteArray &text);

    PZone zone;

    // What named will serve of the record: the lines, fields between single spaces, that BIND's
    // compiler reads from the zone's file with the record's line added (in place of the SOA for
    // an SOA record), beside those the file had; "refused by BIND" when it does not load.
    QStringList served(const Record &record) const;

private:
    QStringList compiled(const QByteArray &text) const;

    QTemporaryDir m_directory;
    QByteArray m_text;
};
