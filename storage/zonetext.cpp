#include "zonetext.h"

#include "domainname.h"

#include <QDir>
#include <QFile>

#include <utility>

namespace {

const char lineFeed = '\n';
const char commentStart = ';';
const char quote = '"';
const char escape = '\\';
const char directiveStart = '$';

bool isBlank(char c)
{
    return c == ' ' || c == '\t' || c == '\r';
}

// The bytes that end a token, looked up: the scan of a big zone file passes each byte here.
struct TokenEnds
{
    constexpr TokenEnds() : ends()
    {
        for (char c : {' ', '\t', '\r', lineFeed, commentStart, '(', ')', quote, escape})
            ends[uchar(c)] = true;
    }
    bool ends[256];
};
constexpr TokenEnds tokenEnds;

bool isDigit(char c)
{
    return c >= '0' && c <= '9';
}

bool equalsWord(const QByteArray &token, const char *word)
{
    return qstricmp(token.constData(), word) == 0;
}

bool equalsWord(const char *data, int size, const char *word)
{
    return int(qstrlen(word)) == size && qstrnicmp(data, word, uint(size)) == 0;
}

bool isClass(const char *data, int size)
{
    for (const char *word : {"IN", "CH", "CHAOS", "HS", "HESIOD", "NONE", "ANY"}) {
        if (equalsWord(data, size, word))
            return true;
    }
    if (size <= 5 || qstrnicmp(data, "CLASS", 5) != 0)
        return false;
    for (int index = 5; index < size; ++index) {
        if (!isDigit(data[index]))
            return false;
    }
    return true;
}

quint32 unitSeconds(char unit)
{
    switch (unit) {
    case 'w':
    case 'W':
        return 604800;
    case 'd':
    case 'D':
        return 86400;
    case 'h':
    case 'H':
        return 3600;
    case 'm':
    case 'M':
        return 60;
    case 's':
    case 'S':
        return 1;
    default:
        return 0;
    }
}

bool ttlOf(const char *data, int size, quint32 *seconds)
{
    if (size == 0 || !isDigit(data[0]))
        return false;
    quint64 total = 0;
    quint64 number = 0;
    bool digits = false;
    bool units = false;
    for (const char *c = data; c != data + size; ++c) {
        if (isDigit(*c)) {
            number = number * 10 + quint64(*c - '0');
            digits = true;
        } else if (digits && unitSeconds(*c) != 0) {
            total += number * unitSeconds(*c);
            number = 0;
            digits = false;
            units = true;
        } else {
            return false;
        }
        if (number > 0xffffffffu || total > 0xffffffffu)
            return false;
    }
    if (units && digits)
        return false;
    *seconds = quint32(total + number);
    return true;
}

// Scans one token from `position`: a quoted string to its closing quote, or a run of bytes up
// to a delimiter, a backslash taking the byte after it into the token.
int tokenEnd(const char *data, int size, int position)
{
    if (data[position] == quote) {
        ++position;
        while (position < size && data[position] != quote) {
            if (data[position] == escape && position + 1 < size)
                ++position;
            ++position;
        }
        return position < size ? position + 1 : size;
    }
    while (position < size) {
        // Most bytes of a token are plain: they go by at one lookup each.
        while (position < size && !tokenEnds.ends[uchar(data[position])])
            ++position;
        if (position >= size || data[position] != escape)
            break;
        position += position + 1 < size ? 2 : 1;
    }
    return position;
}

} // namespace

ZoneText::ZoneText(const QByteArray &text, const Context &start, const QString &workingDirectory)
    : m_text(text), m_directory(workingDirectory), m_context(start)
{
    read();
}

const ZoneText::Token &ZoneText::token(const Entry &entry, int index) const
{
    return m_tokens[size_t(entry.firstToken + index)];
}

QByteArray ZoneText::tokenText(const Entry &entry, int index) const
{
    const Token &found = token(entry, index);
    return m_text.mid(found.begin, found.end - found.begin);
}

QByteArray ZoneText::type(const Entry &entry) const
{
    if (entry.kind != Entry::Record || entry.typeToken < 0)
        return QByteArray();
    return tokenText(entry, entry.typeToken).toUpper();
}

int ZoneText::rdataCount(const Entry &entry) const
{
    return entry.typeToken < 0 ? 0 : entry.tokenCount - entry.typeToken - 1;
}

QByteArray ZoneText::rdata(const Entry &entry, int index) const
{
    return tokenText(entry, entry.typeToken + 1 + index);
}

