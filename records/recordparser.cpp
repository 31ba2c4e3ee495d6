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

Record *fillMX(const QString &content)
{
    const QRegularExpressionMatch match = mxContentExpression.match(content);
    if (!match.hasMatch())
        fail(QT_TR_NOOP("Can not parse mx record: %1"), content);
    auto *record = new MXRecord;
    record->setPreference(toUInt64(match.capturedRef(preferenceGroup),
                                   QT_TR_NOOP("Can not parse preference in mx record content: %1"),
                                   content));
    record->setExchange(match.captured(exchangeGroup));
    return record;
}

Record *fillSOA(const QString &content)
{
    const QRegularExpressionMatch match = soaContentExpression.match(content);
    if (!match.hasMatch())
        fail(QT_TR_NOOP("Can not parse soa record: %1"), content);
    auto *record = new SOARecord;
    record->setMname(match.captured(mnameGroup));
    record->setRname(match.captured(rnameGroup));
    record->setSerial(toUInt64(match.capturedRef(serialGroup),
                               QT_TR_NOOP("Can not parse serial in soa record content: %1"),
                               content));
    record->setRefresh(toUInt64(match.capturedRef(refreshGroup),
                                QT_TR_NOOP("Can not parse refresh in soa record content: %1"),
                                content));
    record->setRetry(toUInt64(match.capturedRef(retryGroup),
                              QT_TR_NOOP("Can not parse retry in soa record content: %1"),
                              content));
    record->setExpire(toUInt64(match.capturedRef(expireGroup),
                               QT_TR_NOOP("Can not parse expire in soa record content: %1"),
                               content));
    record->setMinimum(toUInt64(match.capturedRef(minimumGroup),
                                QT_TR_NOOP("Can not parse minimum in soa record content: %1"),
                                content));
    return record;
}

Record *fillSRV(const QString &owner, const QString &content, QString &domain)
{
    const QRegularExpressionMatch ownerMatch = srvOwnerExpression.match(owner);
    if (!ownerMatch.hasMatch())
        fail(QT_TR_NOOP("Can not parse service, proto and name in srv record name: %1"), owner);
    const QRegularExpressionMatch match = srvContentExpression.match(content);
    if (!match.hasMatch())
        fail(QT_TR_NOOP("Can not parse srv record content: %1"), content);
    auto *record = new SRVRecord;
    record->setService(ownerMatch.captured(serviceGroup));
    record->setProto(ownerMatch.captured(protoGroup));
    domain = ownerMatch.captured(nameGroup);
    record->setPriority(toUInt16(match.capturedRef(priorityGroup),
                                 QT_TR_NOOP("Can not parse priority in srv record content: %1"),
                                 content));
    record->setWeight(toUInt16(match.capturedRef(weightGroup),
                               QT_TR_NOOP("Can not parse weight in srv record content: %1"),
                               content));
    record->setPort(toUInt16(match.capturedRef(portGroup),
                             QT_TR_NOOP("Can not parse port in srv record content: %1"), content));
    record->setTarget(match.captured(targetGroup));
    return record;
}

template <class T> Record *withValue(void (T::*setter)(const QString &), const QString &content)
{
    auto *record = new T;
    (record->*setter)(content);
    return record;
}

Record *makeRecord(const QStringRef &type, const QString &content, QString &owner)
{
    if (type == QLatin1String("AAAA"))
        return withValue(&AAAARecord::setAddress, content);
    if (type == QLatin1String("A"))
        return withValue(&ARecord::setAddress, content);
    if (type == QLatin1String("CNAME"))
        return withValue(&CNAMERecord::setCname, content);
    if (type == QLatin1String("MX"))
        return fillMX(content);
    if (type == QLatin1String("NS"))
        return withValue(&NSRecord::setNsdName, content);
    if (type == QLatin1String("PTR"))
        return withValue(&PTRRecord::setPtrdName, content);
    if (type == QLatin1String("SOA"))
        return fillSOA(content);
    if (type == QLatin1String("SRV"))
        return fillSRV(owner, content, owner);
    if (type == QLatin1String("TXT"))
        return withValue(&TXTRecord::setText, content);
    return withValue(&CustomRecord::setData, content);
}

} // namespace

PRecord parseRecordLine(const QStringRef &line)
{
    const QRegularExpressionMatch match = recordLineExpression.match(line);
    if (!match.hasMatch())
        fail(QT_TR_NOOP("Can not parse record: %1"), line.toString());

    bool ok = false;
    const quint64 ttl = match.capturedRef(ttlGroup).toULongLong(&ok, 10);
    if (!ok)
        fail(QT_TR_NOOP("Can not parse ttl in record: %1"), line.toString());

    QString owner = match.captured(nameGroup);
    const QStringRef type = match.capturedRef(typeGroup);
    PRecord record(makeRecord(type, match.captured(contentGroup), owner));
    record->setName(owner);
    record->setTtl(ttl);
    record->setRecordClass(match.captured(classGroup));
    record->setType(type.toString());
    return record;
}

PRecord parseRecordLine(const QString &line)
{
    return parseRecordLine(QStringRef(&line));
}
