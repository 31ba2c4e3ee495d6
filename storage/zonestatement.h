#pragma once

#include "records/zone.h"

#include <QByteArray>
#include <QCoreApplication>
#include <QPair>

// A zone's statement in the bytes of a configuration file, changed without touching anything
// around it or inside it but what the zone's settings say: its options, comments and layout stay.
class ZoneStatement
{
    Q_DECLARE_TR_FUNCTIONS(ZoneStatement)

public:
    // Finds the statement of the zone named so (with or without the final dot, in any case), of
    // that class and view: at the top level, or in the block of that view. Throws when the text
    // does not scan or holds no such statement.
    ZoneStatement(const QByteArray &text, const QString &path, const QString &name,
                  const QString &zoneClass, const QString &view = QString());

    int begin() const { return m_begin; }
    int end() const { return m_end; }
    // The statement's own bytes, up to and with its semicolon.
    QByteArray bytes() const { return m_text.mid(m_begin, m_end - m_begin); }
    // The text without the statement.
    QByteArray textWithout() const;

    // The statement's bytes with the zone's name, type, file and a secondary's primaries (in a
    // primaries clause where they differ from what its primaries or masters clause says, none for
    // another type); everything else as it was.
    QByteArray rewritten(const Zone &zone) const;

    // The lines from begin to end when nothing but blanks stands beside that text on them; else
    // just that text.
    static QPair<int, int> wholeLines(const QByteArray &text, int begin, int end);

private:
    QByteArray m_text;
    QString m_path;
    int m_begin = 0;
    int m_end = 0;
};