QByteArray ZoneText::owner(const Entry &entry) const
{
    if (entry.after.ownerEntry < 0)
        return entry.after.owner;
    const Entry &written = m_entries[size_t(entry.after.ownerEntry)];
    const Token &name = token(written, written.ownerToken);
    return DomainName::key(m_text.constData() + name.begin, name.end - name.begin,
                           written.after.origin);
}

bool ZoneText::ownerIs(const Entry &entry, const QByteArray &key) const
{
    if (entry.after.ownerEntry < 0)
        return entry.after.owner == key;
    const Entry &written = m_entries[size_t(entry.after.ownerEntry)];
    const Token &name = token(written, written.ownerToken);
    const char *data = m_text.constData() + name.begin;
    const int size = name.end - name.begin;
    const QByteArray &origin = written.after.origin;
    // A plain name's key is the name in lower case, followed, for a relative one, by a dot and
    // the origin's key.
    bool plain = size > 0 && !(size == 1 && data[0] == '@');
    for (int index = 0; plain && index < size; ++index) {
        const uchar c = uchar(data[index]);
        plain = c > 0x20 && c < 0x7f && c != uchar(escape);
    }
    if (plain && data[size - 1] == '.')
        return key.size() == size && qstrnicmp(key.constData(), data, uint(size)) == 0;
    if (!plain || origin == DomainName::rootKey())
        return owner(entry) == key;
    return key.size() == size + 1 + origin.size() && key.at(size) == '.' &&
           qstrnicmp(key.constData(), data, uint(size)) == 0 && key.endsWith(origin);
}

QByteArray ZoneText::lineEnd() const
{
    const int first = m_text.indexOf(lineFeed);
    return first > 0 && m_text.at(first - 1) == '\r' ? QByteArrayLiteral("\r\n")
                                                     : QByteArrayLiteral("\n");
}

std::vector<ZoneText::Token> ZoneText::split(const QByteArray &text)
{
    std::vector<Token> tokens;
    const char *data = text.constData();
    const int size = text.size();
    int position = 0;
    while (position < size) {
        const char c = data[position];
        if (isBlank(c) || c == lineFeed || c == '(' || c == ')') {
            ++position;
            continue;
        }
        if (c == commentStart)
            break;
        const int end = tokenEnd(data, size, position);
        tokens.push_back({position, end});
        position = end;
    }
    return tokens;
}

QByteArray ZoneText::unescape(const QByteArray &token)
{
    const bool quoted = token.size() >= 2 && token.startsWith(quote) && token.endsWith(quote);
    const int begin = quoted ? 1 : 0;
    const int end = quoted ? token.size() - 1 : token.size();
    QByteArray bytes;
    bytes.reserve(end - begin);
    for (int index = begin; index < end; ++index) {
        const char c = token.at(index);
        if (c != escape || index + 1 >= end) {
            bytes.append(c);
            continue;
        }
        if (index + 3 < end && isDigit(token.at(index + 1)) && isDigit(token.at(index + 2)) &&
            isDigit(token.at(index + 3))) {
            bytes.append(char((token.at(index + 1) - '0') * 100 + (token.at(index + 2) - '0') * 10 +
                              (token.at(index + 3) - '0')));
            index += 3;
        } else {
            bytes.append(token.at(++index));
        }
    }
    return bytes;
}

bool ZoneText::parseTtl(const QByteArray &token, quint32 *seconds)
{
    return ttlOf(token.constData(), token.size(), seconds);
}

void ZoneText::read()
{
    const int size = m_text.size();
    // A record line is some forty bytes long and holds some five tokens.
    m_entries.reserve(size_t(size / 32 + 1));
    m_tokens.reserve(size_t(size / 6 + 1));
    int position = 0;
    while (position < size) {
        Entry entry;
        entry.begin = position;
        entry.firstToken = int(m_tokens.size());
        const bool ownerWritten = !isBlank(m_text.at(position));
        position = scanEntry(position, entry);
        entry.end = position;
        entry.tokenCount = int(m_tokens.size()) - entry.firstToken;
        if (entry.tokenCount == 0)
            continue;
        interpret(entry, ownerWritten);
        m_entries.push_back(std::move(entry));
    }
}

// Takes the tokens up to the line end that is not inside parentheses.
int ZoneText::scanEntry(int position, Entry &entry)
{
    const char *data = m_text.constData();
    const int size = m_text.size();
    int depth = 0;
    entry.contentEnd = position;
    while (position < size) {
        const char c = data[position];
        if (isBlank(c)) {
            ++position;
        } else if (c == commentStart) {
            while (position < size && data[position] != lineFeed)
                ++position;
        } else if (c == lineFeed) {
            ++position;
            if (depth == 0)
                break;
        } else if (c == '(' || c == ')') {
            depth += c == '(' ? 1 : (depth > 0 ? -1 : 0);
            entry.contentEnd = ++position;
        } else {
            const int end = tokenEnd(data, size, position);
            m_tokens.push_back({position, end});
            entry.contentEnd = position = end;
        }
    }
    return position;
}

