#pragma once

#include "record.h"

class QStringRef;

// Turns one line of compiled zone text (no line end) into a typed record; throws
// ErrorStackException when the line cannot be read.
PRecord parseRecordLine(const QStringRef &line);
PRecord parseRecordLine(const QString &line);
