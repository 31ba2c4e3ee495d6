#include "txtrecord.h"

#include <QObject>

#include <algorithm>
#include <cctype>

namespace {
const char quote = '"';
const char escape = '\\';
// A character string of a TXT record holds at most this many bytes.
constexpr int maximumStringBytes = 255;

bool isBlank(char byte)
{
    return byte == ' ' || byte == '\t';
}

// BIND ends an unquoted word at these, or takes them for a comment or a line's continuation.
bool endsWord(char byte)
{
    return isBlank(byte) || byte == quote || byte == ';' || byte == '(' || byte == ')';
}

// Cuts before a UTF-8 continuation byte would split a character between two strings.
int stringEnd(const QByteArray &bytes, int start)
{
    int end = std::min(start + maximumStringBytes, int(bytes.size()));
    while (end < bytes.size() && end > start + 1 && (uchar(bytes.at(end)) & 0xc0) == 0x80)
        --end;
    return end;
}

QString quotedString(const QByteArray &bytes)
{
    QByteArray quoted(1, quote);
    for (const char byte : bytes) {
        const uchar value = uchar(byte);
        if (byte == quote || byte == escape)
            quoted += QByteArray(1, escape) + byte;
        else if (value < 0x20 || value >= 0x7f)
            quoted += escape + QByteArray::number(value).rightJustified(3, '0');
        else
            quoted += byte;
    }
    return QString::fromLatin1(quoted + quote);
}

// Reads one escape at `position` (past the backslash) into `string`: \DDD is a byte by its
// decimal value, any other character stands for itself.
bool readEscape(const QByteArray &bytes, int *position, QByteArray *string)
{
    const QByteArray digits = bytes.mid(*position, 3);
    if (!digits.isEmpty() && std::isdigit(uchar(digits.at(0)))) {
        bool ok = false;
        const int value = digits.toInt(&ok);
        if (digits.size() < 3 || !ok || value > 255)
            return false;
        string->append(char(value));
        *position += 3;
        return true;
    }
    if (*position >= bytes.size())
        return false;
    string->append(bytes.at((*position)++));
    return true;
}
} // namespace

TXTRecord::TXTRecord() : Record(QStringLiteral("TXT")) {}

TXTRecord &TXTRecord::assign(const Record &other)
{
    const auto &source = dynamic_cast<const TXTRecord &>(other);
    assignRecord(source);
    m_text = source.m_text;
    return *this;
}

QStringList TXTRecord::validate() const
{
    QStringList messages = Record::validate();
    QByteArrayList strings;
    QString problem;
    if (!readStrings(m_text, &strings, &problem))
        messages.append(QObject::tr("The text is not read as zone-file strings: %1").arg(problem));
    return messages;
}

QString TXTRecord::quoted(const QString &text)
{
    const QByteArray bytes = text.toUtf8();
    QStringList strings;
    int start = 0;
    do {
        const int end = stringEnd(bytes, start);
        strings.append(quotedString(bytes.mid(start, end - start)));
        start = end;
    } while (start < bytes.size());
    return strings.join(QLatin1Char(' '));
}

void TXTRecord::setTypedText(const QString &typed)
{
    m_text = typed.startsWith(QLatin1Char(quote)) ? typed : quoted(typed);
}

QString TXTRecord::typedText() const
{
    QByteArrayList strings;
    QString problem;
    if (!readStrings(m_text, &strings, &problem))
        return m_text;
    const QString text = QString::fromUtf8(strings.join());
    if (text.startsWith(QLatin1Char(quote)) || quoted(text) != m_text)
        return m_text;
    return text;
}

bool TXTRecord::readStrings(const QString &text, QByteArrayList *strings, QString *problem)
{
    const QByteArray bytes = text.toUtf8();
    int position = 0;
    while (true) {
        while (position < bytes.size() && isBlank(bytes.at(position)))
            ++position;
        if (position == bytes.size())
            break;
        const bool quoted = bytes.at(position) == quote;
        position += quoted ? 1 : 0;
        QByteArray string;
        while (position < bytes.size() &&
               (quoted ? bytes.at(position) != quote : !endsWord(bytes.at(position)))) {
            const char byte = bytes.at(position++);
            if (byte != escape) {
                string.append(byte);
            } else if (!readEscape(bytes, &position, &string)) {
                *problem = QObject::tr("an escape is not complete");
                return false;
            }
        }
        if (quoted && position == bytes.size()) {
            *problem = QObject::tr("a string lacks its closing quote");
            return false;
        }
        if (!quoted && string.isEmpty()) {
            *problem = QObject::tr("%1 stands outside the quotes").arg(QChar(bytes.at(position)));
            return false;
        }
        if (string.size() > maximumStringBytes) {
            *problem = QObject::tr("a string holds %1 bytes, more than %2")
                           .arg(string.size())
                           .arg(maximumStringBytes);
            return false;
        }
        position += quoted ? 1 : 0;
        strings->append(string);
    }
    if (strings->isEmpty())
        *problem = QObject::tr("it holds no string");
    return !strings->isEmpty();
}
