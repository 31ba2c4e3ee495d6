#include "recordsources.h"

#include "domainname.h"
#include "recordmatcher.h"
#include "records/record.h"
#include "zonetext.h"

#include <QFile>
#include <QHash>

#include <memory>
#include <vector>

namespace {

const QByteArray includeWord("$INCLUDE");
const QByteArray generateWord("$GENERATE");
// Includes within includes are followed this deep; named refuses loops long before.
const int maximumDepth = 8;
// More records than a range may make here are not marked, rather than held in memory.
const qint64 maximumGenerated = 65536;

bool mentionsForeignRecords(const QByteArray &text)
{
    const QByteArray upper = text.toUpper();
    return upper.contains(includeWord) || upper.contains(generateWord);
}

QByteArray readFile(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// The entries of one text that are not the zone file's own, with where they come from.
struct ForeignText
{
    std::unique_ptr<ZoneText> text;
    QString source;
};

// Writes the iteration's value into a $GENERATE name or data as named does: $ alone, or
// ${offset,width,base} with base d, o, x, X or n and N for nibbles read backwards.
QByteArray generated(const QByteArray &pattern, qint64 iteration)
{
    QByteArray result;
    for (int index = 0; index < pattern.size(); ++index) {
        const char c = pattern.at(index);
        if (c == '\\' && index + 1 < pattern.size()) {
            result.append(c).append(pattern.at(++index));
            continue;
        }
        if (c != '$') {
            result.append(c);
            continue;
        }
        if (index + 1 < pattern.size() && pattern.at(index + 1) == '$') {
            result.append(pattern.at(++index));
            continue;
        }
        qint64 offset = 0;
        int width = 0;
        char base = 'd';
        if (index + 1 < pattern.size() && pattern.at(index + 1) == '{') {
            const int close = pattern.indexOf('}', index);
            const QList<QByteArray> parts = pattern.mid(index + 2, close - index - 2).split(',');
            offset = parts.value(0).toLongLong();
            width = parts.value(1).toInt();
            const QByteArray written = parts.value(2);
            base = written.isEmpty() ? 'd' : written.at(0);
            index = close < 0 ? pattern.size() : close;
        }
        const qint64 value = iteration + offset;
        if (base == 'n' || base == 'N') {
            // named works the value out in 32 bits.
            quint32 rest = quint32(value);
            QByteArray nibbles;
            do {
                const char digit = QByteArray::number(int(rest & 0xf), 16).at(0);
                nibbles.append(base == 'N' ? QChar::toUpper(uint(digit)) : digit);
                rest >>= 4;
                if (width > 0)
                    --width;
                if (width > 0 || rest != 0) {
                    nibbles.append('.');
                    if (width > 0)
                        --width;
                }
            } while (rest != 0 || width > 0);
            result.append(nibbles);
            continue;
        }
        const int radix = base == 'o' ? 8 : (base == 'x' || base == 'X') ? 16 : 10;
        QByteArray number = QByteArray::number(value, radix);
        if (base == 'X')
            number = number.toUpper();
        result.append(number.rightJustified(width, '0'));
    }
    return result;
}

// The records of a $GENERATE line, one text line each, or nothing when it cannot be read here.
QByteArray generatedText(const ZoneText &text, const ZoneText::Entry &entry)
{
    if (entry.tokenCount < 5)
        return QByteArray();
    const QByteArray range = text.tokenText(entry, 1);
    const QList<QByteArray> bounds = range.split('/').value(0).split('-');
    const qint64 first = bounds.value(0).toLongLong();
    const qint64 last = bounds.value(1).toLongLong();
    const qint64 step = std::max<qint64>(1, range.split('/').value(1, "1").toLongLong());
    if (last < first || (last - first) / step >= maximumGenerated)
        return QByteArray();
    QByteArray fields;
    for (int index = 3; index < entry.tokenCount - 1; ++index)
        fields += ' ' + text.tokenText(entry, index);
    const QByteArray owner = text.tokenText(entry, 2);
    const QByteArray data = ZoneText::unescape(text.tokenText(entry, entry.tokenCount - 1));
    QByteArray lines;
    for (qint64 iteration = first; iteration <= last; iteration += step)
        lines += generated(owner, iteration) + fields + ' ' + generated(data, iteration) + '\n';
    return lines;
}

QString generateSource(const ZoneText &text, const ZoneText::Entry &entry)
{
    QStringList words;
    for (int index = 0; index < entry.tokenCount; ++index)
        words << QString::fromUtf8(text.tokenText(entry, index));
    return words.join(QLatin1Char(' '));
}

void collectForeign(const ZoneText &text, const QString &directory, int depth,
                    const QString &includedFrom, std::vector<ForeignText> &foreign)
{
    for (const ZoneText::Entry &entry : text.entries()) {
        // A range and an include start from what is in effect before them, which only
        // differs from what is after them in the times they leave unknown.
        ZoneText::Context start = entry.after;
        start.owner = text.owner(entry);
        start.ownerEntry = -1;
        if (entry.kind == ZoneText::Entry::Generate) {
            const QString source =
                includedFrom.isEmpty() ? generateSource(text, entry) : includedFrom;
            foreign.push_back(
                {std::make_unique<ZoneText>(generatedText(text, entry), start), source});
        } else if (entry.kind == ZoneText::Entry::Include && depth < maximumDepth) {
            const QString path = text.includedFile(entry);
            start.origin = text.includedOrigin(entry, entry.after.origin);
            start.defaultTtl = entry.inheritedTtl;
            const QString source =
                includedFrom.isEmpty() ? QStringLiteral("$INCLUDE %1").arg(path) : includedFrom;
            auto included = std::make_unique<ZoneText>(readFile(path), start, directory);
            collectForeign(*included, directory, depth + 1, source, foreign);
            foreign.push_back({std::move(included), source});
        }
    }
}

} // namespace

void RecordSources::mark(const PZone &zone)
{
    const QByteArray bytes = readFile(zone->filePath());
    if (!mentionsForeignRecords(bytes))
        return;
    const QByteArray origin = DomainName::key(zone->name());
    const ZoneText own(bytes, ZoneText::Context(origin), zone->directory());
    std::vector<ForeignText> foreign;
    collectForeign(own, zone->directory(), 0, QString(), foreign);

    QMultiHash<QByteArray, std::pair<const ForeignText *, int>> byOwner;
    for (const ForeignText &text : foreign) {
        const std::vector<ZoneText::Entry> &entries = text.text->entries();
        for (int index = 0; index < int(entries.size()); ++index) {
            if (entries[size_t(index)].kind == ZoneText::Entry::Record)
                byOwner.insert(text.text->owner(entries[size_t(index)]), {&text, index});
        }
    }
    const RecordMatcher ownMatcher(own, zone->name());
    for (const PRecord &record : zone->records()) {
        const QByteArray owner = RecordMatcher::recordKey(*record, origin);
        for (auto found = byOwner.constFind(owner); found != byOwner.cend() && found.key() == owner;
             ++found) {
            const ForeignText &text = *found.value().first;
            const ZoneText::Entry &entry = text.text->entries()[size_t(found.value().second)];
            const RecordMatcher matcher(*text.text, zone->name());
            if (matcher.writes(entry, owner, *record) &&
                matcher.compare(entry, *record) == RecordMatcher::Same &&
                !ownMatcher.writesSame(*record)) {
                record->setSource(text.source);
                break;
            }
        }
    }
}
