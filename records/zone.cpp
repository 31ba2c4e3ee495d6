#include "zone.h"

#include "common/paths.h"
#include "records/record.h"

#include <QDir>
#include <QUuid>

namespace {
const QString zoneFilePattern = QStringLiteral("%1/%2.%3");
const QString zoneFileExtension = QStringLiteral("db");
const QString statementPattern =
    QStringLiteral("zone \"%1\" %2 {\n\ttype %3;\n\tfile \"%4\";\n};\n");
} // namespace

Zone::Zone()
    : m_zoneClass(QStringLiteral("IN")), m_type(QStringLiteral("master")),
      m_conf(Paths::managedIncludeFile())
{
    const QString uuid = QUuid::createUuid().toString().mid(1, 36);
    m_file = zoneFilePattern.arg(Paths::zoneDirectory(), uuid, zoneFileExtension);
}

void Zone::setRecords(const QList<PRecord> &records)
{
    if (&records == &m_records)
        return;
    m_records = records;
}

QString Zone::filePath() const
{
    if (m_directory.isEmpty() || QDir::isAbsolutePath(m_file))
        return m_file;
    return QDir(m_directory).filePath(m_file);
}

QString Zone::statement() const
{
    return statementPattern.arg(m_name, m_zoneClass, m_type, m_file);
}

QString Zone::nameKey(QString name)
{
    if (name.endsWith(QLatin1Char('.')))
        name.chop(1);
    return name.toLower();
}
