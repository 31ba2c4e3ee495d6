#include "grammar.h"

#include <QCoreApplication>

#include <algorithm>

namespace {
const QString programName = QStringLiteral("tamzorctl");
const QString helpOption = QStringLiteral("--help");
const QString versionOption = QStringLiteral("--version");
const QString jsonOption = QStringLiteral("--json");
const QString viewOption = QStringLiteral("--view");
const QString toOption = QStringLiteral("--to");
const QString typeOption = QStringLiteral("--type");
const QString nsOption = QStringLiteral("--ns");
const QString nsAddressOption = QStringLiteral("--ns-address");
const QString emailOption = QStringLiteral("--email");
const QString primaryOption = QStringLiteral("--primary");
const QString nameOption = QStringLiteral("--name");
const QString recordWords = QStringLiteral("NAME [TTL] TYPE DATA...");
constexpr int unlimited = -1;
constexpr int summaryColumn = 24;

QString translate(const char *text)
{
    return QCoreApplication::translate("Grammar", text);
}

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
    return QStringLiteral("  ") + left.leftJustified(summaryColumn - 3) + QLatin1Char(' ') + right +
           QLatin1Char('\n');
}
} // namespace

const QList<Grammar::Option> &Grammar::options()
{
    static const QList<Option> table{
        {helpOption, Flag, {}, translate("Show this help and exit"), QStringLiteral("-h")},
        {versionOption, Flag, {}, translate("Show the version and exit"), {}},
        {jsonOption, Flag, {}, translate("Print one JSON document"), {}},
        {viewOption,
         Value,
         QStringLiteral("VIEW"),
         translate("The view that declares the zone; none by default"),
         {}},
        {toOption, Separator, recordWords, translate("What the record becomes"), {}},
        {typeOption, Value, QStringLiteral("TYPE"), translate("master or slave"), {}},
        {nsOption,
         Value,
         QStringLiteral("NAME"),
         translate("The name server, relative to the zone or absolute; ns1.ZONE. by default"),
         {}},
        {nsAddressOption,
         Value,
         QStringLiteral("ADDRESS"),
         translate("The address of a name server inside the zone"),
         {}},
        {emailOption,
         Value,
         QStringLiteral("ADDRESS"),
         translate("The zone's contact; hostmaster@ZONE by default"),
         {}},
        {primaryOption,
         Value,
         QStringLiteral("ADDRESS"),
         translate("A primary server of a slave zone; may be given more than once"),
         {}},
        {nameOption, Value, QStringLiteral("NEW"), translate("The zone's new name"), {}},
    };
    return table;
}

const QList<Grammar::Command> &Grammar::commands()
{
    const QString zone = QStringLiteral("ZONE ");
    static const QList<Command> table{
        {QStringLiteral("zones"),
         {},
         translate("List every zone"),
         {jsonOption, viewOption},
         0,
         0,
         {}},
        {QStringLiteral("records"),
         QStringLiteral("ZONE"),
         translate("List a zone's records"),
         {jsonOption, viewOption},
         1,
         1,
         {}},
        {QStringLiteral("add-record"),
         zone + recordWords,
         translate("Add a record"),
         {jsonOption, viewOption},
         4,
         unlimited,
         {}},
        {QStringLiteral("remove-record"),
         zone + recordWords,
         translate("Remove the record that matches"),
         {viewOption},
         4,
         unlimited,
         {}},
        {QStringLiteral("edit-record"),
         zone + recordWords + QLatin1Char(' ') + toOption + QLatin1Char(' ') + recordWords,
         translate("Replace the record that matches"),
         {jsonOption, viewOption, toOption},
         4,
         unlimited,
         {}},
        {QStringLiteral("add-zone"),
         QStringLiteral("ZONE"),
         translate("Add a zone"),
         {typeOption, nsOption, nsAddressOption, emailOption, primaryOption, viewOption},
         1,
         1,
         {}},
        {QStringLiteral("edit-zone"),
         QStringLiteral("ZONE"),
         translate("Rename a zone or change its type"),
         {nameOption, typeOption, viewOption},
         1,
         1,
         {}},
        {QStringLiteral("remove-zone"),
         QStringLiteral("ZONE"),
         translate("Remove a zone and its file"),
         {viewOption},
         1,
         1,
         {}},
        {QStringLiteral("check"),
         QStringLiteral("[ZONE]"),
         translate("Check the configuration, or one zone's file"),
         {viewOption},
         0,
         1,
         {}},
        {QStringLiteral("service"),
         QStringLiteral("start|stop|restart|status"),
         translate("Control the bind9 service"),
         {},
         1,
         1,
         {QStringLiteral("start"), QStringLiteral("stop"), QStringLiteral("restart"),
          QStringLiteral("status")}},
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

QHash<QString, Grammar::OptionKind> Grammar::optionKinds()
{
    QHash<QString, OptionKind> kinds;
    for (const Option &option : options()) {
        kinds.insert(option.name, option.kind);
        if (!option.shortName.isEmpty())
            kinds.insert(option.shortName, option.kind);
    }
    return kinds;
}

QString Grammar::usage(const Command &command)
{
    QStringList words{translate("Usage:"), programName, command.name};
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
    return translate("Usage: %1 COMMAND [ARGUMENT]... [OPTION]...").arg(programName);
}

QString Grammar::help(const Command &command)
{
    QString text = usage(command) + QLatin1Char('\n') + command.summary + QLatin1String(".\n\n") +
                   translate("Options:") + QLatin1Char('\n');
    for (const QString &name : command.options + commonOptions()) {
        const Option &described = *option(name);
        text += column(optionNames(described), described.help);
    }
    return text;
}

QString Grammar::help()
{
    QString text = usage() + QLatin1Char('\n') +
                   translate("Manages the zones and records of the local BIND 9 server.") +
                   QLatin1String("\n\n") + translate("Commands:") + QLatin1Char('\n');
    for (const Command &command : commands())
        text += column(command.name, command.summary);
    text += QLatin1Char('\n') +
            translate("Options may stand before or after the arguments; -- ends them.\n"
                      "'%1 COMMAND --help' shows a command's arguments and options.\n")
                .arg(programName);
    return text;
}