void ZoneText::interpret(Entry &entry, bool ownerWritten)
{
    const Token &first = token(entry, 0);
    if (ownerWritten && m_text.at(first.begin) == directiveStart && first.begin == entry.begin)
        interpretDirective(entry);
    else
        interpretRecord(entry, ownerWritten);
    entry.after = m_context;
}

void ZoneText::interpretDirective(Entry &entry)
{
    const QByteArray word = tokenText(entry, 0);
    const QByteArray argument = entry.tokenCount > 1 ? tokenText(entry, 1) : QByteArray();
    entry.inheritedTtl = m_context.defaultTtl >= 0 ? m_context.defaultTtl : m_context.lastTtl;
    quint32 seconds = 0;
    if (equalsWord(word, "$ORIGIN") && !argument.isEmpty()) {
        entry.kind = Entry::Origin;
        m_context.origin = DomainName::key(argument.constData(), argument.size(), m_context.origin);
    } else if (equalsWord(word, "$TTL") && parseTtl(argument, &seconds)) {
        entry.kind = Entry::Ttl;
        m_context.defaultTtl = seconds;
    } else {
        entry.kind = equalsWord(word, "$INCLUDE")    ? Entry::Include
                     : equalsWord(word, "$GENERATE") ? Entry::Generate
                                                     : Entry::OtherDirective;
        // Records of their own, with times of their own, leave the last time unknown; an
        // included file may even set the default for the rest of this one.
        m_context.lastTtl = -1;
        if (entry.kind != Entry::Generate && !includeKeepsDefaultTtl(entry))
            m_context.defaultTtl = -1;
    }
}

bool ZoneText::includeKeepsDefaultTtl(const Entry &entry) const
{
    if (entry.kind != Entry::Include || m_context.defaultTtl < 0)
        return false;
    QFile file(includedFile(entry));
    return file.open(QIODevice::ReadOnly) && !file.readAll().toUpper().contains("$TTL");
}

QString ZoneText::includedFile(const Entry &entry) const
{
    if (entry.tokenCount < 2)
        return QString();
    const QString path = QFile::decodeName(unescape(tokenText(entry, 1)));
    return m_directory.isEmpty() || QDir::isAbsolutePath(path) ? path
                                                               : QDir(m_directory).filePath(path);
}

QByteArray ZoneText::includedOrigin(const Entry &entry, const QByteArray &origin) const
{
    if (entry.tokenCount < 3)
        return origin;
    const Token &written = token(entry, 2);
    return DomainName::key(m_text.constData() + written.begin, written.end - written.begin, origin);
}

// Owner, then a time to live and a class in either order, each at most once, then the type.
void ZoneText::interpretRecord(Entry &entry, bool ownerWritten)
{
    int index = 0;
    if (ownerWritten) {
        m_context.ownerEntry = int(m_entries.size());
        entry.ownerToken = index++;
    }
    quint32 seconds = 0;
    while (index < entry.tokenCount && (entry.ttlToken < 0 || entry.classToken < 0)) {
        const Token &word = token(entry, index);
        const char *data = m_text.constData() + word.begin;
        if (entry.ttlToken < 0 && ttlOf(data, word.end - word.begin, &seconds))
            entry.ttlToken = index++;
        else if (entry.classToken < 0 && isClass(data, word.end - word.begin))
            entry.classToken = index++;
        else
            break;
    }
    if (index < entry.tokenCount)
        entry.typeToken = index;

    entry.inheritedTtl = m_context.defaultTtl >= 0 ? m_context.defaultTtl : m_context.lastTtl;
    if (entry.ttlToken >= 0) {
        const Token &written = token(entry, entry.ttlToken);
        ttlOf(m_text.constData() + written.begin, written.end - written.begin, &seconds);
        entry.ttl = seconds;
        if (m_context.defaultTtl < 0)
            m_context.lastTtl = seconds;
        return;
    }
    entry.ttl = entry.inheritedTtl;
    // Without any time to live before it, BIND gives the SOA record its minimum and takes that
    // as the default from there on.
    if (entry.ttl < 0 && type(entry) == "SOA" && rdataCount(entry) == 7 &&
        parseTtl(rdata(entry, 6), &seconds)) {
        entry.ttl = seconds;
        m_context.defaultTtl = seconds;
    }
}
