#include "hparser.h"

#include "common/errorstackexception.h"

#include <QDir>

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

// Only the statements are read: the zones' files are read afterwards, in the background where
// the window asks for it.
void HParser::parseZoneList(const PNamedConf &result, const PISCType &list,
                            const QString &directory)
{
    QList<PZone> zones;
    for (const PISCType &element : iscCast<ISCList>(list).items()) {
        try {
            const PZone zone = parseZone(element, directory);
            if (isAuthoritative(zone->type()))
                zones.append(zone);
        } catch (const ErrorStackException &e) {
            emit error(tr("Failed to parse zone. %1").arg(e.text()));
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
    zone->setLoaded(false);
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
