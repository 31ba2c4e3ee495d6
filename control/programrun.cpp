#include "programrun.h"

#include "common/writeall.h"

#include <QFile>
#include <QMetaMethod>
#include <QTimer>

#include <fcntl.h>
#include <poll.h>
#include <pthread.h>
#include <spawn.h>
#include <sys/syscall.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <csignal>
#include <cstring>
#include <utility>
#include <vector>

namespace {

// What one read takes from a pipe at most.
const int readSize = 1 << 16;
// What the pipes to and from a program hold; the system's usual limit for one.
const int pipeSize = 1 << 20;

void closeHandle(int &handle)
{
    if (handle >= 0)
        ::close(handle);
    handle = -1;
}

// The notifier may be the one whose signal runs now: it goes once that is over.
void dropNotifier(std::unique_ptr<QSocketNotifier> &notifier)
{
    if (!notifier)
        return;
    notifier->setEnabled(false);
    notifier.release()->deleteLater();
}

// How the program ended, once it has: the process is reaped here.
ProgramResult reap(pid_t pid)
{
    ProgramResult result;
    siginfo_t info{};
    int waited;
    do
        waited = ::waitid(P_PID, id_t(pid), &info, WEXITED);
    while (waited != 0 && errno == EINTR);
    result.status =
        waited == 0 && info.si_code == CLD_EXITED ? ProgramResult::Exited : ProgramResult::Crashed;
    result.exitCode = result.status == ProgramResult::Exited ? info.si_status : -1;
    return result;
}

} // namespace

ProgramRun::ProgramRun(const QString &program, const QStringList &arguments,
                       const QString &workingDirectory, QObject *parent)
    : QObject(parent), m_program(program), m_arguments(arguments), m_directory(workingDirectory)
{
}

ProgramRun::~ProgramRun()
{
    m_output.notifier.reset();
    m_error.notifier.reset();
    m_exitNotifier.reset();
    if (m_pid > 0) {
        ::kill(m_pid, SIGKILL);
        reap(m_pid);
    }
    closeHandle(m_output.handle);
    closeHandle(m_error.handle);
    closeHandle(m_exitHandle);
    closeHandle(m_input);
    // The program's end leaves no reader, so the feeder's writes end too.
    if (m_feeder.joinable())
        m_feeder.join();
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
    launch(false);
}

void ProgramRun::start(const QByteArray &input)
{
    startForInput();
    feed(input);
}

