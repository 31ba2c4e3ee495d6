#include "confscanner.h"

namespace {

bool isSpace(char c)
{
    return c == ' ' || c == '\t' || c == '\n' || c == '\r' || c == '\f' || c == '\v';
}

class Scan
{
public:
    explicit Scan(const QByteArray &text) : text(text) {}

    bool run(QList<ConfScanner::Statement> *statements)
    {
        open.append(Pending());
        while (position < text.size()) {
            if (!step(statements))
                return false;
        }
        return open.size() == 1;
    }

private:
    struct Pending
    {
        ConfScanner::Statement statement;
        bool started = false;
        bool inHead = true;
    };

    bool step(QList<ConfScanner::Statement> *statements)
    {
        const char c = text.at(position);
        if (isSpace(c)) {
            ++position;
            return true;
        }
        if (c == '#')
            return skipComment(1, "\n", true);
        if (startsWith("//"))
            return skipComment(2, "\n", true);
        if (startsWith("/*"))
            return skipComment(2, "*/", false);
        switch (c) {
        case '"':
            return quotedString();
        case '{':
            openBlock();
            return true;
        case '}':
            return closeBlock();
        case ';':
            closeStatement(statements);
            return true;
        default:
            word();
            return true;
        }
    }

    bool startsWith(const char *marker) const
    {
        return text.mid(position, int(qstrlen(marker))) == marker;
    }

    // A line comment may end with the text; a block comment must be closed.
    bool skipComment(int opener, const QByteArray &closer, bool endOfTextCloses)
    {
        const int found = text.indexOf(closer, position + opener);
        if (found < 0) {
            position = text.size();
            return endOfTextCloses;
        }
        position = found + closer.size();
        return true;
    }

    // Like BIND, a backslash keeps the character after it inside the string and only an escaped
    // quote loses its backslash.
    bool quotedString()
    {
        const int begin = position++;
        QByteArray value;
        while (position < text.size()) {
            const char c = text.at(position++);
            if (c == '"')
                return token(begin, QString::fromUtf8(value), position);
            if (c == '\\' && position < text.size()) {
                const char next = text.at(position++);
                if (next != '"')
                    value.append(c);
                value.append(next);
                continue;
            }
            value.append(c);
        }
        return false;
    }

    void word()
    {
        const int begin = position;
        while (position < text.size() && !endsWord())
            ++position;
        token(begin, QString::fromUtf8(text.mid(begin, position - begin)), position);
    }

    bool endsWord() const
    {
        const char c = text.at(position);
        return isSpace(c) || c == '"' || c == '{' || c == '}' || c == ';' || c == '#' ||
               startsWith("//") || startsWith("/*");
    }

    bool token(int begin, const QString &value, int end)
    {
        Pending &pending = start(begin);
        if (pending.inHead) {
            pending.statement.head.append(value);
            pending.statement.headSpans.append({begin, end});
        }
        return true;
    }

    Pending &start(int begin)
    {
        Pending &pending = open.last();
        if (!pending.started) {
            pending.started = true;
            pending.statement.depth = open.size() - 1;
            pending.statement.begin = begin;
        }
        return pending;
    }

    void openBlock()
    {
        Pending &pending = start(position++);
        pending.inHead = false;
        pending.statement.hasBlock = true;
        open.append(Pending());
    }

    bool closeBlock()
    {
        if (open.size() < 2)
            return false;
        // An element list may leave out its last semicolon; that element is no statement.
        open.removeLast();
        ++position;
        return true;
    }

    void closeStatement(QList<ConfScanner::Statement> *statements)
    {
        Pending &pending = open.last();
        ++position;
        if (!pending.started)
            return;
        pending.statement.end = position;
        statements->append(pending.statement);
        pending = Pending();
    }

    const QByteArray &text;
    int position = 0;
    QList<Pending> open;
};

} // namespace

bool ConfScanner::scan(const QByteArray &text, QList<Statement> *statements)
{
    statements->clear();
    return Scan(text).run(statements);
}
