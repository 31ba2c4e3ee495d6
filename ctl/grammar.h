#pragma once

#include <QCoreApplication>
#include <QList>
#include <QString>
#include <QStringList>

// What tamzorctl understands: its subcommands, with their arguments and options, and the help
// and usage texts made from them.
class Grammar
{
    Q_DECLARE_TR_FUNCTIONS(Grammar)

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

    static inline const QString programName = QStringLiteral("tamzorctl");

    // The commands' names and the service's actions.
    static inline const QString zonesCommand = QStringLiteral("zones");
    static inline const QString recordsCommand = QStringLiteral("records");
    static inline const QString addRecordCommand = QStringLiteral("add-record");
    static inline const QString removeRecordCommand = QStringLiteral("remove-record");
    static inline const QString editRecordCommand = QStringLiteral("edit-record");
    static inline const QString addZoneCommand = QStringLiteral("add-zone");
    static inline const QString editZoneCommand = QStringLiteral("edit-zone");
    static inline const QString removeZoneCommand = QStringLiteral("remove-zone");
    static inline const QString ownFileCommand = QStringLiteral("own-file");
    static inline const QString undoCommand = QStringLiteral("undo");
    static inline const QString checkCommand = QStringLiteral("check");
    static inline const QString serviceCommand = QStringLiteral("service");
    static inline const QString startAction = QStringLiteral("start");
    static inline const QString stopAction = QStringLiteral("stop");
    static inline const QString restartAction = QStringLiteral("restart");
    static inline const QString reloadAction = QStringLiteral("reload");
    static inline const QString statusAction = QStringLiteral("status");

    // The options' long names.
    static inline const QString helpOption = QStringLiteral("--help");
    static inline const QString versionOption = QStringLiteral("--version");
    static inline const QString jsonOption = QStringLiteral("--json");
    static inline const QString viewOption = QStringLiteral("--view");
    static inline const QString toOption = QStringLiteral("--to");
    static inline const QString typeOption = QStringLiteral("--type");
    static inline const QString nsOption = QStringLiteral("--ns");
    static inline const QString nsAddressOption = QStringLiteral("--ns-address");
    static inline const QString emailOption = QStringLiteral("--email");
    static inline const QString primaryOption = QStringLiteral("--primary");
    static inline const QString nameOption = QStringLiteral("--name");

    static const QList<Option> &options();
    static const QList<Command> &commands();
    // By its long or short name.
    static const Option *option(const QString &name);
    static const Command *command(const QString &name);
    // The options that every command takes.
    static const QStringList &commonOptions();

    static QString usage(const Command &command);
    static QString usage();
    static QString help(const Command &command);
    static QString help();
};
