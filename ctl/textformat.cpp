#include "textformat.h"

#include "core/serverzones.h"

namespace {
const QLatin1Char fieldSeparator('\t');
const QLatin1Char lineEnd('\n');
const QString managedWord = QStringLiteral("managed");
const QString foreignWord = QStringLiteral("foreign");

QByteArray line(const QStringList &fields)
{
    return (fields.join(fieldSeparator) + lineEnd).toUtf8();
}
} // namespace

QByteArray TextFormat::zones(const QList<PZone> &zones) const
{
    QByteArray text;
    for (const PZone &zone : zones)
        text += line({zone->name(), zone->zoneClass(), zone->type(), zone->view(), zone->filePath(),
                      ServerZones::isManaged(zone) ? managedWord : foreignWord});
    return text;
}

QByteArray TextFormat::records(const Zone &zone) const
{
    QByteArray text;
    const QVector<PRecord> records = zone.records();
    for (const PRecord &entry : records)
        text += record(*entry);
    return text;
}

QByteArray TextFormat::record(const Record &record) const
{
    return line({record.fullName(), QString::number(record.ttl()), record.recordClass(),
                 record.type(), record.content()});
}
