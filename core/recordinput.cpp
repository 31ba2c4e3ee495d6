#include "recordinput.h"

#include "common/errorstackexception.h"
#include "control/compilezone.h"
#include "records/nsrecord.h"
#include "records/recordparser.h"
#include "records/soarecord.h"
#include "records/txtrecord.h"

#include <QDir>
#include <QFile>
#include <QHash>
#include <QObject>
#include <QRegularExpression>
#include <QTemporaryFile>

namespace {
const QLatin1Char labelSeparator('.');
const QLatin1Char wordSeparator(' ');
const QLatin1Char quote('"');
const QLatin1Char commentStart(';');
const QLatin1Char lineEnd('\n');
const QLatin1Char mailSeparator('@');
const QString textType = QStringLiteral("TXT");
const QString soaType = QStringLiteral("SOA");
const QString scratchTemplate = QStringLiteral("/tamzor-record-XXXXXX");
// A zone loads only with an SOA and an NS at its apex. This name server lies in a domain that
// never resolves, so no record a user means can coincide with it.
const QString scratchNameServer = QStringLiteral("scratch.tamzor.invalid.");
const QString scratchSoa = QStringLiteral("@ 0 %1 SOA . . 0 0 0 0 0\n");
const QString scratchNs = QStringLiteral("@ 0 %1 NS %2\n");
const QString originLine = QStringLiteral("$ORIGIN %1\n");
constexpr quint64 fallbackZoneTtl = 3600;
// The first $TTL of a zone file and its value, in seconds or with units (1h30m).
const QRegularExpression ttlDirective(QStringLiteral("^\\$TTL[ \\t]+([0-9]+[0-9wdhmsWDHMS]*)"),
                                      QRegularExpression::MultilineOption);
const QRegularExpression ttlPart(QStringLiteral("([0-9]+)([wdhmsWDHMS]?)"));

QString originOf(const QString &zoneName)
{
    return zoneName.endsWith(labelSeparator) ? zoneName : zoneName + labelSeparator;
}

bool isTtlWord(const QString &word)
{
    return !word.isEmpty() && word.at(0).isDigit();
}

bool holdsControlCharacter(const QString &text)
{
    for (const QChar c : text) {
        if (c.unicode() < 0x20 || c.unicode() == 0x7f)
            return true;
    }
    return false;
}

// BIND's TTL words: seconds, or numbers with the units w, d, h, m and s.
std::optional<quint64> ttlSeconds(const QString &word)
{
    static const QHash<QChar, quint64> unitSeconds = {{QLatin1Char('w'), 604800},
                                                      {QLatin1Char('d'), 86400},
                                                      {QLatin1Char('h'), 3600},
                                                      {QLatin1Char('m'), 60},
                                                      {QLatin1Char('s'), 1}};
    quint64 seconds = 0;
    auto parts = ttlPart.globalMatch(word);
    while (parts.hasNext()) {
        const QRegularExpressionMatch part = parts.next();
        const QString unit = part.captured(2).toLower();
        seconds +=
            part.captured(1).toULongLong() * (unit.isEmpty() ? 1 : unitSeconds.value(unit.at(0)));
    }
    return seconds <= Record::maximumTtl ? std::optional<quint64>(seconds) : std::nullopt;
}

std::optional<quint64> fileTtl(const Zone &zone)
{
    QFile file(zone.filePath());
    if (!file.open(QIODevice::ReadOnly))
        return std::nullopt;
    const QRegularExpressionMatch match = ttlDirective.match(QString::fromUtf8(file.readAll()));
    return match.hasMatch() ? ttlSeconds(match.captured(1)) : std::nullopt;
}

std::optional<quint64> mostCommonTtl(const Zone &zone)
{
    QHash<quint64, int> counts;
    std::optional<quint64> most;
    const QVector<PRecord> records = zone.records();
    for (const PRecord &record : records) {
        const int count = ++counts[record->ttl()];
        if (!most || count > counts.value(*most))
            most = record->ttl();
    }
    return most;
}

bool isSameRecord(const Record &record, const Record &other, bool withTtl)
{
    return record.fullName().compare(other.fullName(), Qt::CaseInsensitive) == 0 &&
           record.recordClass().compare(other.recordClass(), Qt::CaseInsensitive) == 0 &&
           record.type().compare(other.type(), Qt::CaseInsensitive) == 0 &&
           record.content() == other.content() && (!withTtl || record.ttl() == other.ttl());
}

bool isScratchRecord(const Record &record, bool withScratchSoa)
{
    if (record.type() == soaType)
        return withScratchSoa;
    const auto *ns = dynamic_cast<const NSRecord *>(&record);
    return ns && ns->nsdName().compare(scratchNameServer, Qt::CaseInsensitive) == 0;
}
} // namespace

