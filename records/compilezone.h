#pragma once

#include "config/zone.h"

#include <QObject>

struct CompileResult
{
    bool ok = false;
    QString text;
};

// Runs named-compilezone, which prints a zone one complete record per line.
class CompileZone : public QObject
{
    Q_OBJECT

public:
    explicit CompileZone(QObject *parent = nullptr);

    CompileResult compile(const QString &zoneName, const QString &fileName);
};

// Reads the zone's file through the compiler and gives the zone its records.
void readZoneRecords(const PZone &zone);
