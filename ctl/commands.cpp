#include "commands.h"

#include "common/errorstackexception.h"
#include "control/checkconf.h"
#include "control/checkzone.h"
#include "control/systemctl.h"
#include "core/recordinput.h"
#include "core/zoneblueprint.h"
#include "core/zonesettings.h"
#include "ctl/grammar.h"
#include "ctl/usageerror.h"

#include <QHash>

namespace {
const QByteArray activeState = "active\n";
const QByteArray inactiveState = "inactive\n";

ErrorStackException failure(const QStringList &messages)
{
    ErrorStackException error;
    for (const QString &message : messages)
        error.push(message);
    return error;
}

QByteArray withLineEnd(const QString &text)
{
    QByteArray bytes = text.toUtf8();
    if (!bytes.isEmpty() && !bytes.endsWith('\n'))
        bytes += '\n';
    return bytes;
}

QString nameWithoutRoot(QString name)
{
    if (name.endsWith(QLatin1Char('.')))
        name.chop(1);
    return name;
}
} // namespace

Commands::Commands(const CommandLine &line)
    : m_line(line), m_format(OutputFormat::create(line.isSet(Grammar::jsonOption)))
{
}

void Commands::run(const Printer &print, const Printer &warn)
{
    using Handler = void (Commands::*)();
    static const QHash<QString, Handler> handlers{
        {Grammar::zonesCommand, &Commands::zones},
        {Grammar::recordsCommand, &Commands::records},
        {Grammar::addRecordCommand, &Commands::addRecord},
        {Grammar::removeRecordCommand, &Commands::removeRecord},
        {Grammar::editRecordCommand, &Commands::editRecord},
        {Grammar::addZoneCommand, &Commands::addZone},
        {Grammar::editZoneCommand, &Commands::editZone},
        {Grammar::removeZoneCommand, &Commands::removeZone},
        {Grammar::ownFileCommand, &Commands::ownFile},
        {Grammar::undoCommand, &Commands::undo},
        {Grammar::checkCommand, &Commands::check},
        {Grammar::serviceCommand, &Commands::service},
    };
    m_print = print;
    m_warn = warn;
    (this->*handlers.value(m_line.command()))();
}

void Commands::zones()
{
    QList<PZone> listed;
    const QString view = m_line.value(Grammar::viewOption);
    for (const PZone &zone : server().zones()) {
        if (!m_line.isSet(Grammar::viewOption) || zone->view() == view)
            listed.append(zone);
    }
    m_print(m_format->zones(listed));
    for (const QString &problem : qAsConst(m_readProblems))
        m_warn(withLineEnd(problem));
}

void Commands::records()
{
    m_print(m_format->records(*zone(m_line.arguments().first())));
}

void Commands::addRecord()
{
    const QStringList words = recordWords(m_line.arguments().mid(1));
    const PZone target = zone(m_line.arguments().first());
    const PRecord record = RecordInput(target, words).record();
    refuseTwin(*target, *record, PRecord());
    server().addRecord(target, record);
    m_print(m_format->record(*record));
}

void Commands::removeRecord()
{
    const QStringList words = recordWords(m_line.arguments().mid(1));
    const PZone target = zone(m_line.arguments().first());
    server().removeRecord(target, RecordInput(target, words).match());
}

void Commands::editRecord()
{
    if (!m_line.hasTarget())
        throw UsageError{tr("what the record becomes follows --to"), m_line.command()};
    const QStringList words = recordWords(m_line.arguments().mid(1));
    const QStringList targetWords = recordWords(m_line.target());
    const PZone target = zone(m_line.arguments().first());
    const PRecord record = RecordInput(target, words).match();
    const RecordInput replacementInput(target, targetWords);
    // A replacement without a TTL of its own keeps the record's.
    const PRecord replacement = replacementInput.record(
        replacementInput.hasTtl() ? std::nullopt : std::optional<quint64>(record->ttl()));
    refuseTwin(*target, *replacement, record);
    server().editRecord(target, record, replacement);
    m_print(m_format->record(*replacement));
}

void Commands::addZone()
{
    ZoneBlueprint blueprint;
    blueprint.name = m_line.arguments().first();
    if (m_line.isSet(Grammar::typeOption))
        blueprint.type = m_line.value(Grammar::typeOption);
    blueprint.nameServer = m_line.value(Grammar::nsOption);
    blueprint.nameServerAddress = m_line.value(Grammar::nsAddressOption);
    blueprint.email = m_line.value(Grammar::emailOption);
    blueprint.primaries = m_line.values(Grammar::primaryOption);
    const PZone zone = blueprint.build();
    zone->setView(m_line.value(Grammar::viewOption));
    server().addZone(zone);
}

