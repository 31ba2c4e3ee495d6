#pragma once

#include "records/record.h"

#include <QStringList>
#include <QVector>

#include <deque>

// Holds the record lines that BIND reads from a changed zone text against the records intended,
// as multisets of lines. The compiler prints the records it keeps in the order it printed them
// before, so most lines meet their record on the way; the few left over are paired where BIND
// merely spells a record its own way (the case of a name, an address written shorter).
class RecordTally
{
public:
    explicit RecordTally(const QVector<PRecord> &intended);

    void take(const QString &line);
    // Empty when the lines are the intended records; otherwise the records missing and the lines
    // not intended, one a line.
    QStringList differences();

private:
    const QString &expected(int ahead);

    QVector<PRecord> m_intended;
    int m_next = 0;
    std::deque<QString> m_window;
    QStringList m_missing;
    QStringList m_unexpected;
};
