#pragma once

#include "records/record.h"

#include <QByteArray>
#include <QList>
#include <QString>
#include <QVector>

// A zone under a new name: every name at or below the old one, as owner or as a name in the data
// of the types that hold names (SOA, NS, CNAME, MX, SRV and the like), moves below the new one.
// Other names, and names inside text, stay.
class ZoneRename
{
public:
    ZoneRename(const QString &from, const QString &to);

    // An absolute name; unchanged when it lies outside the old zone.
    QString name(const QString &name) const;
    QVector<PRecord> records(const QVector<PRecord> &records) const;
    // The zone file's text with the absolute names in owners, in name data and in $ORIGIN and
    // $INCLUDE lines renamed, token by token; relative names, comments and layout stay as they
    // are, so that the text read under the new origin gives the renamed records.
    QByteArray text(const QByteArray &text, const QString &workingDirectory) const;

    // The positions among a type's data that hold domain names.
    static QList<int> nameFields(const QString &type);

private:
    QByteArray renamedToken(const QByteArray &token) const;

    QByteArray m_fromKey;
    QString m_to;
};