void Commands::editZone()
{
    if (!m_line.isSet(Grammar::nameOption) && !m_line.isSet(Grammar::typeOption) &&
        !m_line.isSet(Grammar::primaryOption))
        throw UsageError{tr("nothing to change: give --name, --type or --primary"),
                         m_line.command()};
    const PZone target = zone(m_line.arguments().first());
    ZoneSettings settings = ZoneSettings::of(*target);
    if (m_line.isSet(Grammar::nameOption))
        settings.name = ZoneBlueprint::zoneName(m_line.value(Grammar::nameOption));
    // A statement keeps the options it has; a new type drops the primaries, which a master has
    // none of and a new slave is given.
    if (m_line.isSet(Grammar::typeOption)) {
        const QString type = ZoneBlueprint::typeWord(m_line.value(Grammar::typeOption));
        if ((type == ZoneBlueprint::slaveType()) != target->isSecondary())
            settings.primaries.clear();
        settings.type = type;
    }
    if (m_line.isSet(Grammar::primaryOption))
        settings.primaries = m_line.values(Grammar::primaryOption);
    server().editZone(target, settings);
}

void Commands::removeZone()
{
    const PZone target = zone(m_line.arguments().first());
    server().removeZone(target);
}

void Commands::ownFile()
{
    server().giveOwnFile(zone(m_line.arguments().first()));
}

void Commands::undo()
{
    const QString change = ServerZones::lastChange();
    server().undo();
    m_warn(tr("Undone: %1").arg(change).toUtf8() + '\n');
}

void Commands::check()
{
    CheckResult result;
    QString refusal;
    if (m_line.arguments().isEmpty()) {
        result = CheckConf().checkConf();
        refusal = tr("named-checkconf refuses the configuration");
    } else {
        const PZone target = zone(m_line.arguments().first());
        result = CheckZone().checkZone(target->name(), target->filePath(), target->checkNames());
        refusal = tr("named-checkzone refuses zone %1").arg(target->name());
    }
    if (!result.completed)
        throw ErrorStackException(result.report);
    m_print(withLineEnd(result.report));
    if (!result.ok)
        throw ErrorStackException(refusal);
}

void Commands::service()
{
    static const QHash<QString, SystemCtl::Command> commands{
        {Grammar::startAction, SystemCtl::Command::Start},
        {Grammar::stopAction, SystemCtl::Command::Stop},
        {Grammar::restartAction, SystemCtl::Command::Restart},
        {Grammar::reloadAction, SystemCtl::Command::Reload},
    };
    const QString action = m_line.arguments().first();
    SystemCtl control;
    QString error;
    if (commands.contains(action) && !control.runSync(commands.value(action), &error))
        throw ErrorStackException(error);
    m_print(control.checkActive() ? activeState : inactiveState);
}

ServerZones &Commands::server()
{
    if (!m_server) {
        auto server = std::make_unique<ServerZones>();
        QObject::connect(server.get(), &ServerZones::readProblem, server.get(),
                         [this](const QString &problem) { m_readProblems.append(problem); });
        // The change is on disk either way; a named that was not told of it must be mentioned.
        QObject::connect(server.get(), &ServerZones::serverNotified, server.get(),
                         [this](const QString &message, bool ok) {
                             if (!ok)
                                 m_warn(withLineEnd(message));
                         });
        server->load();
        m_server = std::move(server);
    }
    return *m_server;
}

// A zone that could not be read is not held; its read problems tell why it is missing.
PZone Commands::zone(const QString &name)
{
    if (m_line.isSet(Grammar::viewOption)) {
        const QString view = m_line.value(Grammar::viewOption);
        if (const PZone found = server().find(name, view))
            return found;
        throw ErrorStackException(tr("no zone %1 in view %2").arg(name, view));
    }
    QList<PZone> named;
    QStringList views;
    for (const PZone &zone : server().zones()) {
        if (Zone::isSameName(zone->name(), name)) {
            named.append(zone);
            views.append(zone->view());
        }
    }
    if (named.size() > 1)
        throw ErrorStackException(
            tr("zone %1 is in the views %2: name one with %3")
                .arg(name, views.join(QStringLiteral(", ")), Grammar::viewOption));
    if (!named.isEmpty())
        return named.first();
    QStringList messages;
    for (const QString &problem : qAsConst(m_readProblems)) {
        if (problem.contains(nameWithoutRoot(name), Qt::CaseInsensitive))
            messages.append(problem);
    }
    throw failure(messages << tr("no zone %1").arg(name));
}

// The server would merge the two into one, and the zone's records would differ from its file.
void Commands::refuseTwin(const Zone &zone, const Record &record, const PRecord &replaced)
{
    const PRecord twin = RecordInput::find(zone, record);
    if (twin && twin != replaced)
        throw ErrorStackException(
            tr("Zone %1 already has the record %2").arg(zone.name(), twin->toString()));
}

QStringList Commands::recordWords(const QStringList &words) const
{
    if (!RecordInput::isComplete(words))
        throw UsageError{tr("a record is given as NAME [TTL] TYPE DATA..."), m_line.command()};
    return words;
}
