#pragma once

#include "records/record.h"
#include "zonetext.h"

#include <QMultiHash>

// Finds the entry of a zone file's text that writes a record. Owner, class and type must agree;
// the data is compared field by field where the type's fields are known here (names made absolute
// against the origin in effect, numbers, times with units, addresses, character strings), and
// word by word otherwise, where words that differ only say that the entry may still be another
// spelling of the record.
class RecordMatcher
{
public:
    enum Verdict { Different, Unknown, Same };

    RecordMatcher(const ZoneText &text, const QString &zoneName);

    Verdict compare(const ZoneText::Entry &entry, const Record &record) const;
    // One field of the data: `written` as the entry has it, `value` as the record prints it.
    Verdict compareField(const QByteArray &type, int field, const QByteArray &written,
                         const QByteArray &writtenOrigin, const QByteArray &value) const;
    // The entries that may write the record: the one that surely does, or else those that
    // may. More than one, or none, leaves the text's entry for the record uncertain.
    std::vector<int> candidates(const Record &record) const;
    // The one entry that writes the record; throws ErrorStackException naming the file when
    // there is none or it is uncertain.
    int find(const Record &record, const QString &fileName) const;

    // Whether the entry is a record of that owner (a key), class and type.
    bool writes(const ZoneText::Entry &entry, const QByteArray &owner, const Record &record) const;
    // Whether some entry surely writes the record.
    bool writesSame(const Record &record) const;

    static QByteArray recordKey(const Record &record, const QByteArray &zoneOrigin);

private:
    Verdict compareWords(const ZoneText::Entry &entry, const std::vector<QByteArray> &values) const;

    const ZoneText &m_text;
    QByteArray m_zoneOrigin;
    // The entries of each owner, made when first asked for.
    mutable QMultiHash<QByteArray, int> m_byOwner;
};
