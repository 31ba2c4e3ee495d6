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
    void parseZoneList(const PNamedConf &result, const PISCType &list, const QString &directory);
    PZone parseZone(const PISCType &element, const QString &directory);
    static QString asString(const PISCType &value);
    static QString serverDirectory(const ISCMap &root);
};
