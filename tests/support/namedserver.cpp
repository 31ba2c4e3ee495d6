#include "namedserver.h"

#include "sandbox.h"

#include <QFile>
#include <QHostAddress>
#include <QProcess>
#include <QRegularExpression>
#include <QTcpServer>
#include <QUdpSocket>
#include <QtGlobal>

#include <fcntl.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <stdexcept>

namespace {

// Runtime files go to the sandbox's private /run/named, the working directory is its private
// /var/cache/bind. Should the process share the machine's network after all, the options still
// keep named from asking anyone: no recursion, no notifies, no trust anchor refresh, and
// whatever its own resolver would look up is forwarded to itself, which refuses it.
const QString optionsText = QStringLiteral(R"(options {
	directory "/var/cache/bind";
	pid-file "/run/named/named.pid";
	lock-file "/run/named/named.lock";
	session-keyfile "/run/named/session.key";
	listen-on port %1 { 127.0.0.1; };
	listen-on-v6 { none; };
	recursion no;
	notify no;
	dnssec-validation no;
	forwarders { 127.0.0.1 port %1; };
	forward only;
};

controls { };
)");

// Shell functions shared by the hooks, the guard and the destructor. `alive` matches the command
// line as well as the pid: a zombie has an empty one and a reused pid another.
const QByteArray scriptFunctions = R"SH(
alive() {
    [ -s "$pidfile" ] || return 1
    pid=$(cat "$pidfile")
    [ -r "/proc/$pid/cmdline" ] || return 1
    tr '\0' ' ' < "/proc/$pid/cmdline" | grep -qF "$command"
}

gone_within() {
    tries=0
    while alive; do
        [ "$tries" -ge "$1" ] && return 1
        sleep 0.05
        tries=$((tries + 1))
    done
}

stop_named() {
    if alive; then
        kill -TERM "$pid"
        if ! gone_within 200; then
            kill -KILL "$pid"
            gone_within 40 || { echo "named ($pid) does not stop" >&2; return 1; }
        fi
    fi
    rm -f "$pidfile"
}

start_named() {
    alive && return 0
    cd /
    touch "$log"
    from=$(($(wc -l < "$log") + 1))
    setsid $command < /dev/null >> "$log" 2>&1 &
    echo $! > "$pidfile"
    tries=0
    while [ "$tries" -lt 200 ]; do
        tail -n "+$from" "$log" | grep -q ' running$' && return 0
        tail -n "+$from" "$log" | grep -q 'exiting (due to' && break
        sleep 0.05
        tries=$((tries + 1))
    done
    echo "named did not start:" >&2
    tail -n "+$from" "$log" | tail -n 10 >&2
    stop_named
    return 1
}
)SH";

const QByteArray stopBody = "stop_named\n";
const QByteArray isActiveBody = R"SH(state=$(dirname "$0")
if alive; then touch "$state/active"; else rm -f "$state/active"; fi
)SH";
// The guard reads its standard input, the test process's pipe, until the test process is gone.
const QByteArray guardBody = "trap '' INT TERM HUP\ncat > /dev/null\nstop_named\n";

const QRegularExpression outgoingQueryExpression(
    QStringLiteral("resolving|priming|notif(y|ies)|transfer|refresh|unreachable|lame|forward"),
    QRegularExpression::CaseInsensitiveOption);

[[noreturn]] void fail(const QString &what)
{
    throw std::runtime_error(what.toStdString());
}

bool isolateNetworkOnce()
{
    QString reason;
    if (!Sandbox::isolateNetwork(&reason))
        qWarning("named will share the machine's loopback: %s", qPrintable(reason));
    return true;
}

quint16 choosePort()
{
    for (int attempt = 0; attempt < 20; ++attempt) {
        QTcpServer tcp;
        if (!tcp.listen(QHostAddress::LocalHost, 0))
            continue;
        QUdpSocket udp;
        if (udp.bind(QHostAddress::LocalHost, tcp.serverPort()))
            return tcp.serverPort();
    }
    fail(QStringLiteral("no free port on 127.0.0.1"));
}

bool runScript(const QByteArray &script, QByteArray *standardError = nullptr)
{
    QProcess shell;
    shell.start(QStringLiteral("/bin/sh"), {QStringLiteral("-c"), QString::fromUtf8(script)});
    if (!shell.waitForFinished(30000)) {
        shell.kill();
        shell.waitForFinished();
        return false;
    }
    if (standardError)
        *standardError = shell.readAllStandardError();
    return shell.exitStatus() == QProcess::NormalExit && shell.exitCode() == 0;
}

} // namespace

