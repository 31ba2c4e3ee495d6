#pragma once

#include "ctl/outputformat.h"

// One line for each zone or record, its fields separated by tabs, for people and for cut and awk.
class TextFormat : public OutputFormat
{
public:
    QByteArray zones(const QList<PZone> &zones) const override;
    QByteArray records(const Zone &zone) const override;
    QByteArray record(const Record &record) const override;
};
