#include "zonefixture.h"

#include "control/compilezone.h"

#include <QFile>

namespace {
const QByteArray soaType = "SOA";
} // namespace

ZoneFixture::ZoneFixture(const QString &name, const QByteArray &text) : zone(new Zone), m_text(text)
{
    zone->setName(name);
    zone->setFile(m_directory.filePath(QStringLiteral("db.zone")));
    QFile file(zone->filePath());
    if (!file.open(QIODevice::WriteOnly) || file.write(text) != text.size())
        qFatal("cannot write the zone fixture");
    file.close();
    readZoneRecords(zone);
}

QStringList ZoneFixture::served(const Record &record) const
{
    QByteArray text;
    for (const QByteArray &line : m_text.split('\n')) {
        if (record.type() != QLatin1String(soaType) || !line.contains(" " + soaType + " "))
            text += line + '\n';
    }
    const QStringList before = compiled(m_text);
    QStringList after = compiled(text + record.toString().toUtf8() + '\n');
    for (const QString &line : before)
        after.removeOne(line);
    return after;
}

QStringList ZoneFixture::compiled(const QByteArray &text) const
{
    const QString path = m_directory.filePath(QStringLiteral("db.served"));
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) || file.write(text) != text.size())
        qFatal("cannot write the zone fixture");
    file.close();
    const CompileResult result = CompileZone().compile(zone->name(), path);
    if (!result.ok)
        return {QStringLiteral("refused by BIND")};
    QStringList lines;
    for (const QString &line : result.text.split('\n', Qt::SkipEmptyParts)) {
        if (!line.startsWith(';'))
            lines.append(line.simplified());
    }
    return lines;
}