NamedServer::NamedServer()
{
    if (!runDirectory.isValid())
        fail(QStringLiteral("no temporary directory for named"));
    static const bool isolated = isolateNetworkOnce();
    Q_UNUSED(isolated)
    serverPort = choosePort();
    startGuard();
    // Sandbox::reset() removes the hooks.
    Sandbox::Systemctl::setHook(QStringLiteral("start"), script("start_named\n"));
    Sandbox::Systemctl::setHook(QStringLiteral("stop"), script(stopBody));
    Sandbox::Systemctl::setHook(QStringLiteral("restart"), script("stop_named && start_named\n"));
    Sandbox::Systemctl::setHook(QStringLiteral("is-active"), script(isActiveBody));
}

NamedServer::~NamedServer()
{
    QByteArray standardError;
    if (!runScript(script(stopBody), &standardError))
        qWarning("named could not be stopped: %s", standardError.constData());
    // With nothing left to stop, the guard ends as soon as it reads the end of the pipe.
    if (guardPipe >= 0)
        close(guardPipe);
}

void NamedServer::installConfiguration() const
{
    Sandbox::installDebianDefaults();
    Sandbox::writeFile(QStringLiteral("/etc/bind/named.conf.options"),
                       optionsText.arg(serverPort).toUtf8());
}

QStringList NamedServer::query(const QString &name, const QString &type) const
{
    QProcess dig;
    dig.start(QStringLiteral("dig"),
              {QStringLiteral("@127.0.0.1"), QStringLiteral("-p"), QString::number(serverPort),
               QStringLiteral("+noall"), QStringLiteral("+answer"), QStringLiteral("+norecurse"),
               QStringLiteral("+time=2"), QStringLiteral("+tries=1"), name, type});
    const bool finished = dig.waitForFinished(10000);
    if (!finished || dig.exitStatus() != QProcess::NormalExit || dig.exitCode() != 0) {
        dig.kill();
        dig.waitForFinished();
        qWarning("dig %s %s got no answer: %s%s", qPrintable(name), qPrintable(type),
                 dig.readAllStandardOutput().constData(), dig.readAllStandardError().constData());
        return {};
    }
    QStringList records;
    const QStringList lines = QString::fromUtf8(dig.readAllStandardOutput()).split('\n');
    for (const QString &line : lines) {
        if (line.isEmpty() || line.startsWith(QLatin1Char(';')))
            continue;
        // dig puts tabs between the fields and spaces only inside the data.
        records.append(line.split(QLatin1Char('\t'), Qt::SkipEmptyParts).join(QLatin1Char(' ')));
    }
    return records;
}

QString NamedServer::logPath() const
{
    return runDirectory.filePath(QStringLiteral("named.log"));
}

QStringList NamedServer::outgoingQueryLog() const
{
    return QString::fromUtf8(Sandbox::readFile(logPath()))
        .split(QLatin1Char('\n'))
        .filter(outgoingQueryExpression);
}

QByteArray NamedServer::script(const QByteArray &body) const
{
    // -g keeps named in the foreground, as -f does, and sends its whole log to standard error, so
    // that nothing goes to the machine's syslog; -4 keeps it off IPv6. The command line holds the
    // port only as a variable, so that looking named up by its command line finds no shell that
    // runs these functions.
    return "#!/bin/sh\nport=" + QByteArray::number(serverPort) + "\npidfile='" +
           QFile::encodeName(runDirectory.path()) + "/named.pid'\nlog='" +
           QFile::encodeName(logPath()) +
           "'\ncommand=\"/usr/sbin/named -g -4 -p $port -c /etc/bind/named.conf\"\n" +
           scriptFunctions + body;
}

void NamedServer::startGuard()
{
    const QByteArray guard = script(guardBody);
    int ends[2];
    if (pipe2(ends, O_CLOEXEC) != 0)
        fail(QStringLiteral("no pipe for the named guard"));
    const pid_t child = fork();
    if (child < 0)
        fail(QStringLiteral("no process for the named guard"));
    if (child == 0) {
        // Between fork and exec only async-signal-safe calls: the test may run other threads.
        // A session of its own, orphaned, keeps the guard out of reach of whoever kills the
        // test process and its children.
        if (setsid() < 0 || fork() != 0)
            _exit(0);
        const int null = open("/dev/null", O_RDWR);
        dup2(ends[0], STDIN_FILENO);
        dup2(null, STDOUT_FILENO);
        dup2(null, STDERR_FILENO);
        close_range(3, ~0U, 0);
        execl("/bin/sh", "sh", "-c", guard.constData(), static_cast<char *>(nullptr));
        _exit(127);
    }
    close(ends[0]);
    while (waitpid(child, nullptr, 0) < 0 && errno == EINTR) {
    }
    guardPipe = ends[1];
}
