#include "programrun.h"

#include "common/writeall.h"

#include <fcntl.h>
#include <pthread.h>
#include <unistd.h>

#include <algorithm>
#include <csignal>
#include <utility>

ProgramRun::ProgramRun(const QString &program, const QStringList &arguments,
                       const QString &workingDirectory, QObject *parent)
    : QObject(parent)
{
    m_process.setProgram(program);
    m_process.setArguments(arguments);
    m_process.setWorkingDirectory(workingDirectory);
    m_process.setStandardInputFile(QProcess::nullDevice());
    // A crash comes as an error and again as the end: the end alone tells it.
    connect(&m_process, &QProcess::errorOccurred, this, &ProgramRun::onErrorOccurred);
    connect(&m_process, QOverload<int, QProcess::ExitStatus>::of(&QProcess::finished), this,
            &ProgramRun::onFinished);
    connect(&m_process, &QProcess::readyReadStandardOutput, this, &ProgramRun::outputReady);
}

ProgramRun::~ProgramRun()
{
    m_process.disconnect(this);
    if (m_process.state() != QProcess::NotRunning) {
        m_process.kill();
        m_process.waitForFinished(-1);
    }
    // The program's end leaves no reader, so the feeder's writes end too.
    if (m_feeder.joinable())
        m_feeder.join();
    if (m_input >= 0)
        ::close(m_input);
}

ProgramResult ProgramRun::run(const QString &program, const QStringList &arguments,
                              const QString &workingDirectory)
{
    ProgramRun run(program, arguments, workingDirectory);
    run.start();
    return run.waitForFinished();
}

void ProgramRun::runInBackground(const QString &program, const QStringList &arguments,
                                 QObject *context,
                                 const std::function<void(const ProgramResult &)> &done)
{
    auto *run = new ProgramRun(program, arguments, QString(), context);
    connect(run, &ProgramRun::finished, context, [run, done](const ProgramResult &result) {
        // The program's own signal is still on its way out: the run can only go later.
        run->deleteLater();
        done(result);
    });
    run->start();
}

void ProgramRun::start()
{
    m_process.start();
}

void ProgramRun::start(const QByteArray &input)
{
    startForInput();
    feed(input);
}

void ProgramRun::startForInput()
{
    int ends[2];
    if (::pipe2(ends, O_CLOEXEC) != 0) {
        m_process.start();
        return;
    }
    // Fewer, larger turns between the writer and the program.
    ::fcntl(ends[1], F_SETPIPE_SZ, 1 << 20);
    // The program gets the pipe's reading end as its standard input; the writing end stays here.
    m_process.setStandardInputFile(QStringLiteral("/proc/self/fd/%1").arg(ends[0]));
    m_process.start();
    ::close(ends[0]);
    m_input = ends[1];
}

void ProgramRun::feed(const QByteArray &input)
{
    if (m_input < 0 || m_feeder.joinable())
        return;
    m_feeder = std::thread([writing = std::exchange(m_input, -1), input] {
        // A program that ends before it read all makes the writes fail, not end this process.
        sigset_t pipeSignal;
        sigemptyset(&pipeSignal);
        sigaddset(&pipeSignal, SIGPIPE);
        pthread_sigmask(SIG_BLOCK, &pipeSignal, nullptr);
        writeAll(writing, input);
        ::close(writing);
    });
}

bool ProgramRun::waitForOutput()
{
    if (m_result)
        return false;
    if (m_process.state() == QProcess::Starting && !m_process.waitForStarted(-1))
        return false;
    return m_process.waitForReadyRead(-1);
}

void ProgramRun::readOutput(QByteArray &buffer)
{
    const qint64 available = m_process.bytesAvailable();
    if (available <= 0)
        return;
    const int kept = buffer.size();
    buffer.resize(kept + int(available));
    const qint64 taken = m_process.read(buffer.data() + kept, available);
    buffer.resize(kept + int(std::max<qint64>(taken, 0)));
}

ProgramResult ProgramRun::waitForFinished()
{
    if (!m_result && m_process.waitForStarted(-1))
        m_process.waitForFinished(-1);
    if (!m_result)
        onErrorOccurred(QProcess::FailedToStart);
    return *m_result;
}

void ProgramRun::onErrorOccurred(QProcess::ProcessError error)
{
    if (error != QProcess::FailedToStart)
        return;
    ProgramResult result;
    result.errorString = m_process.errorString();
    end(result);
}

void ProgramRun::onFinished(int exitCode, QProcess::ExitStatus exitStatus)
{
    ProgramResult result;
    result.status =
        exitStatus == QProcess::NormalExit ? ProgramResult::Exited : ProgramResult::Crashed;
    result.exitCode = exitCode;
    result.standardOutput = m_process.readAllStandardOutput();
    result.standardError = m_process.readAllStandardError();
    end(result);
}

void ProgramRun::end(ProgramResult result)
{
    if (m_result)
        return;
    result.program = m_process.program();
    m_result = result;
    emit finished(*m_result);
}
