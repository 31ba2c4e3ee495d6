#include "domainname.h"

#include <algorithm>
#include <vector>

namespace {

const char labelSeparator = '.';
const char escape = '\\';

bool isDigit(char c)
{
    return c >= '0' && c <= '9';
}

// A byte that BIND prints as itself inside a label.
bool isPlain(uchar byte)
{
    return byte > 0x20 && byte < 0x7f && byte != labelSeparator && byte != escape;
}

// Writes the byte as a key holds it; returns past the last byte written.
char *writeCanonical(char *out, uchar byte)
{
    if (byte >= 'A' && byte <= 'Z')
        byte = uchar(byte - 'A' + 'a');
    if (isPlain(byte)) {
        *out++ = char(byte);
        return out;
    }
    *out++ = escape;
    *out++ = char('0' + byte / 100);
    *out++ = char('0' + byte / 10 % 10);
    *out++ = char('0' + byte % 10);
    return out;
}

// Where each label of a name's text ends, escapes respected; a final dot makes it absolute.
struct LabelSpans
{
    std::vector<int> ends;
    bool absolute = false;
};

LabelSpans labelSpans(const QByteArray &text)
{
    LabelSpans spans;
    int position = 0;
    while (position < text.size()) {
        const char c = text.at(position);
        if (c == escape) {
            const bool decimal = position + 3 < text.size() && isDigit(text.at(position + 1));
            position += decimal ? 4 : 2;
            continue;
        }
        if (c == labelSeparator) {
            spans.ends.push_back(position);
            if (position + 1 == text.size())
                spans.absolute = true;
        }
        ++position;
    }
    if (!spans.absolute && !text.isEmpty())
        spans.ends.push_back(text.size());
    return spans;
}

} // namespace

const QByteArray &DomainName::rootKey()
{
    static const QByteArray root(1, labelSeparator);
    return root;
}

QByteArray DomainName::key(const char *text, int size, const QByteArray &originKey)
{
    if (size == 1 && text[0] == '@')
        return originKey;
    if (size == 1 && text[0] == labelSeparator)
        return rootKey();
    int length = size + originKey.size() + 1;
    for (int index = 0; index < size; ++index)
        length += text[index] == escape || isPlain(uchar(text[index])) ? 0 : 3;
    QByteArray key(length, Qt::Uninitialized);
    char *out = key.data();
    bool absolute = false;
    for (int index = 0; index < size; ++index) {
        const char c = text[index];
        if (c == escape && index + 1 < size) {
            if (index + 3 < size && isDigit(text[index + 1]) && isDigit(text[index + 2]) &&
                isDigit(text[index + 3])) {
                const int value = (text[index + 1] - '0') * 100 + (text[index + 2] - '0') * 10 +
                                  (text[index + 3] - '0');
                out = writeCanonical(out, uchar(value));
                index += 3;
            } else {
                out = writeCanonical(out, uchar(text[++index]));
            }
        } else if (c == labelSeparator) {
            *out++ = labelSeparator;
            absolute = index + 1 == size;
        } else {
            out = writeCanonical(out, uchar(c));
        }
    }
    if (!absolute) {
        if (originKey != rootKey())
            *out++ = labelSeparator;
        out = std::copy(originKey.cbegin(), originKey.cend(), out);
    }
    key.resize(int(out - key.constData()));
    return key;
}

QByteArray DomainName::key(const QString &text, const QByteArray &originKey)
{
    const QByteArray bytes = text.toUtf8();
    return key(bytes.constData(), bytes.size(), originKey);
}

QString DomainName::relative(const QString &name, const QByteArray &originKey)
{
    const QByteArray nameKey = key(name);
    if (nameKey == originKey)
        return QStringLiteral("@");
    if (originKey == rootKey() || !nameKey.endsWith('.' + originKey))
        return name;
    // The labels in front of the origin's, cut from the name as it is written.
    const QByteArray text = name.toUtf8();
    const LabelSpans spans = labelSpans(text);
    const int originLabels = originKey.count(labelSeparator);
    const int kept = int(spans.ends.size()) - originLabels;
    if (kept <= 0)
        return name;
    return QString::fromUtf8(text.left(spans.ends[size_t(kept - 1)]));
}
