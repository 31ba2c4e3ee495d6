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

#include <memory>

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

[[noreturn]] void fail(const char *message, const QString &value)
{
    throw ErrorStackException(QObject::tr(message).arg(value));
}

quint64 toUInt64(const QStringRef &text, const char *message, const QString &value)
{
    bool ok = false;
    const quint64 number = text.toULongLong(&ok, 10);
    if (!ok)
        fail(message, value);
    return number;
}

quint16 toUInt16(const QStringRef &text, const char *message, const QString &value)
{
    bool ok = false;
    const quint16 number = text.toUShort(&ok, 10);
    if (!ok)
        fail(message, value);
    return number;
}

// The records are held by unique_ptr until they are complete: a number that does not convert
// throws half-way through.
using RecordPointer = std::unique_ptr<Record>;

RecordPointer makeMX(const QString &owner, const QString &content)
{
    const QRegularExpressionMatch match = mxContentExpression.match(content);
    if (!match.hasMatch())
        fail(QT_TRANSLATE_NOOP("QObject", "Can not parse mx record: %1"), content);
    auto record = std::make_unique<MXRecord>();
    record->setName(owner);
    record->setPreference(
        toUInt64(match.capturedRef(preferenceGroup),
                 QT_TRANSLATE_NOOP("QObject", "Can not parse preference in mx record content: %1"),
                 content));
    record->setExchange(match.captured(exchangeGroup));
    return record;
}

RecordPointer makeSOA(const QString &owner, const QString &content)
{
    const QRegularExpressionMatch match = soaContentExpression.match(content);
    if (!match.hasMatch())
        fail(QT_TRANSLATE_NOOP("QObject", "Can not parse soa record: %1"), content);
    auto record = std::make_unique<SOARecord>();
    record->setName(owner);
    record->setMname(match.captured(mnameGroup));
    record->setRname(match.captured(rnameGroup));
    record->setSerial(toUInt64(
        match.capturedRef(serialGroup),
        QT_TRANSLATE_NOOP("QObject", "Can not parse serial in soa record content: %1"), content));
    record->setRefresh(toUInt64(
        match.capturedRef(refreshGroup),
        QT_TRANSLATE_NOOP("QObject", "Can not parse refresh in soa record content: %1"), content));
    record->setRetry(toUInt64(
        match.capturedRef(retryGroup),
        QT_TRANSLATE_NOOP("QObject", "Can not parse retry in soa record content: %1"), content));
    record->setExpire(toUInt64(
        match.capturedRef(expireGroup),
        QT_TRANSLATE_NOOP("QObject", "Can not parse expire in soa record content: %1"), content));
    record->setMinimum(toUInt64(
        match.capturedRef(minimumGroup),
        QT_TRANSLATE_NOOP("QObject", "Can not parse minimum in soa record content: %1"), content));
    return record;
}

// The owner of a service record carries the service and protocol labels; name() keeps only the
// domain after them.
RecordPointer makeSRV(const QString &owner, const QString &content)
{
    const QRegularExpressionMatch ownerMatch = srvOwnerExpression.match(owner);
    if (!ownerMatch.hasMatch())
        fail(QT_TRANSLATE_NOOP("QObject",
                               "Can not parse service, proto and name in srv record name: %1"),
             owner);
    const QRegularExpressionMatch match = srvContentExpression.match(content);
    if (!match.hasMatch())
        fail(QT_TRANSLATE_NOOP("QObject", "Can not parse srv record content: %1"), content);
    auto record = std::make_unique<SRVRecord>();
    record->setName(ownerMatch.captured(nameGroup));
    record->setService(ownerMatch.captured(serviceGroup));
    record->setProto(ownerMatch.captured(protoGroup));
    record->setPriority(toUInt16(
        match.capturedRef(priorityGroup),
        QT_TRANSLATE_NOOP("QObject", "Can not parse priority in srv record content: %1"), content));
    record->setWeight(toUInt16(
        match.capturedRef(weightGroup),
        QT_TRANSLATE_NOOP("QObject", "Can not parse weight in srv record content: %1"), content));
    record->setPort(toUInt16(
        match.capturedRef(portGroup),
        QT_TRANSLATE_NOOP("QObject", "Can not parse port in srv record content: %1"), content));
    record->setTarget(match.captured(targetGroup));
    return record;
}

template <class T>
RecordPointer withValue(void (T::*setter)(const QString &), const QString &owner,
                        const QString &content)
{
    auto record = std::make_unique<T>();
    record->setName(owner);
    (record.get()->*setter)(content);
    return record;
}

RecordPointer makeRecord(const QStringRef &type, const QString &owner, const QString &content)
{
    if (type == QLatin1String("AAAA"))
        return withValue(&AAAARecord::setAddress, owner, content);
    if (type == QLatin1String("A"))
        return withValue(&ARecord::setAddress, owner, content);
    if (type == QLatin1String("CNAME"))
        return withValue(&CNAMERecord::setCname, owner, content);
    if (type == QLatin1String("MX"))
        return makeMX(owner, content);
    if (type == QLatin1String("NS"))
        return withValue(&NSRecord::setNsdName, owner, content);
    if (type == QLatin1String("PTR"))
        return withValue(&PTRRecord::setPtrdName, owner, content);
    if (type == QLatin1String("SOA"))
        return makeSOA(owner, content);
    if (type == QLatin1String("SRV"))
        return makeSRV(owner, content);
    if (type == QLatin1String("TXT"))
        return withValue(&TXTRecord::setText, owner, content);
    return withValue(&CustomRecord::setData, owner, content);
}

} // namespace

PRecord parseRecordLine(const QStringRef &line)
{
    const QRegularExpressionMatch match = recordLineExpression.match(line);
    if (!match.hasMatch())
        fail(QT_TRANSLATE_NOOP("QObject", "Can not parse record: %1"), line.toString());

    bool ok = false;
    const quint64 ttl = match.capturedRef(ttlGroup).toULongLong(&ok, 10);
    if (!ok)
        fail(QT_TRANSLATE_NOOP("QObject", "Can not parse ttl in record: %1"), line.toString());

    const QStringRef type = match.capturedRef(typeGroup);
    PRecord record(
        makeRecord(type, match.captured(nameGroup), match.captured(contentGroup)).release());
    record->setTtl(ttl);
    record->setRecordClass(match.captured(classGroup));
    record->setType(type.toString());
    return record;
}

PRecord parseRecordLine(const QString &line)
{
    return parseRecordLine(QStringRef(&line));
}
