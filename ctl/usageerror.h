#pragma once

#include <QString>

// A command line that tamzorctl cannot take: the message and the command whose usage to show,
// none for the program's own.
struct UsageError
{
    QString message;
    QString command;
};
