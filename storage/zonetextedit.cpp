#include "zonetextedit.h"

#include "common/errorstackexception.h"
#include "domainname.h"

#include <QObject>

#include <algorithm>

namespace {

const QByteArray fieldSeparator(" ");
const QByteArray ownerSeparator("\t");

bool isAbsolute(const QByteArray &name)
{
    return name.endsWith('.') && !name.endsWith("\\.");
}

bool isWrittenName(const QByteArray &type, int field)
{
    return ((type == "NS" || type == "CNAME" || type == "PTR" || type == "DNAME") && field == 0) ||
           (type == "MX" && field == 1) || (type == "SRV" && field == 3) ||
           (type == "SOA" && field < 2);
}

std::vector<QByteArray> valuesOf(const QString &content)
{
    const QByteArray text = content.toUtf8();
    std::vector<QByteArray> values;
    for (const ZoneText::Token &token : ZoneText::split(text))
        values.push_back(text.mid(token.begin, token.end - token.begin));
    return values;
}

QByteArray upperType(const Record &record)
{
    return record.type().toUpper().toLatin1();
}

// Whether a parenthesis opens before the type: then the rest of the entry cannot be rewritten
// without the parentheses coming apart.
bool opensBefore(const QByteArray &text, int begin, int end)
{
    for (int position = begin; position < end; ++position) {
        if (text.at(position) == ';')
            position = std::max(position, int(text.indexOf('\n', position)));
        else if (text.at(position) == '(')
            return true;
    }
    return false;
}

} // namespace

ZoneTextEdit::ZoneTextEdit(const QByteArray &text, const Zone &zone)
    : m_text(text, ZoneText::Context(DomainName::key(zone.name())), zone.directory()),
      m_matcher(m_text, zone.name()), m_zoneOrigin(DomainName::key(zone.name())),
      m_fileName(zone.filePath())
{
}

void ZoneTextEdit::splice(int begin, int end, const QByteArray &bytes)
{
    m_splices.push_back({begin, end, bytes});
}

QByteArray ZoneTextEdit::nameText(const QByteArray &name, const QByteArray &origin, bool absolute)
{
    if (absolute)
        return name;
    return DomainName::relative(QString::fromUtf8(name), origin).toUtf8();
}

QByteArray ZoneTextEdit::ownerText(const ZoneText::Entry &entry) const
{
    return m_text.tokenText(entry, entry.ownerToken);
}

void ZoneTextEdit::keepOwnerOfNext(int entryIndex, const QByteArray &ownerText,
                                   const QByteArray &ownerOrigin, const QByteArray &ownerKey)
{
    const std::vector<ZoneText::Entry> &entries = m_text.entries();
    for (size_t index = size_t(entryIndex) + 1; index < entries.size(); ++index) {
        const ZoneText::Entry &next = entries[index];
        if (next.kind != ZoneText::Entry::Record)
            continue;
        if (next.ownerToken >= 0)
            return;
        const bool sameOrigin = next.after.origin == ownerOrigin && !ownerText.isEmpty();
        splice(next.begin, next.begin,
               sameOrigin ? ownerText : nameText(ownerKey, next.after.origin, false));
        return;
    }
}

void ZoneTextEdit::keepTtlOfNext(int entryIndex, qint64 ttl)
{
    const std::vector<ZoneText::Entry> &entries = m_text.entries();
    for (size_t index = size_t(entryIndex) + 1; index < entries.size(); ++index) {
        const ZoneText::Entry &next = entries[index];
        if (next.kind == ZoneText::Entry::Ttl)
            return;
        if (next.kind != ZoneText::Entry::Record)
            continue;
        if (next.ttlToken >= 0 || ttl < 0)
            return;
        const int before = m_text.token(next, next.ownerToken + 1).begin;
        splice(before, before, QByteArray::number(ttl) + fieldSeparator);
        return;
    }
}

void ZoneTextEdit::remove(const Record &record)
{
    const int index = m_matcher.find(record, m_fileName);
    const ZoneText::Entry &entry = m_text.entries()[size_t(index)];
    // The last line without a line end takes the one before it along, so that the file still
    // ends without one.
    const QByteArray &text = m_text.text();
    int begin = entry.begin;
    if (entry.end == text.size() && !text.endsWith('\n') && begin > 0)
        begin -= begin > 1 && text.at(begin - 2) == '\r' ? 2 : 1;
    splice(begin, entry.end, QByteArray());
    if (entry.ownerToken >= 0)
        keepOwnerOfNext(index, ownerText(entry), entry.after.origin, m_text.owner(entry));
    if (entry.ttlToken >= 0 && entry.after.defaultTtl < 0)
        keepTtlOfNext(index, entry.ttl);
}

