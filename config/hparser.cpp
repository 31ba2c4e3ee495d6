#include "hparser.h"

#include "control/compilezone.h"

#include <QDir>

#include <vector>

namespace {
const QString zoneKey = QStringLiteral("zone");
const QString optionsKey = QStringLiteral("options");
const QString directoryKey = QStringLiteral("directory");
const QString typeKey = QStringLiteral("type");
const QString fileKey = QStringLiteral("file");
const QString nameField = QStringLiteral("name");
const QString classField = QStringLiteral("class");
const QString optionsField = QStringLiteral("options");
const QString masterType = QStringLiteral("master");
const QString slaveType = QStringLiteral("slave");
// systemd starts named in the root directory, so that is where a relative `directory` points.
const QString serverWorkingDirectory = QStringLiteral("/");

// A zone statement read, or why it could not be.
struct Statement
{
    PZone zone;
    QString error;
};

bool isAuthoritative(const QString &type)
{
    return type == masterType || type == slaveType;
}
} // namespace

PNamedConf HParser::parseZones(const PISCType &root)
{
    PNamedConf result = PNamedConf::create();
    const ISCMap &map = iscCast<ISCMap>(root);
    if (!map.contains(zoneKey))
        return result;
    parseZoneList(result, map.get(zoneKey), serverDirectory(map));
    return result;
}

// The statements become zones first and the files of all of them are read together afterwards,
// so that several compilers can run at once; zones and messages still follow the statements'
// order, as if each zone had been read as soon as its statement was.
void HParser::parseZoneList(const PNamedConf &result, const PISCType &list,
                            const QString &directory)
{
    const std::vector<PISCType> elements = iscCast<ISCList>(list).items();
    std::vector<Statement> statements;
    QList<PZone> authoritative;
    for (const PISCType &element : elements) {
        try {
            const PZone zone = parseZone(element, directory);
            statements.push_back({zone, {}});
            if (isAuthoritative(zone->type()))
                authoritative.append(zone);
        } catch (const ErrorStackException &e) {
            statements.push_back({{}, e.text()});
        }
    }

    const std::vector<ZoneReadFailure> readFailures = readRecordsOfZones(authoritative);
    auto readFailure = readFailures.cbegin();
    QList<PZone> zones;
    for (const Statement &statement : statements) {
        if (!statement.zone) {
            emit error(tr("Failed to parse zone. %1").arg(statement.error));
        } else if (isAuthoritative(statement.zone->type())) {
            const ZoneReadFailure &failure = *readFailure++;
            if (failure)
                emit error(tr("Failed to parse zone. %1").arg(failure->text()));
            else
                zones.append(statement.zone);
        }
    }
    result->setZones(zones);
}

PZone HParser::parseZone(const PISCType &element, const QString &directory)
{
    const ISCTuple &statement = iscCast<ISCTuple>(element);
    PZone zone = PZone::create();
    zone->setConf(statement.file());
    zone->setName(asString(statement.get(nameField)));
    if (statement.contains(classField))
        zone->setZoneClass(asString(statement.get(classField)));

    const PISCType optionsValue = statement.get(optionsField);
    const ISCMap &options = iscCast<ISCMap>(optionsValue);
    if (!options.contains(typeKey))
        throw ErrorStackException(tr("Expected type key"));
    zone->setType(asString(options.get(typeKey)));
    // Forward, static-stub and mirror zones rightly go without a file; they are left out anyway.
    if (!isAuthoritative(zone->type()))
        return zone;
    if (!options.contains(fileKey))
        throw ErrorStackException(tr("Expected file key"));
    zone->setFile(asString(options.get(fileKey)));
    zone->setDirectory(directory);
    return zone;
}

QString HParser::asString(const PISCType &value)
{
    return iscCast<ISCString>(value).value();
}

QString HParser::serverDirectory(const ISCMap &root)
{
    if (!root.contains(optionsKey))
        return {};
    const PISCType optionsValue = root.get(optionsKey);
    const ISCMap &options = iscCast<ISCMap>(optionsValue);
    if (!options.contains(directoryKey))
        return {};
    const QString directory = asString(options.get(directoryKey));
    return QDir::cleanPath(QDir(serverWorkingDirectory).absoluteFilePath(directory));
}
