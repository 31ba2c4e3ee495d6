#pragma once

#include <QByteArray>

// Writes every byte to an open file or pipe, going on after short writes and interruptions. Qt's
// own writes take a short write on a full disk for success, so the bytes that matter go here.
bool writeAll(int handle, const QByteArray &bytes);