void ProgramRun::startForInput()
{
    launch(true);
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

void ProgramRun::launch(bool withInput)
{
    // Every end is closed on exec; the program gets its three as copies that are not.
    int input[2] = {-1, -1};
    int output[2] = {-1, -1};
    int error[2] = {-1, -1};
    if (withInput ? ::pipe2(input, O_CLOEXEC) == 0
                  : (input[0] = ::open("/dev/null", O_RDONLY | O_CLOEXEC)) >= 0) {
        if (::pipe2(output, O_CLOEXEC) != 0 || ::pipe2(error, O_CLOEXEC) != 0)
            closeHandle(output[0]);
    }
    int failure = input[0] >= 0 && output[0] >= 0 && error[0] >= 0 ? 0 : errno;
    if (failure == 0) {
        posix_spawn_file_actions_t actions;
        posix_spawn_file_actions_init(&actions);
        posix_spawn_file_actions_adddup2(&actions, input[0], STDIN_FILENO);
        posix_spawn_file_actions_adddup2(&actions, output[1], STDOUT_FILENO);
        posix_spawn_file_actions_adddup2(&actions, error[1], STDERR_FILENO);
        const QByteArray directory = QFile::encodeName(m_directory);
        if (!directory.isEmpty())
            posix_spawn_file_actions_addchdir_np(&actions, directory.constData());
        // A program writing to a closed pipe ends, whatever this process does with the signal.
        posix_spawnattr_t attributes;
        posix_spawnattr_init(&attributes);
        sigset_t mask;
        sigemptyset(&mask);
        posix_spawnattr_setsigmask(&attributes, &mask);
        sigaddset(&mask, SIGPIPE);
        posix_spawnattr_setsigdefault(&attributes, &mask);
        posix_spawnattr_setflags(&attributes, POSIX_SPAWN_SETSIGMASK | POSIX_SPAWN_SETSIGDEF);
        std::vector<QByteArray> words{QFile::encodeName(m_program)};
        for (const QString &argument : qAsConst(m_arguments))
            words.push_back(QFile::encodeName(argument));
        std::vector<char *> argv;
        for (QByteArray &word : words)
            argv.push_back(word.data());
        argv.push_back(nullptr);
        failure = (m_program.contains(QLatin1Char('/')) ? posix_spawn : posix_spawnp)(
            &m_pid, argv.front(), &actions, &attributes, argv.data(), environ);
        posix_spawnattr_destroy(&attributes);
        posix_spawn_file_actions_destroy(&actions);
    }
    closeHandle(input[0]);
    closeHandle(output[1]);
    closeHandle(error[1]);
    m_input = input[1];
    m_output.handle = output[0];
    m_error.handle = error[0];
    const bool signalled = isSignalConnected(QMetaMethod::fromSignal(&ProgramRun::outputReady)) ||
                           isSignalConnected(QMetaMethod::fromSignal(&ProgramRun::finished));
    if (failure != 0) {
        m_pid = 0;
        closeHandle(m_input);
        closeHandle(m_output.handle);
        closeHandle(m_error.handle);
        m_startError = QString::fromLocal8Bit(std::strerror(failure));
        // As for a program that started, the word comes from the event loop.
        if (signalled)
            QTimer::singleShot(0, this, [this] { waitForFinished(); });
        return;
    }
    ::fcntl(m_output.handle, F_SETFL, O_NONBLOCK);
    ::fcntl(m_error.handle, F_SETFL, O_NONBLOCK);
    // Fewer, larger turns between the program and this one, and room for a moment's delay on
    // either side.
    for (int handle : {m_input, m_output.handle}) {
        if (handle >= 0)
            ::fcntl(handle, F_SETPIPE_SZ, pipeSize);
    }
    m_exitHandle = int(::syscall(SYS_pidfd_open, m_pid, 0));
    if (!signalled)
        return;
    for (Stream *stream : {&m_output, &m_error}) {
        stream->notifier = std::make_unique<QSocketNotifier>(stream->handle, QSocketNotifier::Read);
        connect(stream->notifier.get(), &QSocketNotifier::activated, this, &ProgramRun::onOutput);
    }
    if (m_exitHandle >= 0) {
        m_exitNotifier = std::make_unique<QSocketNotifier>(m_exitHandle, QSocketNotifier::Read);
        connect(m_exitNotifier.get(), &QSocketNotifier::activated, this, &ProgramRun::onExit);
    }
}

void ProgramRun::take(Stream &stream)
{
    char piece[readSize];
    while (stream.handle >= 0) {
        const ssize_t got = ::read(stream.handle, piece, sizeof piece);
        if (got > 0)
            stream.bytes.append(piece, int(got));
        if (got > 0 || (got < 0 && errno == EINTR))
            continue;
        if (got < 0 && errno == EAGAIN)
            return;
        dropNotifier(stream.notifier);
        closeHandle(stream.handle);
    }
}

bool ProgramRun::waitOnce()
{
    if (m_result)
        return false;
    if (m_pid <= 0) {
        ProgramResult result;
        result.errorString = m_startError;
        end(result);
        return false;
    }
    // Without a handle for its end, the program's end is known from its pipes'.
    if (m_output.handle < 0 && m_error.handle < 0 && m_exitHandle < 0) {
        onExit();
        return false;
    }
    pollfd waits[3];
    nfds_t count = 0;
    for (int handle : {m_output.handle, m_error.handle, m_exitHandle}) {
        if (handle >= 0)
            waits[count++] = {handle, POLLIN, 0};
    }
    if (::poll(waits, count, -1) < 0) {
        if (errno == EINTR || errno == EAGAIN)
            return true;
        // Nothing left to wait with: the program's end is waited for as it comes.
        onExit();
        return false;
    }
    take(m_output);
    take(m_error);
    for (nfds_t index = 0; index < count; ++index) {
        if (waits[index].fd == m_exitHandle && waits[index].revents != 0) {
            onExit();
            return false;
        }
    }
    return true;
}

void ProgramRun::onOutput()
{
    const int had = m_output.bytes.size();
    take(m_output);
    take(m_error);
    if (m_output.bytes.size() > had)
        emit outputReady();
    if (m_exitHandle < 0 && m_output.handle < 0 && m_error.handle < 0)
        onExit();
}

void ProgramRun::onExit()
{
    if (m_result || m_pid <= 0)
        return;
    // What the program wrote before it ended is all there.
    take(m_output);
    take(m_error);
    ProgramResult result = reap(std::exchange(m_pid, 0));
    dropNotifier(m_exitNotifier);
    dropNotifier(m_output.notifier);
    dropNotifier(m_error.notifier);
    closeHandle(m_exitHandle);
    closeHandle(m_output.handle);
    closeHandle(m_error.handle);
    result.standardOutput = std::exchange(m_output.bytes, QByteArray());
    result.standardError = std::exchange(m_error.bytes, QByteArray());
    end(result);
}

bool ProgramRun::waitForOutput()
{
    while (!m_result && m_output.bytes.isEmpty())
        waitOnce();
    return !m_result;
}

void ProgramRun::readOutput(QByteArray &buffer)
{
    if (buffer.isEmpty())
        buffer.swap(m_output.bytes);
    else
        buffer += m_output.bytes;
    m_output.bytes.clear();
}

ProgramResult ProgramRun::waitForFinished()
{
    while (!m_result)
        waitOnce();
    return *m_result;
}

void ProgramRun::end(ProgramResult result)
{
    if (m_result)
        return;
    result.program = m_program;
    m_result = result;
    emit finished(*m_result);
}
