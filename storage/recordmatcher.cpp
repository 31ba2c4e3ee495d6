#include "recordmatcher.h"

#include "common/errorstackexception.h"
#include "domainname.h"

#include <QHostAddress>
#include <QObject>

namespace {

enum class Field { Name, Number, Time, Address, String, Word };

// The kind of each field of the data of the types whose fields are known here; Word for the
// rest, compared word by word.
Field fieldKind(const QByteArray &type, int field)
{
    if (type == "A" || type == "AAAA")
        return Field::Address;
    if (type == "NS" || type == "CNAME" || type == "PTR" || type == "DNAME")
        return Field::Name;
    if (type == "MX")
        return field == 0 ? Field::Number : Field::Name;
    if (type == "SRV")
        return field < 3 ? Field::Number : Field::Name;
    if (type == "SOA")
        return field < 2 ? Field::Name : (field == 2 ? Field::Number : Field::Time);
    if (type == "TXT" || type == "SPF")
        return Field::String;
    return Field::Word;
}

RecordMatcher::Verdict sameIf(bool same)
{
    return same ? RecordMatcher::Same : RecordMatcher::Different;
}

RecordMatcher::Verdict compareNumbers(const QByteArray &written, const QByteArray &value,
                                      bool withUnits)
{
    quint32 first = 0;
    quint32 second = 0;
    bool ok = false;
    if (withUnits) {
        ok = ZoneText::parseTtl(written, &first) && ZoneText::parseTtl(value, &second);
    } else {
        bool secondOk = false;
        first = written.toUInt(&ok);
        second = value.toUInt(&secondOk);
        ok = ok && secondOk;
    }
    return ok ? sameIf(first == second) : RecordMatcher::Unknown;
}

RecordMatcher::Verdict compareAddresses(const QByteArray &written, const QByteArray &value)
{
    const QHostAddress first(QString::fromLatin1(written));
    const QHostAddress second(QString::fromLatin1(value));
    if (first.isNull() || second.isNull())
        return written == value ? RecordMatcher::Same : RecordMatcher::Unknown;
    return sameIf(first == second);
}

std::vector<QByteArray> tokensOf(const QByteArray &text)
{
    std::vector<QByteArray> words;
    for (const ZoneText::Token &token : ZoneText::split(text))
        words.push_back(text.mid(token.begin, token.end - token.begin));
    return words;
}

} // namespace

RecordMatcher::RecordMatcher(const ZoneText &text, const QString &zoneName)
    : m_text(text), m_zoneOrigin(DomainName::key(zoneName))
{
}

QByteArray RecordMatcher::recordKey(const Record &record, const QByteArray &zoneOrigin)
{
    return DomainName::key(record.fullName(), zoneOrigin);
}

RecordMatcher::Verdict RecordMatcher::compareField(const QByteArray &type, int field,
                                                   const QByteArray &written,
                                                   const QByteArray &writtenOrigin,
                                                   const QByteArray &value) const
{
    if (written == value && fieldKind(type, field) != Field::Name)
        return Same;
    switch (fieldKind(type, field)) {
    case Field::Name:
        return sameIf(DomainName::key(written.constData(), written.size(), writtenOrigin) ==
                      DomainName::key(value.constData(), value.size(), m_zoneOrigin));
    case Field::Number:
        return compareNumbers(written, value, false);
    case Field::Time:
        return compareNumbers(written, value, true);
    case Field::Address:
        return compareAddresses(written, value);
    case Field::String:
        return sameIf(ZoneText::unescape(written) == ZoneText::unescape(value));
    case Field::Word:
        break;
    }
    return Unknown;
}

RecordMatcher::Verdict RecordMatcher::compare(const ZoneText::Entry &entry,
                                              const Record &record) const
{
    const QByteArray type = record.type().toUpper().toLatin1();
    const std::vector<QByteArray> values = tokensOf(record.content().toUtf8());
    const int fields = m_text.rdataCount(entry);
    if (fieldKind(type, 0) == Field::Word)
        return compareWords(entry, values);
    if (fields != int(values.size()))
        return Different;
    Verdict verdict = Same;
    for (int field = 0; field < fields; ++field) {
        const Verdict one = compareField(type, field, m_text.rdata(entry, field),
                                         entry.after.origin, values[size_t(field)]);
        if (one == Different)
            return Different;
        if (one == Unknown)
            verdict = Unknown;
    }
    return verdict;
}

// Base64 and hexadecimal fields may be split anywhere, so words that run together alike are the
// same; anything else may be another spelling of the same data.
RecordMatcher::Verdict RecordMatcher::compareWords(const ZoneText::Entry &entry,
                                                   const std::vector<QByteArray> &values) const
{
    QByteArray written;
    for (int field = 0; field < m_text.rdataCount(entry); ++field)
        written += m_text.rdata(entry, field);
    QByteArray value;
    for (const QByteArray &word : values)
        value += word;
    return written == value ? Same : Unknown;
}

bool RecordMatcher::writes(const ZoneText::Entry &entry, const QByteArray &owner,
                           const Record &record) const
{
    if (entry.kind != ZoneText::Entry::Record || !m_text.ownerIs(entry, owner))
        return false;
    if (entry.classToken >= 0 && qstricmp(m_text.tokenText(entry, entry.classToken).constData(),
                                          record.recordClass().toLatin1().constData()) != 0)
        return false;
    return m_text.type(entry) == record.type().toUpper().toLatin1();
}

std::vector<int> RecordMatcher::candidates(const Record &record) const
{
    const QByteArray owner = recordKey(record, m_zoneOrigin);
    std::vector<int> same;
    std::vector<int> possible;
    const std::vector<ZoneText::Entry> &entries = m_text.entries();
    for (int index = 0; index < int(entries.size()); ++index) {
        const ZoneText::Entry &entry = entries[size_t(index)];
        if (!writes(entry, owner, record))
            continue;
        const Verdict verdict = compare(entry, record);
        if (verdict == Same)
            same.push_back(index);
        else if (verdict == Unknown)
            possible.push_back(index);
    }
    return same.empty() ? possible : same;
}

bool RecordMatcher::writesSame(const Record &record) const
{
    const std::vector<ZoneText::Entry> &entries = m_text.entries();
    if (m_byOwner.isEmpty()) {
        for (int index = 0; index < int(entries.size()); ++index)
            m_byOwner.insert(m_text.owner(entries[size_t(index)]), index);
    }
    const QByteArray owner = recordKey(record, m_zoneOrigin);
    for (auto found = m_byOwner.constFind(owner); found != m_byOwner.cend() && found.key() == owner;
         ++found) {
        const ZoneText::Entry &entry = entries[size_t(found.value())];
        if (writes(entry, owner, record) && compare(entry, record) == Same)
            return true;
    }
    return false;
}

int RecordMatcher::find(const Record &record, const QString &fileName) const
{
    const std::vector<int> found = candidates(record);
    if (found.size() == 1)
        return found.front();
    if (found.empty())
        throw ErrorStackException(
            QObject::tr("Record %1 is not written in file %2 as far as its text can be read; "
                        "change it there.")
                .arg(record.toString(), fileName));
    throw ErrorStackException(
        QObject::tr("Record %1 may be any of %2 entries of file %3; change it there.")
            .arg(record.toString())
            .arg(found.size())
            .arg(fileName));
}
