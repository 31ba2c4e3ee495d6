#pragma once

#include <QByteArray>
#include <QList>
#include <QPair>
#include <QStringList>

// Finds the statements of a file in BIND's configuration syntax. It knows quoted strings, the
// comment styles //, # and /* */ and nested blocks, so that a statement can be cut out of the
// bytes without touching anything around it. Bytes outside strings are never decoded.
class ConfScanner
{
public:
    struct Statement
    {
        int depth = 0; // 0 for a top-level statement
        int begin = 0; // the first byte of its first token
        int end = 0;   // one past its closing semicolon
        // The tokens before its first block (or its semicolon), quoted strings unquoted.
        QStringList head;
        // Where each head token lies: its first byte and one past its last (quotes included).
        QList<QPair<int, int>> headSpans;
        bool hasBlock = false;
    };

    // Every complete statement of the text, inner ones before the statement holding them. False
    // when the text does not scan: an unterminated string, comment or block, or a stray brace.
    static bool scan(const QByteArray &text, QList<Statement> *statements);
};
