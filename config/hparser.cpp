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
const QString allowUpdateKey = QStringLiteral("allow-update");
const QString updatePolicyKey = QStringLiteral("update-policy");
const QString dnssecPolicyKey = QStringLiteral("dnssec-policy");
const QString inlineSigningKey = QStringLiteral("inline-signing");
const QString fileFormatKey = QStringLiteral("masterfile-format");
const QString journalKey = QStringLiteral("journal");
// named 9.18 takes either word for a secondary's servers.
const QStringList primariesKeys = {QStringLiteral("primaries"), QStringLiteral("masters")};
// The fields of the block and of its entries; the port's, key's and TLS's are also the words of an
// entry as PrimaryServer reads it.
const QString portField = QStringLiteral("port");
const QString addressesField = QStringLiteral("addresses");
const QString serverField = QStringLiteral("remoteselement");
const QStringList entryNameFields = {QStringLiteral("key"), QStringLiteral("tls")};
// The policy that turns signing off, and the address list that lets no update in.
const QString noPolicy = QStringLiteral("none");
const QString noAddress = QStringLiteral("none");
const QString masterType = QStringLiteral("master");
const QString slaveType = QStringLiteral("slave");
// systemd starts named in the root directory, so that is where a relative `directory` points.
const QString serverWorkingDirectory = QStringLiteral("/");

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

// Each entry as PrimaryServer reads it. A port given for the whole block is the port of every
// address that gives none, as named takes it.
QStringList primariesOf(const ISCMap &options)
{
    QStringList entries;
    for (const QString &key : primariesKeys) {
        if (!options.contains(key))
            continue;
        const PISCType blockValue = options.get(key);
        const ISCTuple &block = iscCast<ISCTuple>(blockValue);
        const PISCType blockPort = block.get(portField);
        const auto *defaultPort = dynamic_cast<const ISCUInt32 *>(blockPort.get());
        for (const PISCType &element : iscCast<ISCList>(block.get(addressesField)).items()) {
            const ISCTuple &entry = iscCast<ISCTuple>(element);
            const PISCType server = entry.get(serverField);
            QStringList words;
            if (const auto *address = dynamic_cast<const ISCSockAddr *>(server.get())) {
                words << address->value().toString();
                const quint32 port = address->port() != 0 ? address->port()
                                     : defaultPort        ? defaultPort->value()
                                                          : 0;
                if (port != 0)
                    words << portField << QString::number(port);
            } else {
                words << iscCast<ISCString>(server).value();
            }
            for (const QString &field : entryNameFields) {
                const PISCType value = entry.get(field);
                if (const auto *name = dynamic_cast<const ISCString *>(value.get()))
                    words << field << name->value();
            }
            entries << words.join(QLatin1Char(' '));
        }
    }
    return entries;
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

// Only the statements are read: the zones' files are read afterwards, in the background where
// the window asks for it.
void HParser::parseZoneList(const PNamedConf &result, const PISCType &list, const ISCMap &root)
{
    QList<PZone> zones;
    for (const PISCType &element : iscCast<ISCList>(list).items()) {
        try {
            const PZone zone = parseZone(element, root);
            if (isAuthoritative(zone->type()))
                zones.append(zone);
        } catch (const ErrorStackException &e) {
            emit error(tr("Failed to parse zone. %1").arg(e.text()));
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
    if (zone->isSecondary())
        zone->setPrimaries(primariesOf(options));
    zone->setLoaded(false);
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
