#pragma once

#include "isctype.h"
#include "records/namedconf.h"

#include <QObject>

// Walks the configuration tree: one zone per primary or secondary zone statement, at the top
// level or in a view, with the settings it takes from its view and the server's options.
class HParser : public QObject
{
    Q_OBJECT

public:
    using QObject::QObject;

    PNamedConf parseZones(const PISCType &root);

signals:
    void error(QString message);

private:
    void parseZoneList(QList<PZone> *zones, const PISCType &list, const ISCMap &root,
                       const QString &view, const ISCMap *viewOptions);
    PZone parseZone(const PISCType &element, const ISCMap &root, const ISCMap *viewOptions);
    static QString serverDirectory(const ISCMap &root);
};
