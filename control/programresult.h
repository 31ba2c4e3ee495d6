#pragma once

#include <QByteArray>
#include <QCoreApplication>
#include <QString>

// How one run of an external program ended.
struct ProgramResult
{
    Q_DECLARE_TR_FUNCTIONS(ProgramResult)

public:
    enum Status { NotStarted, Crashed, Exited };

    QString program;
    Status status = NotStarted;
    int exitCode = -1;
    QByteArray standardOutput;
    QByteArray standardError;
    // Why the program could not be started.
    QString errorString;

    bool succeeded() const { return status == Exited && exitCode == 0; }
    // What went wrong, as the user reads it; empty when the program exited with code 0.
    QString failure() const;
    // The output as text: it ends at the first zero byte, as the C string it was meant to be.
    QString outputText() const;
    QString errorText() const;
};
