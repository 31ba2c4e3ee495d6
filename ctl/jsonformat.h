#pragma once

#include "ctl/outputformat.h"

class QJsonObject;

// One indented JSON document whose fields stay the same from one version to the next; the README
// describes them.
class JsonFormat : public OutputFormat
{
public:
    QByteArray zones(const QList<PZone> &zones) const override;
    QByteArray records(const Zone &zone) const override;
    QByteArray record(const Record &record) const override;

private:
    static QJsonObject recordObject(const Record &record);
};
