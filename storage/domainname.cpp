#include "domainname.h"

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

void appendCanonical(QByteArray &key, uchar byte)
{
    if (byte >= 'A' && byte <= 'Z')
        byte = uchar(byte - 'A' + 'a');
    if (isPlain(byte)) {
        key.append(char(byte));
        return;
    }
    key.append(escape);
    key.append(char('0' + byte / 100));
    key.append(char('0' + byte / 10 % 10));
    key.append(char('0' + byte % 10));
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
    QByteArray key;
    key.reserve(size + originKey.size() + 1);
    bool absolute = false;
    for (int index = 0; index < size; ++index) {
        const char c = text[index];
        if (c == escape && index + 1 < size) {
            if (index + 3 < size && isDigit(text[index + 1]) && isDigit(text[index + 2]) &&
                isDigit(text[index + 3])) {
                const int value = (text[index + 1] - '0') * 100 + (text[index + 2] - '0') * 10 +
                                  (text[index + 3] - '0');
                appendCanonical(key, uchar(value));
                index += 3;
            } else {
                appendCanonical(key, uchar(text[++index]));
            }
            continue;
        }
        if (c == labelSeparator) {
            key.append(labelSeparator);
            if (index + 1 == size)
                absolute = true;
            continue;
        }
        appendCanonical(key, uchar(c));
    }
    if (absolute)
        return key;
    if (originKey != rootKey())
        key.append(labelSeparator);
    return key + originKey;
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
