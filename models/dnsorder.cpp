#include "dnsorder.h"

#include <algorithm>
#include <cstring>

namespace {
// Below every byte that a label holds, so that a name sorts before the names that go on from it.
const char labelSeparator = '\x01';
// Stands where a number starts, with the digits of the bytes that it replaces, so that a number
// sorts against other text as its first digit did; its length follows, then its digits.
const char numberMark = '0';
const int longestNumber = 255;

bool isDigit(char byte)
{
    return byte >= '0' && byte <= '9';
}

void appendText(QByteArray &key, const char *begin, const char *end)
{
    for (const char *byte = begin; byte < end;) {
        if (!isDigit(*byte)) {
            key += (*byte >= 'A' && *byte <= 'Z') ? char(*byte - 'A' + 'a') : *byte;
            ++byte;
            continue;
        }
        const char *numberEnd = byte;
        while (numberEnd < end && isDigit(*numberEnd))
            ++numberEnd;
        while (byte + 1 < numberEnd && *byte == '0')
            ++byte;
        const int length = std::min(int(numberEnd - byte), longestNumber);
        key += numberMark;
        key += char(length);
        key.append(byte, length);
        byte = numberEnd;
    }
}
} // namespace

namespace DnsOrder {

QByteArray nameKey(const QString &name)
{
    const QByteArray bytes = name.toUtf8();
    const char *begin = bytes.constData();
    const char *end = begin + bytes.size();
    if (end > begin && end[-1] == '.')
        --end;
    QByteArray key;
    key.reserve(bytes.size() + 8);
    while (end > begin) {
        const char *labelStart = end;
        while (labelStart > begin && labelStart[-1] != '.')
            --labelStart;
        appendText(key, labelStart, end);
        key += labelSeparator;
        end = labelStart > begin ? labelStart - 1 : begin;
    }
    return key;
}

QByteArray textKey(const QString &text)
{
    const QByteArray bytes = text.toUtf8();
    QByteArray key;
    key.reserve(bytes.size() + 8);
    appendText(key, bytes.constData(), bytes.constData() + bytes.size());
    return key;
}

int compare(const QByteArray &left, const QByteArray &right)
{
    const int common = std::min(left.size(), right.size());
    const int bytes = std::memcmp(left.constData(), right.constData(), size_t(common));
    if (bytes != 0)
        return bytes;
    return left.size() - right.size();
}

} // namespace DnsOrder
