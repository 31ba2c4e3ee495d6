#include "grammar.h"

#include <algorithm>

namespace {
const QString recordWords = QStringLiteral("NAME [TTL] TYPE DATA...");
constexpr int unlimited = -1;
const QString zoneWord = QStringLiteral("ZONE");
constexpr int nameWidth = 21;

QString optionUsage(const Grammar::Option &option)
{
    return option.valueName.isEmpty() ? option.name
                                      : option.name + QLatin1Char(' ') + option.valueName;
}

QString optionNames(const Grammar::Option &option)
{
    const QString usage = optionUsage(option);
    return option.shortName.isEmpty() ? usage : option.shortName + QLatin1String(", ") + usage;
}

QString column(const QString &left, const QString &right)
{
    return QStringLiteral("  ") + left.leftJustified(nameWidth) + QLatin1Char(' ') + right +
           QLatin1Char('\n');
}
} // namespace

const QList<Grammar::Option> &Grammar::options()
{
    static const QList<Option> table{
        {helpOption, Flag, {}, tr("Show this help and exit"), QStringLiteral("-h")},
        {versionOption, Flag, {}, tr("Show the version and exit"), {}},
        {jsonOption, Flag, {}, tr("Print one JSON document"), {}},
        {viewOption,
         Value,
         QStringLiteral("VIEW"),
         tr("The view of the zone: needed to add one to a configuration with views, and to "
            "name one whose name is in several views"),
         {}},
        {toOption, Separator, recordWords, tr("What the record becomes"), {}},
        {typeOption,
         Value,
         QStringLiteral("TYPE"),
         tr("master or slave, which primary and secondary also name"),
         {}},
        {nsOption,
         Value,
         QStringLiteral("NAME"),
         tr("The name server, relative to the zone or absolute; ns1.ZONE. by default"),
         {}},
        {nsAddressOption,
         Value,
         QStringLiteral("ADDRESS"),
         tr("The address of a name server inside the zone"),
         {}},
        {emailOption,
         Value,
         QStringLiteral("ADDRESS"),
         tr("The zone's contact; hostmaster@ZONE by default"),
         {}},
        {primaryOption,
         Value,
         QStringLiteral("PRIMARY"),
         tr("A server the slave zone transfers from, as one argument 'ADDRESS [port N] [key "
            "NAME]'; may be given more than once"),
         {}},
        {nameOption, Value, QStringLiteral("NEW"), tr("The zone's new name"), {}},
    };
    return table;
}

const QList<Grammar::Command> &Grammar::commands()
{
    const QString zoneRecord = zoneWord + QLatin1Char(' ') + recordWords;
    static const QList<Command> table{
        {zonesCommand, {}, tr("List every zone"), {jsonOption, viewOption}, 0, 0, {}},
        {recordsCommand, zoneWord, tr("List a zone's records"), {jsonOption, viewOption}, 1, 1, {}},
        {addRecordCommand,
         zoneRecord,
         tr("Add a record"),
         {jsonOption, viewOption},
         4,
         unlimited,
         {}},
        {removeRecordCommand,
         zoneRecord,
         tr("Remove the record that matches"),
         {viewOption},
         4,
         unlimited,
         {}},
        {editRecordCommand,
         zoneRecord + QLatin1Char(' ') + toOption + QLatin1Char(' ') + recordWords,
         tr("Replace the record that matches"),
         {jsonOption, viewOption, toOption},
         4,
         unlimited,
         {}},
        {addZoneCommand,
         zoneWord,
         tr("Add a zone"),
         {typeOption, nsOption, nsAddressOption, emailOption, primaryOption, viewOption},
         1,
         1,
         {}},
        {editZoneCommand,
         zoneWord,
         tr("Rename a zone, change its type or a slave zone's primaries"),
         {nameOption, typeOption, primaryOption, viewOption},
         1,
         1,
         {}},
        {removeZoneCommand,
         zoneWord,
         tr("Remove a zone; its file too when Tamzor made it and no other zone uses it"),
         {viewOption},
         1,
         1,
         {}},
        {ownFileCommand,
         zoneWord,
         tr("Give a zone that shares its file with others a copy of its own"),
         {viewOption},
         1,
         1,
         {}},
        {undoCommand, QString(), tr("Put back the files of the last change"), {}, 0, 0, {}},
        {checkCommand,
         QLatin1Char('[') + zoneWord + QLatin1Char(']'),
         tr("Check the configuration, or one zone's file"),
         {viewOption},
         0,
         1,
         {}},
        {serviceCommand,
         QStringLiteral("start|stop|restart|reload|status"),
         tr("Control the bind9 service"),
         {},
         1,
         1,
         {startAction, stopAction, restartAction, reloadAction, statusAction}},
    };
    return table;
}

const Grammar::Option *Grammar::option(const QString &name)
{
    const QList<Option> &table = options();
    const auto found = std::find_if(table.cbegin(), table.cend(), [&](const Option &option) {
        return option.name == name || (!option.shortName.isEmpty() && option.shortName == name);
    });
    return found == table.cend() ? nullptr : &*found;
}

const Grammar::Command *Grammar::command(const QString &name)
{
    const QList<Command> &table = commands();
    const auto found = std::find_if(table.cbegin(), table.cend(),
                                    [&](const Command &command) { return command.name == name; });
    return found == table.cend() ? nullptr : &*found;
}

const QStringList &Grammar::commonOptions()
{
    static const QStringList names{helpOption, versionOption};
    return names;
}

QString Grammar::usage(const Command &command)
{
    QStringList words{tr("Usage:"), programName, command.name};
    if (!command.synopsis.isEmpty())
        words.append(command.synopsis);
    for (const QString &name : command.options) {
        if (name != toOption)
            words.append(QLatin1Char('[') + optionUsage(*option(name)) + QLatin1Char(']'));
    }
    return words.join(QLatin1Char(' '));
}

QString Grammar::usage()
{
    return tr("Usage: %1 COMMAND [ARGUMENT]... [OPTION]...").arg(programName);
}

QString Grammar::help(const Command &command)
{
    QString text = usage(command) + QLatin1Char('\n') + command.summary + QLatin1String(".\n\n") +
                   tr("Options:") + QLatin1Char('\n');
    for (const QString &name : command.options + commonOptions()) {
        const Option &described = *option(name);
        text += column(optionNames(described), described.help);
    }
    return text;
}

QString Grammar::help()
{
    QString text = usage() + QLatin1Char('\n') +
                   tr("Manages the zones and records of the local BIND 9 server.") +
                   QLatin1String("\n\n") + tr("Commands:") + QLatin1Char('\n');
    for (const Command &command : commands())
        text += column(command.name, command.summary);
    text +=
        QLatin1Char('\n') + tr("Options may stand before or after the arguments; -- ends them.\n"
                               "'%1 COMMAND --help' shows a command's arguments and options.\n")
                                .arg(programName);
    return text;
}
