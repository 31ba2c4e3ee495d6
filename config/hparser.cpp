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
const QString viewKey = QStringLiteral("view");
const QString inViewKey = QStringLiteral("in-view");
const QString databaseKey = QStringLiteral("database");
const QString checkNamesKey = QStringLiteral("check-names");
const QString typeField = QStringLiteral("type");
const QString modeField = QStringLiteral("mode");
// systemd starts named in the root directory, so that is where a relative `directory` points.
const QString serverWorkingDirectory = QStringLiteral("/");

bool isAuthoritative(const QString &type)
{
    return Zone::isPrimaryType(type) || Zone::isSecondaryType(type);
}

// Where a zone's settings come from, nearest first: its own statement, its view, the server's
// options block.
struct Scopes
{
    const ISCMap *zone;
    const ISCMap *view;
    const ISCMap *server;

    PISCType setting(const QString &key, bool inherited = true) const
    {
        if (zone->contains(key))
            return zone->get(key);
        if (!inherited)
            return {};
        for (const ISCMap *scope : {view, server}) {
            if (scope && scope->contains(key))
                return scope->get(key);
        }
        return {};
    }
};

// The block under the key, or nothing; the handle keeps the block's wrapper alive.
PISCType blockOf(const ISCMap &map, const QString &key)
{
    return map.contains(key) ? map.get(key) : PISCType();
}

const ISCMap *asMap(const PISCType &block)
{
    return block ? &iscCast<ISCMap>(block) : nullptr;
}

// A view or the options block says check-names per zone type: `check-names primary ignore;`.
QString checkNamesFor(const QString &zoneType, const ISCMap *scope)
{
    if (!scope || !scope->contains(checkNamesKey))
        return {};
    // Each wrapper lives only as long as its handle.
    const PISCType entries = scope->get(checkNamesKey);
    const auto *list = dynamic_cast<const ISCList *>(entries.get());
    if (!list)
        return {};
    for (const PISCType &element : list->items()) {
        const auto *entry = dynamic_cast<const ISCTuple *>(element.get());
        if (!entry || !entry->contains(typeField) || !entry->contains(modeField))
            continue;
        const PISCType type = entry->get(typeField);
        const PISCType mode = entry->get(modeField);
        const auto *typeWord = dynamic_cast<const ISCString *>(type.get());
        const auto *modeWord = dynamic_cast<const ISCString *>(mode.get());
        if (!typeWord || !modeWord)
            continue;
        const QString word = typeWord->value();
        if ((Zone::isPrimaryType(word) && Zone::isPrimaryType(zoneType)) ||
            (Zone::isSecondaryType(word) && Zone::isSecondaryType(zoneType)))
            return modeWord->value().toLower();
    }
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

QString asString(const PISCType &value)
{
    return iscCast<ISCString>(value).value();
}

void readServerSettings(Zone &zone, const Scopes &scopes)
{
    const PISCType allowUpdate = scopes.setting(allowUpdateKey);
    zone.setDynamic(scopes.zone->contains(updatePolicyKey) ||
                    (allowUpdate && !letsNoUpdateIn(allowUpdate)));
    const PISCType policy = scopes.setting(dnssecPolicyKey);
    const bool policySigns = policy && asString(policy).compare(noPolicy, Qt::CaseInsensitive) != 0;
    const PISCType inlineSigning = scopes.setting(inlineSigningKey, false);
    const auto *inlineSigningFlag = dynamic_cast<const ISCBool *>(inlineSigning.get());
    zone.setSignedByServer(policySigns || (inlineSigningFlag && inlineSigningFlag->value()));
    if (const PISCType format = scopes.setting(fileFormatKey))
        zone.setFileFormat(asString(format).toLower());
    if (const PISCType journal = scopes.setting(journalKey, false))
        zone.setJournal(asString(journal));
    QString checkNames;
    if (const PISCType level = scopes.setting(checkNamesKey, false))
        checkNames = asString(level).toLower();
    for (const ISCMap *scope : {scopes.view, scopes.server}) {
        if (checkNames.isEmpty())
            checkNames = checkNamesFor(zone.type(), scope);
    }
    zone.setCheckNames(checkNames);
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
                words << asString(server);
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
    QList<PZone> zones;
    if (map.contains(zoneKey))
        parseZoneList(&zones, map.get(zoneKey), map, QString(), nullptr);
    // named refuses top-level zones beside views, so the two never mix in a configuration it runs.
    QStringList views;
    if (map.contains(viewKey)) {
        for (const PISCType &element : iscCast<ISCList>(map.get(viewKey)).items()) {
            const ISCTuple &view = iscCast<ISCTuple>(element);
            const QString name = asString(view.get(nameField));
            views.append(name);
            const PISCType block = view.get(optionsField);
            const ISCMap &options = iscCast<ISCMap>(block);
            if (options.contains(zoneKey))
                parseZoneList(&zones, options.get(zoneKey), map, name, &options);
        }
    }
    result->setZones(zones);
    result->setViews(views);
    return result;
}

// Only the statements are read: the zones' files are read afterwards, in the background where
// the window asks for it.
void HParser::parseZoneList(QList<PZone> *zones, const PISCType &list, const ISCMap &root,
                            const QString &view, const ISCMap *viewOptions)
{
    for (const PISCType &element : iscCast<ISCList>(list).items()) {
        try {
            const PZone zone = parseZone(element, root, viewOptions);
            zone->setView(view);
            if (isAuthoritative(zone->type()))
                zones->append(zone);
        } catch (const ErrorStackException &e) {
            emit error(tr("Failed to parse zone. %1").arg(e.text()));
        }
    }
}

PZone HParser::parseZone(const PISCType &element, const ISCMap &root, const ISCMap *viewOptions)
{
    const ISCTuple &statement = iscCast<ISCTuple>(element);
    PZone zone = PZone::create();
    zone->setConf(statement.file());
    zone->setStatementLine(statement.line());
    zone->setName(asString(statement.get(nameField)));
    if (statement.contains(classField))
        zone->setZoneClass(asString(statement.get(classField)));

    const PISCType optionsValue = statement.get(optionsField);
    const ISCMap &options = iscCast<ISCMap>(optionsValue);
    // A zone of another view, shared into this one, is listed once, in the view that declares it.
    if (options.contains(inViewKey)) {
        zone->setType(QString());
        return zone;
    }
    if (!options.contains(typeKey))
        throw ErrorStackException(tr("Expected type key"));
    zone->setType(asString(options.get(typeKey)));
    // Forward, static-stub and mirror zones rightly go without a file; they are left out anyway.
    if (!isAuthoritative(zone->type()))
        return zone;
    zone->setDirectory(serverDirectory(root));
    const PISCType serverOptions = blockOf(root, optionsKey);
    readServerSettings(*zone, {&options, viewOptions, asMap(serverOptions)});
    if (zone->isSecondary())
        zone->setPrimaries(primariesOf(options));
    if (options.contains(fileKey)) {
        zone->setFile(asString(options.get(fileKey)));
        zone->setLoaded(false);
        return zone;
    }
    // named serves such a zone from memory or from a database of its own: it is listed.
    zone->setFile(QString());
    if (options.contains(databaseKey))
        zone->setReadProblem(tr("The zone has no file: named serves it from the database %1")
                                 .arg(asString(options.get(databaseKey))));
    else if (zone->isSecondary())
        zone->setReadProblem(tr("The zone has no file: named keeps its records in memory only"));
    else
        throw ErrorStackException(tr("Expected file key"));
    return zone;
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
