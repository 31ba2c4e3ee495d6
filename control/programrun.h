#pragma once

#include "programresult.h"

#include <QObject>
#include <QProcess>
#include <QStringList>

#include <functional>
#include <optional>

// One run of an external program, with its standard input closed from the start: nothing is ever
// sent, and a program that reads its input must see its end instead of waiting for it.
//
// Run it blocking with run(), in the background with runInBackground(), or start() it and either
// wait for the finished() signal or take its standard output as it arrives: waitForOutput(), then
// readOutput(), until waitForFinished() gives the rest with the outcome. Every wait is without
// a time limit.
class ProgramRun : public QObject
{
    Q_OBJECT

public:
    // An empty working directory is the current one.
    ProgramRun(const QString &program, const QStringList &arguments,
               const QString &workingDirectory = QString(), QObject *parent = nullptr);
    // Ends a program still running, without a word from finished().
    ~ProgramRun() override;

    static ProgramResult run(const QString &program, const QStringList &arguments,
                             const QString &workingDirectory = QString());
    // `done` gets the outcome once. The run belongs to `context`: when that goes first, the
    // program is ended and `done` is never called.
    static void runInBackground(const QString &program, const QStringList &arguments,
                                QObject *context,
                                const std::function<void(const ProgramResult &)> &done);

    void start();
    // False once the program has ended or could not start.
    bool waitForOutput();
    // Appends the standard output that has arrived to the buffer.
    void readOutput(QByteArray &buffer);
    // The outcome; its standard output is what readOutput() did not take.
    ProgramResult waitForFinished();

signals:
    // Once, when the program has ended or could not start.
    void finished(const ProgramResult &result);

private:
    void onErrorOccurred(QProcess::ProcessError error);
    void onFinished(int exitCode, QProcess::ExitStatus exitStatus);
    void end(ProgramResult result);

    QProcess m_process;
    std::optional<ProgramResult> m_result;
};
