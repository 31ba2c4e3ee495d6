#pragma once

#include <QHash>
#include <QList>
#include <QString>
#include <QStringList>

// What tamzorctl understands: its subcommands, with their arguments and options, and the help
// and usage texts made from them.
class Grammar
{
public:
    enum OptionKind { Flag, Value, Separator };

    struct Option
    {
        QString name;
        OptionKind kind;
        QString valueName;
        QString help;
        QString shortName;
    };

    struct Command
    {
        QString name;
        QString synopsis;
        QString summary;
        QStringList options;
        int minimumArguments;
        // -1: no limit.
        int maximumArguments;
        // The only words the first argument may be; any when empty.
        QStringList choices;
    };

    static const QList<Option> &options();
    static const QList<Command> &commands();
    // By its long or short name.
    static const Option *option(const QString &name);
    static const Command *command(const QString &name);
    // The options that every command takes.
    static const QStringList &commonOptions();
    static QHash<QString, OptionKind> optionKinds();

    static QString usage(const Command &command);
    static QString usage();
    static QString help(const Command &command);
    static QString help();
};