void ZoneTextEdit::replaceOwner(int entryIndex, const Record &replacement)
{
    const ZoneText::Entry &entry = m_text.entries()[size_t(entryIndex)];
    const QByteArray owner = RecordMatcher::recordKey(replacement, m_zoneOrigin);
    if (m_text.ownerIs(entry, owner))
        return;
    const QByteArray name = replacement.fullName().toUtf8();
    if (entry.ownerToken >= 0) {
        const QByteArray old = ownerText(entry);
        const ZoneText::Token &token = m_text.token(entry, entry.ownerToken);
        splice(token.begin, token.end, nameText(name, entry.after.origin, isAbsolute(old)));
        keepOwnerOfNext(entryIndex, old, entry.after.origin, m_text.owner(entry));
    } else {
        splice(entry.begin, entry.begin, nameText(name, entry.after.origin, false));
        keepOwnerOfNext(entryIndex, QByteArray(), QByteArray(), m_text.owner(entry));
    }
}

void ZoneTextEdit::replaceTtl(int entryIndex, const Record &replacement)
{
    const ZoneText::Entry &entry = m_text.entries()[size_t(entryIndex)];
    if (entry.ttl >= 0 && quint64(entry.ttl) == replacement.ttl())
        return;
    const QByteArray ttl = QByteArray::number(replacement.ttl());
    if (entry.ttlToken >= 0) {
        const ZoneText::Token &token = m_text.token(entry, entry.ttlToken);
        splice(token.begin, token.end, ttl);
    } else {
        const int before = m_text.token(entry, entry.ownerToken + 1).begin;
        splice(before, before, ttl + fieldSeparator);
    }
    if (entry.after.defaultTtl < 0)
        keepTtlOfNext(entryIndex, entry.after.lastTtl);
}

void ZoneTextEdit::replaceData(const ZoneText::Entry &entry, const Record &replacement)
{
    const QByteArray type = upperType(replacement);
    const std::vector<QByteArray> values = valuesOf(replacement.content());
    const int fields = m_text.rdataCount(entry);
    if (type == m_text.type(entry) && fields == int(values.size())) {
        for (int field = 0; field < fields; ++field) {
            const QByteArray written = m_text.rdata(entry, field);
            const QByteArray &value = values[size_t(field)];
            if (m_matcher.compareField(type, field, written, entry.after.origin, value) ==
                RecordMatcher::Same)
                continue;
            const ZoneText::Token &token = m_text.token(entry, entry.typeToken + 1 + field);
            splice(token.begin, token.end,
                   isWrittenName(type, field)
                       ? nameText(value, entry.after.origin, isAbsolute(written))
                       : value);
        }
        return;
    }
    const ZoneText::Token &typeToken = m_text.token(entry, entry.typeToken);
    if (opensBefore(m_text.text(), entry.begin, typeToken.begin))
        throw ErrorStackException(
            QObject::tr("The entry of record %1 in file %2 opens its parentheses before the "
                        "type; change it there.")
                .arg(replacement.toString(), m_fileName));
    const QByteArray content = replacement.content().toUtf8();
    if (fields == 0) {
        splice(typeToken.begin, entry.contentEnd,
               replacement.type().toUtf8() + fieldSeparator + content);
        return;
    }
    if (type != m_text.type(entry))
        splice(typeToken.begin, typeToken.end, replacement.type().toUtf8());
    splice(m_text.token(entry, entry.typeToken + 1).begin, entry.contentEnd, content);
}

void ZoneTextEdit::replace(const Record &record, const Record &replacement)
{
    const int index = m_matcher.find(record, m_fileName);
    const ZoneText::Entry &entry = m_text.entries()[size_t(index)];
    replaceOwner(index, replacement);
    replaceTtl(index, replacement);
    if (entry.classToken >= 0 &&
        replacement.recordClass().compare(
            QString::fromUtf8(m_text.tokenText(entry, entry.classToken)), Qt::CaseInsensitive)) {
        const ZoneText::Token &token = m_text.token(entry, entry.classToken);
        splice(token.begin, token.end, replacement.recordClass().toUtf8());
    }
    replaceData(entry, replacement);
}

