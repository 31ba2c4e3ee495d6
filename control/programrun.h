#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

// One blocking run of an external program, waited for without a time limit.
struct ProgramRun
{
    enum Outcome { NotStarted, Crashed, Exited };

    Outcome outcome = NotStarted;
    int exitCode = -1;
    QByteArray standardOutput;
    QByteArray standardError;
    QString errorString;

    static ProgramRun run(const QString &program, const QStringList &arguments);
};

// A program's output as text. It ends at the first zero byte, as the C string it was meant to be.
QString programOutputText(const QByteArray &bytes);
