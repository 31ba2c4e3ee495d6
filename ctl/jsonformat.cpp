#include "jsonformat.h"

#include "core/serverzones.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

namespace {
const QString zonesKey = QStringLiteral("zones");
const QString recordsKey = QStringLiteral("records");
const QString recordKey = QStringLiteral("record");
const QString zoneKey = QStringLiteral("zone");
const QString nameKey = QStringLiteral("name");
const QString classKey = QStringLiteral("class");
const QString typeKey = QStringLiteral("type");
const QString viewKey = QStringLiteral("view");
const QString fileKey = QStringLiteral("file");
const QString managedKey = QStringLiteral("managed");
const QString readableKey = QStringLiteral("readable");
const QString problemKey = QStringLiteral("problem");
const QString primariesKey = QStringLiteral("primaries");
const QString ttlKey = QStringLiteral("ttl");
const QString dataKey = QStringLiteral("data");

QByteArray document(const QJsonObject &object)
{
    return QJsonDocument(object).toJson(QJsonDocument::Indented);
}
} // namespace

// The core holds only the zones it could read; the others reach the standard error.
QByteArray JsonFormat::zones(const QList<PZone> &zones) const
{
    QJsonArray list;
    for (const PZone &zone : zones)
        list.append(QJsonObject{{nameKey, zone->name()},
                                {classKey, zone->zoneClass()},
                                {typeKey, zone->type()},
                                {viewKey, zone->view()},
                                {fileKey, zone->filePath()},
                                {managedKey, ServerZones::isManaged(zone)},
                                {readableKey, true},
                                {problemKey, QString()},
                                {primariesKey, QJsonArray::fromStringList(zone->primaries())}});
    return document({{zonesKey, list}});
}

QByteArray JsonFormat::records(const Zone &zone) const
{
    QJsonArray list;
    const QVector<PRecord> records = zone.records();
    for (const PRecord &record : records)
        list.append(recordObject(*record));
    return document({{zoneKey, zone.name()},
                     {classKey, zone.zoneClass()},
                     {viewKey, zone.view()},
                     {recordsKey, list}});
}

QByteArray JsonFormat::record(const Record &record) const
{
    return document({{recordKey, recordObject(record)}});
}

// A TTL is at most 2^31 - 1 seconds, which a JSON number holds exactly.
QJsonObject JsonFormat::recordObject(const Record &record)
{
    return {{nameKey, record.fullName()},
            {ttlKey, double(record.ttl())},
            {classKey, record.recordClass()},
            {typeKey, record.type()},
            {dataKey, record.content()}};
}
