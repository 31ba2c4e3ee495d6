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
const QString allowUpdateKey = QStringLiteral("allow-update");
const QString updatePolicyKey = QStringLiteral("update-policy");
const QString dnssecPolicyKey = QStringLiteral("dnssec-policy");
const QString inlineSigningKey = QStringLiteral("inline-signing");
const QString fileFormatKey = QStringLiteral("masterfile-format");
const QString journalKey = QStringLiteral("journal");
// The policy that turns signing off, and the address list that lets no update in.
const QString noPolicy = QStringLiteral("none");
const QString noAddress = QStringLiteral("none");
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

// The zone's own setting, or the server's default from the options block.
PISCType setting(const QString &key, const ISCMap &zoneOptions, const ISCMap *serverOptions)
{
    if (zoneOptions.contains(key))
        return zoneOptions.get(key);
    if (serverOptions && serverOptions->contains(key))
        return serverOptions->get(key);
    return {};
}

bool letsNoUpdateIn(const PISCType &addresses)
{
    const auto *list = dynamic_cast<const ISCList *>(addresses.get());
    if (!list)
        return false;
    for (const PISCType &element : list->items()) {
        const auto *word = dynamic_cast<const ISCString *>(element.get());
        if (!word || word->value().compare(noAddress, Qt::CaseInsensitive) != 0)
            return false;
    }
    return true;
}
} // namespace

PNamedConf HParser::parseZones(const PISCType &root)
{
    PNamedConf result = PNamedConf::create();
    const ISCMap &map = iscCast<ISCMap>(root);
    if (!map.contains(zoneKey))
        return result;
    parseZoneList(result, map.get(zoneKey), map);
    return result;
}

// The statements become zones first and the files of all of them are read together afterwards,
// so that several compilers can run at once; zones and messages still follow the statements'
// order, as if each zone had been read as soon as its statement was.
void HParser::parseZoneList(const PNamedConf &result, const PISCType &list, const ISCMap &root)
{
    const std::vector<PISCType> elements = iscCast<ISCList>(list).items();
    std::vector<Statement> statements;
    QList<PZone> authoritative;
    for (const PISCType &element : elements) {
        try {
            const PZone zone = parseZone(element, root);
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

PZone HParser::parseZone(const PISCType &element, const ISCMap &root)
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
    zone->setDirectory(serverDirectory(root));
    readServerSettings(*zone, options, root);
    return zone;
}

void HParser::readServerSettings(Zone &zone, const ISCMap &options, const ISCMap &root)
{
    const PISCType serverOptionsValue = root.contains(optionsKey) ? root.get(optionsKey) : nullptr;
    const ISCMap *serverOptions =
        serverOptionsValue ? &iscCast<ISCMap>(serverOptionsValue) : nullptr;
    const PISCType allowUpdate = setting(allowUpdateKey, options, serverOptions);
    zone.setDynamic(options.contains(updatePolicyKey) ||
                    (allowUpdate && !letsNoUpdateIn(allowUpdate)));
    const PISCType policy = setting(dnssecPolicyKey, options, serverOptions);
    const bool policySigns = policy && asString(policy).compare(noPolicy, Qt::CaseInsensitive) != 0;
    const PISCType inlineSigning = setting(inlineSigningKey, options, nullptr);
    const auto *inlineSigningFlag = dynamic_cast<const ISCBool *>(inlineSigning.get());
    zone.setSignedByServer(policySigns || (inlineSigningFlag && inlineSigningFlag->value()));
    if (const PISCType format = setting(fileFormatKey, options, serverOptions))
        zone.setFileFormat(asString(format).toLower());
    if (options.contains(journalKey))
        zone.setJournal(asString(options.get(journalKey)));
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