void ZoneTextEdit::add(const Record &record)
{
    const QByteArray owner = RecordMatcher::recordKey(record, m_zoneOrigin);
    const std::vector<ZoneText::Entry> &entries = m_text.entries();
    const ZoneText::Entry *after = entries.empty() ? nullptr : &entries.back();
    for (auto entry = entries.crbegin(); entry != entries.crend(); ++entry) {
        if (entry->kind == ZoneText::Entry::Record && m_text.ownerIs(*entry, owner)) {
            after = &*entry;
            break;
        }
    }
    const QByteArray origin = after ? after->after.origin : m_zoneOrigin;
    const qint64 inherited = !after                         ? -1
                             : after->after.defaultTtl >= 0 ? after->after.defaultTtl
                                                            : after->after.lastTtl;
    QByteArray gap = ownerSeparator;
    if (after && after->kind == ZoneText::Entry::Record && after->ownerToken >= 0 &&
        after->tokenCount > 1) {
        const int begin = m_text.token(*after, 0).end;
        const QByteArray written = m_text.text().mid(begin, m_text.token(*after, 1).begin - begin);
        if (!written.contains('\n'))
            gap = written;
    }

    QByteArray line = nameText(record.fullName().toUtf8(), origin, false) + gap;
    if (inherited < 0 || quint64(inherited) != record.ttl()) {
        line += QByteArray::number(record.ttl()) + fieldSeparator;
        if (after && after->after.defaultTtl < 0)
            keepTtlOfNext(int(after - entries.data()), inherited);
    }
    if ((after && after->classToken >= 0) || record.recordClass() != QLatin1String("IN"))
        line += record.recordClass().toUtf8() + fieldSeparator;
    line += record.type().toUtf8() + fieldSeparator + record.content().toUtf8();

    const QByteArray &text = m_text.text();
    const int position = after ? after->end : text.size();
    if (position == text.size() && !text.isEmpty() && !text.endsWith('\n'))
        splice(position, position, m_text.lineEnd() + line);
    else
        splice(position, position, line + m_text.lineEnd());
}

QByteArray ZoneTextEdit::spliced(QByteArray text, std::vector<Splice> splices,
                                 const QString &fileName)
{
    std::stable_sort(splices.begin(), splices.end(),
                     [](const Splice &a, const Splice &b) { return a.begin < b.begin; });
    for (size_t index = 1; index < splices.size(); ++index) {
        if (splices[index].begin < splices[index - 1].end)
            throw ErrorStackException(
                QObject::tr("The changes overlap in the text of file %1.").arg(fileName));
    }
    // From the last to the first, so that every place still counts from the text's start; of two
    // at one place, the first comes out in front.
    for (auto splice = splices.crbegin(); splice != splices.crend(); ++splice)
        text.replace(splice->begin, splice->end - splice->begin, splice->bytes);
    return text;
}

QByteArray ZoneTextEdit::apply(QByteArray text, const Zone &zone,
                               const QVector<PRecord> &previousRecords)
{
    std::vector<Splice> splices;
    {
        ZoneTextEdit edit(text, zone);
        edit.walk(zone.records(), previousRecords);
        splices = std::move(edit.m_splices);
    }
    // The read text is gone with the edit: the bytes are changed in place, not copied.
    return spliced(std::move(text), std::move(splices), zone.filePath());
}

// The lists are walked side by side: a record in only one of them at a place where the other
// goes on as before is removed or added, and two that differ at the same place are an edit.
void ZoneTextEdit::walk(const QVector<PRecord> &records, const QVector<PRecord> &previousRecords)
{
    int before = 0;
    int after = 0;
    while (before < previousRecords.size() && after < records.size()) {
        const PRecord &previous = previousRecords.at(before);
        const PRecord &current = records.at(after);
        if (previous == current) {
            ++before;
            ++after;
        } else if (before + 1 < previousRecords.size() &&
                   previousRecords.at(before + 1) == current) {
            remove(*previous);
            ++before;
        } else if (after + 1 < records.size() && records.at(after + 1) == previous) {
            add(*current);
            ++after;
        } else {
            replace(*previous, *current);
            ++before;
            ++after;
        }
    }
    for (; before < previousRecords.size(); ++before)
        remove(*previousRecords.at(before));
    for (; after < records.size(); ++after)
        add(*records.at(after));
}
