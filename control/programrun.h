#pragma once

#include "programresult.h"

#include <QObject>
#include <QSocketNotifier>
#include <QStringList>

#include <sys/types.h>

#include <functional>
#include <memory>
#include <optional>
#include <thread>

// One run of an external program. Its standard input is closed from the start, so that a program
// that reads it sees its end instead of waiting, unless bytes are given for it to read.
//
// Run it blocking with run(), in the background with runInBackground(), or start() it and either
// wait for the finished() signal or take its standard output as it arrives: waitForOutput() or
// outputReady(), then readOutput(), until waitForFinished() or finished() gives the rest with the
// outcome. Every wait is without a time limit. The signals come from the event loop when they
// were connected before the start.
//
// The program is spawned without copying this process: a fork of an application that holds a big
// zone would copy its page tables and make its next writes to every page fault.
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
    // One of the program's output pipes, read as its bytes come.
    struct Stream
    {
        int handle = -1;
        QByteArray bytes;
        std::unique_ptr<QSocketNotifier> notifier;
    };

    void launch(bool withInput);
    // Takes what the pipe holds; at its end the pipe is closed.
    static void take(Stream &stream);
    // Waits for output or the end; false once the program has ended.
    bool waitOnce();
    void onOutput();
    void onExit();
    void end(ProgramResult result);

    QString m_program;
    QStringList m_arguments;
    QString m_directory;
    pid_t m_pid = 0;
    // Readable once the program has ended; -1 where the system has none.
    int m_exitHandle = -1;
    std::unique_ptr<QSocketNotifier> m_exitNotifier;
    Stream m_output;
    Stream m_error;
    QString m_startError;
    std::optional<ProgramResult> m_result;
    // The writing end of the program's standard input until feed() takes it.
    int m_input = -1;
    std::thread m_feeder;
};
