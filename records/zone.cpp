#include "zone.h"

#include "common/paths.h"
#include "records/primaryserver.h"
#include "records/record.h"

#include <QDir>
#include <QUuid>

#include <algorithm>
#include <iterator>

namespace {
const QString zoneFilePattern = QStringLiteral("%1/%2.%3");
const QString zoneFileExtension = QStringLiteral("db");
const QString journalExtension = QStringLiteral(".jnl");
const QString signatureType = QStringLiteral("RRSIG");
const QString primaryTypes[] = {QStringLiteral("master"), QStringLiteral("primary")};
const QString secondaryTypes[] = {QStringLiteral("slave"), QStringLiteral("secondary")};
// named's defaults: a primary's bad names keep it from loading, a secondary's are only logged.
const QString failLevel = QStringLiteral("fail");
const QString warnLevel = QStringLiteral("warn");

bool isOneOf(const QString &type, const QString (&types)[2])
{
    return std::any_of(std::begin(types), std::end(types), [&](const QString &word) {
        return type.compare(word, Qt::CaseInsensitive) == 0;
    });
}
const QString statementPattern =
    QStringLiteral("zone \"%1\" %2 {\n\ttype %3;\n\tfile \"%4\";\n%5};\n");
const QString clauseLinePattern = QStringLiteral("\t%1\n");
} // namespace

Zone::Zone()
    : m_zoneClass(QStringLiteral("IN")), m_type(QStringLiteral("master")),
      m_conf(Paths::managedIncludeFile())
{
    takeNewFile();
}

void Zone::takeNewFile()
{
    const QString uuid = QUuid::createUuid().toString(QUuid::WithoutBraces);
    m_file = zoneFilePattern.arg(isSecondary() ? Paths::secondaryZoneDirectory()
                                               : Paths::zoneDirectory(),
                                 uuid, zoneFileExtension);
}

void Zone::setRecords(const QVector<PRecord> &records)
{
    if (&records == &m_records)
        return;
    m_records = records;
    m_holdsSignatures = false;
    for (const PRecord &record : records)
        m_holdsSignatures = m_holdsSignatures || record->type() == signatureType;
}

QString Zone::journalPath() const
{
    if (m_journal.isEmpty())
        return filePath() + journalExtension;
    if (m_directory.isEmpty() || QDir::isAbsolutePath(m_journal))
        return m_journal;
    return QDir(m_directory).filePath(m_journal);
}

bool Zone::isPrimaryType(const QString &type)
{
    return isOneOf(type, primaryTypes);
}

bool Zone::isSecondaryType(const QString &type)
{
    return isOneOf(type, secondaryTypes);
}

bool Zone::isSecondary() const
{
    return isSecondaryType(m_type);
}

QString Zone::checkNames() const
{
    if (!m_checkNames.isEmpty())
        return m_checkNames;
    return isSecondary() ? warnLevel : failLevel;
}

QString Zone::recordsReadOnlyReason() const
{
    if (isSecondary())
        return tr("The records of secondary zone %1 are kept by its primary server; change them "
                  "there.")
            .arg(m_name);
    // A changed record would go out with a signature that no longer fits it, and validating
    // resolvers would take the answer for bogus.
    if (m_holdsSignatures && !m_signedByServer)
        return tr("Zone %1 is signed outside named: a changed record would keep a signature that "
                  "no longer fits it. Change the unsigned zone and sign it again where it is "
                  "signed.")
            .arg(m_name);
    return QString();
}

QString Zone::filePath() const
{
    if (m_directory.isEmpty() || QDir::isAbsolutePath(m_file))
        return m_file;
    return QDir(m_directory).filePath(m_file);
}

QString Zone::statement() const
{
    const QString primaries =
        isSecondary() ? clauseLinePattern.arg(PrimaryServer::clause(m_primaries)) : QString();
    return statementPattern.arg(m_name, m_zoneClass, m_type, m_file, primaries);
}

QString Zone::nameKey(QString name)
{
    if (name.endsWith(QLatin1Char('.')))
        name.chop(1);
    return name.toLower();
}
