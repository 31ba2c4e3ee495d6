#pragma once

#include "records/record.h"
#include "records/zone.h"

#include <QByteArray>
#include <QList>

#include <memory>

// How tamzorctl prints what it lists: the bytes for standard output.
class OutputFormat
{
public:
    virtual ~OutputFormat();

    virtual QByteArray zones(const QList<PZone> &zones) const = 0;
    virtual QByteArray records(const Zone &zone) const = 0;
    virtual QByteArray record(const Record &record) const = 0;

    static std::unique_ptr<OutputFormat> create(bool json);
};
