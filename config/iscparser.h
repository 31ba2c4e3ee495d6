#pragma once

#include "isctype.h"

#include <QString>

// Parses a file with BIND's configuration parser and the named.conf grammar.
class ISCParser
{
public:
    PISCType parse(const QString &path);
};
