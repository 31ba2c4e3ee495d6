#pragma once

#include "recordmatcher.h"
#include "records/zone.h"
#include "zonetext.h"

// A change of records made in a zone file's own text, touching only the entries of the records
// that change: a removed record's entry goes, an edited one is rewritten in place field by field,
// an added one goes after the last entry of its owner or else after the file's last entry. Names
// are written relative to the origin in effect there, times to live only where they are needed.
// Throws ErrorStackException when the entry of a record cannot be found with certainty.
class ZoneTextEdit
{
public:
    ZoneTextEdit(const QByteArray &text, const Zone &zone);

    void remove(const Record &record);
    void replace(const Record &record, const Record &replacement);
    void add(const Record &record);

    // The text changed from the previous records to the zone's records: a record in the list is
    // the same only as the same object, and one put in another's place edits that one.
    static QByteArray apply(QByteArray text, const Zone &zone,
                            const QVector<PRecord> &previousRecords);

private:
    struct Splice
    {
        int begin;
        int end;
        QByteArray bytes;
    };

    void walk(const QVector<PRecord> &records, const QVector<PRecord> &previousRecords);
    static QByteArray spliced(QByteArray text, std::vector<Splice> splices,
                              const QString &fileName);

    void splice(int begin, int end, const QByteArray &bytes);
    // Writes the owner into the next record if it leaves the owner blank, since the entry that
    // gave it is going or takes another owner.
    void keepOwnerOfNext(int entryIndex, const QByteArray &ownerText, const QByteArray &ownerOrigin,
                         const QByteArray &ownerKey);
    // Writes the time to live into the next record if it leaves it out, since without $TTL it
    // takes the last one written, which changes here.
    void keepTtlOfNext(int entryIndex, qint64 ttl);
    QByteArray ownerText(const ZoneText::Entry &entry) const;
    void replaceOwner(int entryIndex, const Record &replacement);
    void replaceTtl(int entryIndex, const Record &replacement);
    void replaceData(const ZoneText::Entry &entry, const Record &replacement);
    // A name written absolute where the text it replaces was, relative to the origin otherwise.
    static QByteArray nameText(const QByteArray &name, const QByteArray &origin, bool absolute);

    ZoneText m_text;
    RecordMatcher m_matcher;
    QByteArray m_zoneOrigin;
    QString m_fileName;
    std::vector<Splice> m_splices;
};
