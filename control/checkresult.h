#pragma once

#include <QString>

struct CheckResult
{
    bool ok = false;
    QString report;
};
