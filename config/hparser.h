#pragma once

#include "isctype.h"
#include "records/namedconf.h"

#include <QObject>

// Walks the configuration tree: one zone per usable top-level zone statement.
class HParser : public QObject
{
    Q_OBJECT

public:
    using QObject::QObject;

    PNamedConf parseZones(const PISCType &root);

signals:
    void error(QString message);

private:
    void parseZoneList(const PNamedConf &result, const PISCType &list, const ISCMap &root);
    PZone parseZone(const PISCType &element, const ISCMap &root);
    static void readServerSettings(Zone &zone, const ISCMap &options, const ISCMap &root);
    static QString asString(const PISCType &value);
    static QString serverDirectory(const ISCMap &root);
};
