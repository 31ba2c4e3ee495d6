#pragma once

#include <QString>

struct CheckResult
{
    bool ok = false;
    QString report;
    // False when the checker did not run to its end (missing, crashed): nothing was judged and the
    // report says what went wrong.
    bool completed = false;
};
