#pragma once

#include "programresult.h"

#include <QObject>
#include <QProcess>
#include <QStringList>

#include <functional>
#include <optional>
#include <thread>

// One run of an external program. Its standard input is closed from the start, so that a program
// that reads it sees its end instead of waiting, unless bytes are given for it to read.
//
// Run it blocking with run(), in the background with runInBackground(), or start() it and either
// wait for the finished() signal or take its standard output as it arrives: waitForOutput() or
// outputReady(), then readOutput(), until waitForFinished() or finished() gives the rest with the
// outcome. Every wait is without a time limit.
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
    // Starts the program with `input` for its standard input, which a thread of its own writes
    // as the program takes it. A program that wants a file's name for it gets inputPath().
    void start(const QByteArray &input);
    // The same in two steps: the program starts and waits for its input, which feed() gives once.
    void startForInput();
    void feed(const QByteArray &input);
    static QString inputPath() { return QStringLiteral("/dev/stdin"); }
    // False once the program has ended or could not start.
    bool waitForOutput();
    // Appends the standard output that has arrived to the buffer.
    void readOutput(QByteArray &buffer);
    // The outcome; its standard output is what readOutput() did not take.
    ProgramResult waitForFinished();

signals:
    // Standard output has arrived, for readOutput().
    void outputReady();
    // Once, when the program has ended or could not start.
    void finished(const ProgramResult &result);

private:
    void onErrorOccurred(QProcess::ProcessError error);
    void onFinished(int exitCode, QProcess::ExitStatus exitStatus);
    void end(ProgramResult result);

    QProcess m_process;
    std::optional<ProgramResult> m_result;
    // The writing end of the program's standard input until feed() takes it.
    int m_input = -1;
    std::thread m_feeder;
};
