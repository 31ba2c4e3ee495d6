#pragma once

#include <QByteArray>
#include <QString>

#include <vector>

// The text of a zone file as the administrator wrote it, split into the entries that BIND reads
// from it: records with the bytes they take (continuation lines in parentheses included) and
// directives, each with the origin, owner and default time to live in effect. Comments, blank
// lines and spacing are not entries; whatever lies outside the entries a change touches stays.
class ZoneText
{
public:
    // A token's bytes; a quoted string keeps its quotes.
    struct Token
    {
        int begin = 0;
        int end = 0;
    };

    // What BIND carries from one entry to the next. A time to live of -1 is unknown.
    struct Context
    {
        explicit Context(const QByteArray &origin = QByteArray()) : origin(origin) {}

        QByteArray origin;
        // The record entry whose written owner is in effect; -1 while none is, when `owner` (a
        // key, empty when unknown) is.
        int ownerEntry = -1;
        QByteArray owner;
        qint64 defaultTtl = -1;
        qint64 lastTtl = -1;
    };

    struct Entry
    {
        enum Kind { Record, Origin, Ttl, Include, Generate, OtherDirective };
        Kind kind = Record;
        // From the start of its first line to past its last line end (or the text's end).
        int begin = 0;
        int end = 0;
        // Past its last token or closing parenthesis, before any comment on its last line.
        int contentEnd = 0;
        int firstToken = 0;
        int tokenCount = 0;
        // Indexes among the entry's tokens, -1 when not written.
        int ownerToken = -1;
        int ttlToken = -1;
        int classToken = -1;
        int typeToken = -1;
        // The record's time to live as BIND reads it here; -1 when unknown.
        qint64 ttl = -1;
        // In effect after the entry: a record's owner is its own, written or inherited.
        Context after;
        // The time to live that a record written here without one would get.
        qint64 inheritedTtl = -1;
    };

    // A relative $INCLUDE is read from workingDirectory, as named reads it; empty is the current
    // one.
    ZoneText(const QByteArray &text, const Context &start,
             const QString &workingDirectory = QString());

    const QByteArray &text() const { return m_text; }
    const std::vector<Entry> &entries() const { return m_entries; }
    const Token &token(const Entry &entry, int index) const;
    QByteArray tokenText(const Entry &entry, int index) const;
    // The record's type word in upper case; empty for a directive.
    QByteArray type(const Entry &entry) const;
    int rdataCount(const Entry &entry) const;
    QByteArray rdata(const Entry &entry, int index) const;
    // The key of the owner in effect after the entry; empty when unknown.
    QByteArray owner(const Entry &entry) const;
    // The same as owner(entry) == key, without making the key in the usual case.
    bool ownerIs(const Entry &entry, const QByteArray &key) const;
    // The line end the file uses: CRLF when its first line ends so.
    QByteArray lineEnd() const;

    // The tokens of a record's data as BIND's lexer splits it.
    static std::vector<Token> split(const QByteArray &text);
    // A token's bytes with quotes and escapes undone, as BIND stores a character string.
    static QByteArray unescape(const QByteArray &token);
    // A time to live in seconds or with units (1h30m); false for anything else.
    static bool parseTtl(const QByteArray &token, quint32 *seconds);
    // The file that an $INCLUDE entry names, resolved as named resolves it.
    QString includedFile(const Entry &entry) const;
    // The origin that an $INCLUDE entry gives the included file.
    QByteArray includedOrigin(const Entry &entry, const QByteArray &origin) const;

private:
    void read();
    int scanEntry(int position, Entry &entry);
    void interpret(Entry &entry, bool ownerWritten);
    void interpretDirective(Entry &entry);
    void interpretRecord(Entry &entry, bool ownerWritten);
    bool includeKeepsDefaultTtl(const Entry &entry) const;

    QByteArray m_text;
    QString m_directory;
    Context m_context;
    std::vector<Token> m_tokens;
    std::vector<Entry> m_entries;
};
