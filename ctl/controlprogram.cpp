#include "controlprogram.h"

#include "common/errorstackexception.h"
#include "ctl/commandline.h"
#include "ctl/commands.h"
#include "ctl/grammar.h"
#include "ctl/usageerror.h"

#include <unistd.h>

#include <cstdio>

namespace {
const QLatin1Char lineEnd('\n');

void write(FILE *stream, const QByteArray &bytes)
{
    std::fwrite(bytes.constData(), 1, size_t(bytes.size()), stream);
}

// Some messages bring their own line end, as a program printed them.
QByteArray lineOf(const QString &text)
{
    return (text.endsWith(lineEnd) ? text : text + lineEnd).toUtf8();
}
} // namespace

int ControlProgram::run(const QStringList &words)
{
    const CommandLine line(words);
    try {
        checkGrammar(line);
        if (line.isSet(Grammar::versionOption)) {
            print(lineOf(Grammar::programName + QLatin1Char(' ') +
                         QCoreApplication::applicationVersion()));
            return Done;
        }
        if (line.isSet(Grammar::helpOption)) {
            const Grammar::Command *command = Grammar::command(line.command());
            print(command ? Grammar::help(*command).toUtf8() : Grammar::help().toUtf8());
            return Done;
        }
        if (geteuid() != 0) {
            warn(lineOf(tr("%1 changes the BIND server's files and controls its service: "
                           "run it as root")
                            .arg(Grammar::programName)));
            return Failed;
        }
        Commands(line).run(&ControlProgram::print, &ControlProgram::warn);
        return Done;
    } catch (const UsageError &error) {
        const Grammar::Command *command = Grammar::command(error.command);
        warn(lineOf(Grammar::programName + QLatin1String(": ") + error.message) +
             lineOf(command ? Grammar::usage(*command) : Grammar::usage()));
        return Misused;
    } catch (const ErrorStackException &error) {
        for (const QString &message : error.messages())
            warn(lineOf(message));
        return Failed;
    }
}

// Help and version are answered whatever else the words hold, as long as they can be read.
void ControlProgram::checkGrammar(const CommandLine &line)
{
    if (!line.error().isEmpty())
        throw UsageError{line.error(), line.command()};
    const bool answered = line.isSet(Grammar::helpOption) || line.isSet(Grammar::versionOption);
    if (line.command().isEmpty()) {
        if (answered)
            return;
        throw UsageError{tr("no command given"), {}};
    }
    const Grammar::Command *command = Grammar::command(line.command());
    if (!command)
        throw UsageError{tr("unknown command %1").arg(line.command()), {}};
    for (const QString &option : line.options()) {
        if (!command->options.contains(option) && !Grammar::commonOptions().contains(option))
            throw UsageError{tr("option %1 does not apply to %2").arg(option, command->name),
                             command->name};
    }
    if (answered)
        return;
    const int count = line.arguments().size();
    if (count < command->minimumArguments)
        throw UsageError{tr("too few arguments"), command->name};
    if (command->maximumArguments >= 0 && count > command->maximumArguments)
        throw UsageError{tr("too many arguments"), command->name};
    if (!command->choices.isEmpty() && !command->choices.contains(line.arguments().first()))
        throw UsageError{
            tr("%1 is none of %2")
                .arg(line.arguments().first(), command->choices.join(QLatin1Char('|'))),
            command->name};
}

void ControlProgram::print(const QByteArray &bytes)
{
    write(stdout, bytes);
}

void ControlProgram::warn(const QByteArray &bytes)
{
    write(stderr, bytes);
}
