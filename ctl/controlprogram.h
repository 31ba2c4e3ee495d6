#pragma once

#include <QByteArray>
#include <QCoreApplication>
#include <QStringList>

class CommandLine;

// tamzorctl from its words to its exit status. The words are held against the grammar before
// anything runs; help and version need no root; every failure ends in a status and messages on
// standard error.
class ControlProgram
{
    Q_DECLARE_TR_FUNCTIONS(ControlProgram)

public:
    enum ExitStatus { Done = 0, Failed = 1, Misused = 2 };

    int run(const QStringList &words);

private:
    static void checkGrammar(const CommandLine &line);
    static void print(const QByteArray &bytes);
    static void warn(const QByteArray &bytes);
};