RecordInput::RecordInput(const PZone &zone, const QStringList &words) : m_zone(zone)
{
    if (!isComplete(words))
        throw ErrorStackException(QObject::tr("A record is given as NAME [TTL] TYPE DATA..."));
    int index = 0;
    m_name = absoluteName(words.at(index++), zone->name());
    if (isTtlWord(words.at(index)))
        m_ttl = words.at(index++);
    m_type = words.at(index++);
    m_data = words.mid(index);
    const ValidationResult inside = validateInside(m_name, zone->name());
    if (!inside.valid)
        throw ErrorStackException(inside.message);
}

bool RecordInput::isComplete(const QStringList &words)
{
    const int ttlWords = words.size() > 1 && isTtlWord(words.at(1)) ? 1 : 0;
    return words.size() >= 3 + ttlWords;
}

PRecord RecordInput::record(std::optional<quint64> fallbackTtl) const
{
    return compile(zoneLine(fallbackTtl.value_or(defaultTtl(*m_zone))));
}

PRecord RecordInput::match() const
{
    if (const PRecord found = find(*m_zone, *record(), hasTtl()))
        return found;
    throw ErrorStackException(
        QObject::tr("Zone %1 has no record %2").arg(m_zone->name(), description()));
}

PRecord RecordInput::find(const Zone &zone, const Record &record, bool withTtl)
{
    const QVector<PRecord> records = zone.records();
    for (const PRecord &candidate : records) {
        if (isSameRecord(*candidate, record, withTtl))
            return candidate;
    }
    return PRecord();
}

quint64 RecordInput::defaultTtl(const Zone &zone)
{
    if (const std::optional<quint64> ttl = fileTtl(zone))
        return *ttl;
    return mostCommonTtl(zone).value_or(fallbackZoneTtl);
}

QString RecordInput::zoneLine(quint64 ttl) const
{
    const QString ttlText = hasTtl() ? m_ttl : QString::number(ttl);
    return QStringList{m_name, ttlText, m_zone->zoneClass(), m_type, dataText()}.join(
        wordSeparator);
}

// A TXT DATA is one text, and an SOA's mailbox may be given as an e-mail address, as the forms
// take them.
QString RecordInput::dataText() const
{
    const QString data = m_data.join(wordSeparator);
    if (m_type.compare(textType, Qt::CaseInsensitive) == 0 && !data.startsWith(quote))
        return TXTRecord::quoted(data);
    const int mailboxIndex = 1;
    if (m_type.compare(soaType, Qt::CaseInsensitive) != 0 || m_data.size() <= mailboxIndex ||
        !m_data.at(mailboxIndex).contains(mailSeparator))
        return data;
    QStringList words = m_data;
    const QString mailbox = SOARecord::mailboxOf(words.at(mailboxIndex));
    words[mailboxIndex] = mailbox.isEmpty() ? words.at(mailboxIndex) : mailbox;
    return words.join(wordSeparator);
}

QString RecordInput::description() const
{
    QStringList words{m_name};
    if (hasTtl())
        words.append(m_ttl);
    return (words << m_type << m_data).join(wordSeparator);
}

// The line is read in a zone of its own that holds nothing else but what a zone needs to load,
// with the line first: BIND gives a whole record set the TTL of its first record.
PRecord RecordInput::compile(const QString &line) const
{
    // A line break would let the words make a second record, or a directive.
    if (holdsControlCharacter(line))
        throw ErrorStackException(
            QObject::tr("The record %1 holds a line break or another control character")
                .arg(description()));
    const bool withScratchSoa = m_type.compare(soaType, Qt::CaseInsensitive) != 0;
    QString text = originLine.arg(originOf(m_zone->name())) + line + lineEnd;
    if (withScratchSoa)
        text += scratchSoa.arg(m_zone->zoneClass());
    text += scratchNs.arg(m_zone->zoneClass(), scratchNameServer);

    QTemporaryFile file(QDir::tempPath() + scratchTemplate);
    if (!file.open() || file.write(text.toUtf8()) < 0 || !file.flush())
        throw ErrorStackException(
            QObject::tr("Can't write a scratch file: %1").arg(file.errorString()));
    const CompileResult result = CompileZone().compile(m_zone->name(), file.fileName());
    if (!result.ok) {
        const QRegularExpression scratchPath(QRegularExpression::escape(file.fileName()) +
                                             QStringLiteral("(:[0-9]+)?"));
        refuse(QString(result.text).replace(scratchPath, m_zone->name()).trimmed());
    }

    QVector<PRecord> records;
    const QStringList lines = result.text.split(lineEnd, Qt::SkipEmptyParts);
    for (const QString &printed : lines) {
        if (printed.startsWith(commentStart))
            continue;
        const PRecord record = parseRecordLine(printed);
        if (!isScratchRecord(*record, withScratchSoa))
            records.append(record);
    }
    if (records.size() != 1)
        refuse(QObject::tr("BIND reads %n records from it", nullptr, records.size()));
    return records.first();
}

void RecordInput::refuse(const QString &report) const
{
    ErrorStackException error(report);
    error.push(
        QObject::tr("BIND refuses the record %1 in zone %2").arg(description(), m_zone->name()));
    throw error;
}
