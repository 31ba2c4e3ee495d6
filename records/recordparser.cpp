#include "recordparser.h"

#include "aaaarecord.h"
#include "arecord.h"
#include "cnamerecord.h"
#include "common/errorstackexception.h"
#include "customrecord.h"
#include "mxrecord.h"
#include "nsrecord.h"
#include "ptrrecord.h"
#include "soarecord.h"
#include "srvrecord.h"
#include "txtrecord.h"

#include <QObject>
#include <QRegularExpression>

#include <optional>

namespace {

// A type word begins with a letter and may go on with digits (NSEC3, TYPE65534): named loads
// such records, so one of them must not make the whole zone unreadable.
const QRegularExpression recordLineExpression(QStringLiteral(
    "^(?<name>.*?)[[:space:]]+(?<ttl>[[:digit:]]+)[[:space:]]+(?<class>[[:alpha:]]+)[[:space:]]+"
    "(?<type>[[:alpha:]][[:alnum:]]*)[[:space:]]+(?<content>.*)$"));
const QRegularExpression soaContentExpression(QStringLiteral(
    "^(?<mname>.*)[[:space:]]+(?<rname>.*)[[:space:]]+(?<serial>[[:digit:]]+)[[:space:]]+"
    "(?<refresh>[[:digit:]]+)[[:space:]]+(?<retry>[[:digit:]]+)[[:space:]]+"
    "(?<expire>[[:digit:]]+)[[:space:]]+(?<minimum>[[:digit:]]+)$"));
const QRegularExpression mxContentExpression(
    QStringLiteral("^((?<preference>[[:digit:]]+)[[:space:]]+)?(?<exchange>.*)$"));
const QRegularExpression
    srvOwnerExpression(QStringLiteral(R"(^(?<service>.*?)\.(?<proto>.*?)\.(?<name>.*)$)"));
const QRegularExpression srvContentExpression(
    QStringLiteral("^(?<priority>[[:digit:]]+)[[:space:]]+(?<weight>[[:digit:]]+)[[:space:]]+"
                   "(?<port>[[:digit:]]+)[[:space:]]+(?<target>.*)$"));

const QString nameGroup = QStringLiteral("name");
const QString ttlGroup = QStringLiteral("ttl");
const QString classGroup = QStringLiteral("class");
const QString typeGroup = QStringLiteral("type");
const QString contentGroup = QStringLiteral("content");
const QString mnameGroup = QStringLiteral("mname");
const QString rnameGroup = QStringLiteral("rname");
const QString serialGroup = QStringLiteral("serial");
const QString refreshGroup = QStringLiteral("refresh");
const QString retryGroup = QStringLiteral("retry");
const QString expireGroup = QStringLiteral("expire");
const QString minimumGroup = QStringLiteral("minimum");
const QString preferenceGroup = QStringLiteral("preference");
const QString exchangeGroup = QStringLiteral("exchange");
const QString serviceGroup = QStringLiteral("service");
const QString protoGroup = QStringLiteral("proto");
const QString priorityGroup = QStringLiteral("priority");
const QString weightGroup = QStringLiteral("weight");
const QString portGroup = QStringLiteral("port");
const QString targetGroup = QStringLiteral("target");

// The pieces of a line and of the contents that the expressions capture, as views into the line.
struct LineFields
{
    QStringRef name, ttl, recordClass, type, content;
};

struct MXFields
{
    QStringRef preference, exchange;
};

struct SRVOwnerFields
{
    QStringRef service, proto, name;
};

struct SRVFields
{
    QStringRef priority, weight, port, target;
};

// The group of a match as a view into the text that was matched; null when it took no part.
QStringRef captured(const QStringRef &text, const QRegularExpressionMatch &match,
                    const QString &group)
{
    const int start = match.capturedStart(group);
    return start < 0 ? QStringRef() : text.mid(start, match.capturedLength(group));
}

std::optional<LineFields> matchLine(const QStringRef &line)
{
    const QRegularExpressionMatch match = recordLineExpression.match(line);
    if (!match.hasMatch())
        return std::nullopt;
    return LineFields{captured(line, match, nameGroup), captured(line, match, ttlGroup),
                      captured(line, match, classGroup), captured(line, match, typeGroup),
                      captured(line, match, contentGroup)};
}

std::optional<MXFields> matchMX(const QStringRef &content)
{
    const QRegularExpressionMatch match = mxContentExpression.match(content);
    if (!match.hasMatch())
        return std::nullopt;
    return MXFields{captured(content, match, preferenceGroup),
                    captured(content, match, exchangeGroup)};
}

std::optional<SRVOwnerFields> matchSRVOwner(const QStringRef &owner)
{
    const QRegularExpressionMatch match = srvOwnerExpression.match(owner);
    if (!match.hasMatch())
        return std::nullopt;
    return SRVOwnerFields{captured(owner, match, serviceGroup), captured(owner, match, protoGroup),
                          captured(owner, match, nameGroup)};
}

std::optional<SRVFields> matchSRV(const QStringRef &content)
{
    const QRegularExpressionMatch match = srvContentExpression.match(content);
    if (!match.hasMatch())
        return std::nullopt;
    return SRVFields{captured(content, match, priorityGroup), captured(content, match, weightGroup),
                     captured(content, match, portGroup), captured(content, match, targetGroup)};
}

// The compiler prints plain ASCII lines, and an expression costs about as much as the rest of a
// record's reading. On such a line each class run that the expressions ask for is followed by
// another class or by the end, so a greedy run is the only way they can match, and the scans
// below take exactly those runs. Any other line, and the rare SOA line, goes to the expressions.
bool isPlain(const QStringRef &text)
{
    for (const QChar character : text) {
        if (character.unicode() >= 0x80 || character == QLatin1Char('\n'))
            return false;
    }
    return true;
}

// [[:space:]] without the line feed, which a plain line does not hold.
bool isSpace(ushort character)
{
    return character == ' ' || (character >= '\t' && character <= '\r');
}

bool isDigit(ushort character)
{
    return character >= '0' && character <= '9';
}

bool isAlpha(ushort character)
{
    return (character >= 'a' && character <= 'z') || (character >= 'A' && character <= 'Z');
}

bool isAlnum(ushort character)
{
    return isAlpha(character) || isDigit(character);
}

// Where the run of characters of one class that starts at `from` ends.
int runEnd(const QStringRef &text, int from, bool (*inClass)(ushort))
{
    while (from < text.size() && inClass(text.at(from).unicode()))
        ++from;
    return from;
}

QStringRef between(const QStringRef &text, int start, int end)
{
    return text.mid(start, end - start);
}

// The owner name is as short as it can be: the first run of spaces after which the rest fits.
std::optional<LineFields> scanLine(const QStringRef &line)
{
    for (int nameEnd = 0; nameEnd < line.size(); ++nameEnd) {
        if (!isSpace(line.at(nameEnd).unicode()))
            continue;
        const int ttlStart = runEnd(line, nameEnd, isSpace);
        const int ttlEnd = runEnd(line, ttlStart, isDigit);
        const int classStart = runEnd(line, ttlEnd, isSpace);
        const int classEnd = runEnd(line, classStart, isAlpha);
        const int typeStart = runEnd(line, classEnd, isSpace);
        const int typeEnd = typeStart < line.size() && isAlpha(line.at(typeStart).unicode())
                                ? runEnd(line, typeStart + 1, isAlnum)
                                : typeStart;
        const int contentStart = runEnd(line, typeEnd, isSpace);
        if (ttlEnd > ttlStart && classStart > ttlEnd && classEnd > classStart &&
            typeStart > classEnd && typeEnd > typeStart && contentStart > typeEnd)
            return LineFields{line.left(nameEnd), between(line, ttlStart, ttlEnd),
                              between(line, classStart, classEnd),
                              between(line, typeStart, typeEnd), line.mid(contentStart)};
    }
    return std::nullopt;
}

// The preference and its spaces are optional and the exchange takes anything, so every plain
// content matches.
MXFields scanMX(const QStringRef &content)
{
    const int preferenceEnd = runEnd(content, 0, isDigit);
    const int exchangeStart = runEnd(content, preferenceEnd, isSpace);
    if (preferenceEnd > 0 && exchangeStart > preferenceEnd)
        return {content.left(preferenceEnd), content.mid(exchangeStart)};
    return {QStringRef(), content};
}

std::optional<SRVOwnerFields> scanSRVOwner(const QStringRef &owner)
{
    const int serviceEnd = owner.indexOf(QLatin1Char('.'));
    const int protoEnd = serviceEnd < 0 ? -1 : owner.indexOf(QLatin1Char('.'), serviceEnd + 1);
    if (protoEnd < 0)
        return std::nullopt;
    return SRVOwnerFields{owner.left(serviceEnd), between(owner, serviceEnd + 1, protoEnd),
                          owner.mid(protoEnd + 1)};
}

std::optional<SRVFields> scanSRV(const QStringRef &content)
{
    const int priorityEnd = runEnd(content, 0, isDigit);
    const int weightStart = runEnd(content, priorityEnd, isSpace);
    const int weightEnd = runEnd(content, weightStart, isDigit);
    const int portStart = runEnd(content, weightEnd, isSpace);
    const int portEnd = runEnd(content, portStart, isDigit);
    const int targetStart = runEnd(content, portEnd, isSpace);
    if (priorityEnd > 0 && weightStart > priorityEnd && weightEnd > weightStart &&
        portStart > weightEnd && portEnd > portStart && targetStart > portEnd)
        return SRVFields{content.left(priorityEnd), between(content, weightStart, weightEnd),
                         between(content, portStart, portEnd), content.mid(targetStart)};
    return std::nullopt;
}

[[noreturn]] void fail(const char *message, const QStringRef &value)
{
    throw ErrorStackException(QObject::tr(message).arg(value.toString()));
}

quint64 toUInt64(const QStringRef &text, const char *message, const QStringRef &value)
{
    bool ok = false;
    const quint64 number = text.toULongLong(&ok, 10);
    if (!ok)
        fail(message, value);
    return number;
}

// A record is made with its handle in one allocation, which also releases it when a number that
// does not convert throws half-way through.
using RecordPointer = PRecord;

RecordPointer makeMX(const QStringRef &owner, const QStringRef &content, bool plain)
{
    const std::optional<MXFields> fields = plain ? scanMX(content) : matchMX(content);
    if (!fields)
        fail(QT_TRANSLATE_NOOP("QObject", "Can not parse mx record: %1"), content);
    auto record = QSharedPointer<MXRecord>::create();
    record->setName(owner.toString());
    record->setPreference(
        toUInt64(fields->preference,
                 QT_TRANSLATE_NOOP("QObject", "Can not parse preference in mx record content: %1"),
                 content));
    record->setExchange(fields->exchange.toString());
    return record;
}

RecordPointer makeSOA(const QStringRef &owner, const QStringRef &contentRef)
{
    const QString content = contentRef.toString();
    const QRegularExpressionMatch match = soaContentExpression.match(content);
    if (!match.hasMatch())
        fail(QT_TRANSLATE_NOOP("QObject", "Can not parse soa record: %1"), contentRef);
    auto record = QSharedPointer<SOARecord>::create();
    record->setName(owner.toString());
    record->setMname(match.captured(mnameGroup));
    record->setRname(match.captured(rnameGroup));
    record->setSerial(
        toUInt64(match.capturedRef(serialGroup),
                 QT_TRANSLATE_NOOP("QObject", "Can not parse serial in soa record content: %1"),
                 contentRef));
    record->setRefresh(
        toUInt64(match.capturedRef(refreshGroup),
                 QT_TRANSLATE_NOOP("QObject", "Can not parse refresh in soa record content: %1"),
                 contentRef));
    record->setRetry(toUInt64(
        match.capturedRef(retryGroup),
        QT_TRANSLATE_NOOP("QObject", "Can not parse retry in soa record content: %1"), contentRef));
    record->setExpire(
        toUInt64(match.capturedRef(expireGroup),
                 QT_TRANSLATE_NOOP("QObject", "Can not parse expire in soa record content: %1"),
                 contentRef));
    record->setMinimum(
        toUInt64(match.capturedRef(minimumGroup),
                 QT_TRANSLATE_NOOP("QObject", "Can not parse minimum in soa record content: %1"),
                 contentRef));
    return record;
}

// The owner of a service record carries the service and protocol labels; name() keeps only the
// domain after them.
RecordPointer makeSRV(const QStringRef &owner, const QStringRef &content, bool plain)
{
    const std::optional<SRVOwnerFields> labels = plain ? scanSRVOwner(owner) : matchSRVOwner(owner);
    if (!labels)
        fail(QT_TRANSLATE_NOOP("QObject",
                               "Can not parse service, proto and name in srv record name: %1"),
             owner);
    const std::optional<SRVFields> fields = plain ? scanSRV(content) : matchSRV(content);
    if (!fields)
        fail(QT_TRANSLATE_NOOP("QObject", "Can not parse srv record content: %1"), content);
    auto record = QSharedPointer<SRVRecord>::create();
    record->setName(labels->name.toString());
    record->setService(labels->service.toString());
    if (record->proto() != labels->proto)
        record->setProto(labels->proto.toString());
    record->setPriority(toUInt64(
        fields->priority,
        QT_TRANSLATE_NOOP("QObject", "Can not parse priority in srv record content: %1"), content));
    record->setWeight(toUInt64(
        fields->weight,
        QT_TRANSLATE_NOOP("QObject", "Can not parse weight in srv record content: %1"), content));
    record->setPort(toUInt64(
        fields->port, QT_TRANSLATE_NOOP("QObject", "Can not parse port in srv record content: %1"),
        content));
    record->setTarget(fields->target.toString());
    return record;
}

template <class T>
RecordPointer withValue(void (T::*setter)(const QString &), const QStringRef &owner,
                        const QStringRef &content)
{
    auto record = QSharedPointer<T>::create();
    record->setName(owner.toString());
    (record.get()->*setter)(content.toString());
    return record;
}

RecordPointer makeRecord(const LineFields &fields, bool plain)
{
    const QStringRef &type = fields.type;
    if (type == QLatin1String("AAAA"))
        return withValue(&AAAARecord::setAddress, fields.name, fields.content);
    if (type == QLatin1String("A"))
        return withValue(&ARecord::setAddress, fields.name, fields.content);
    if (type == QLatin1String("CNAME"))
        return withValue(&CNAMERecord::setCname, fields.name, fields.content);
    if (type == QLatin1String("MX"))
        return makeMX(fields.name, fields.content, plain);
    if (type == QLatin1String("NS"))
        return withValue(&NSRecord::setNsdName, fields.name, fields.content);
    if (type == QLatin1String("PTR"))
        return withValue(&PTRRecord::setPtrdName, fields.name, fields.content);
    if (type == QLatin1String("SOA"))
        return makeSOA(fields.name, fields.content);
    if (type == QLatin1String("SRV"))
        return makeSRV(fields.name, fields.content, plain);
    if (type == QLatin1String("TXT"))
        return withValue(&TXTRecord::setText, fields.name, fields.content);
    return withValue(&CustomRecord::setData, fields.name, fields.content);
}

} // namespace

PRecord parseRecordLine(const QStringRef &line)
{
    const bool plain = isPlain(line);
    const std::optional<LineFields> fields = plain ? scanLine(line) : matchLine(line);
    if (!fields)
        fail(QT_TRANSLATE_NOOP("QObject", "Can not parse record: %1"), line);

    bool ok = false;
    const quint64 ttl = fields->ttl.toULongLong(&ok, 10);
    if (!ok)
        fail(QT_TRANSLATE_NOOP("QObject", "Can not parse ttl in record: %1"), line);

    PRecord record = makeRecord(*fields, plain);
    record->setTtl(ttl);
    // The usual class and the known type words stay shared with the records' defaults instead of
    // taking a string of their own in every record.
    if (record->recordClass() != fields->recordClass)
        record->setRecordClass(fields->recordClass.toString());
    if (record->type() != fields->type)
        record->setType(fields->type.toString());
    return record;
}

PRecord parseRecordLine(const QString &line)
{
    return parseRecordLine(QStringRef(&line));
}
