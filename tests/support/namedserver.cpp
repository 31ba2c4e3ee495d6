#include "namedserver.h"

#include "sandbox.h"

#include <QFile>
#include <QHostAddress>
#include <QProcess>
#include <QRegularExpression>
#include <QTcpServer>
#include <QtGlobal>

#include <unistd.h>

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
	%2
	dnssec-validation no;
	forwarders { 127.0.0.1 port %1; };
	forward only;
};
)");
const QString noNotify = QStringLiteral("notify no;");
const QString notifyPeer = QStringLiteral("notify explicit;\n\talso-notify { %1 port %2; };");

// The peer keeps every file in its own directory and speaks from its own address only.
const QString peerOptionsText = QStringLiteral(R"(options {
	directory "%3";
	pid-file "%3/named.pid";
	lock-file "%3/named.lock";
	session-keyfile "%3/session.key";
	listen-on port %1 { %2; };
	listen-on-v6 { none; };
	query-source address %2;
	transfer-source %2;
	notify-source %2;
	recursion no;
	notify explicit;
	dnssec-validation no;
	forwarders { %2 port %1; };
	forward only;
};

controls { };
)");
const QString peerSecondaryZone = QStringLiteral(
    "zone \"%1\" { type slave; masters { 127.0.0.1 port %2; }; file \"%1.db\"; };\n");
const QString peerPrimaryZone = QStringLiteral("zone \"%1\" { type master; file \"%1.db\"; };\n");

// rndc and named's default control channel both take this file, as Debian sets them up.
const QByteArray rndcKey = "key \"rndc-key\" {\n\talgorithm hmac-sha256;\n\tsecret "
                           "\"dGhlIGVuZC10by1lbmQgdGVzdCdzIHJuZGMga2V5IQ==\";\n};\n";

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
    for i in $(seq "$1"); do alive || return 0; sleep 0.05; done
    ! alive
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
    for i in $(seq 200); do
        tail -n "+$from" "$log" | grep -q ' running$' && return 0
        tail -n "+$from" "$log" | grep -q 'exiting (due to' && break
        sleep 0.05
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

const QRegularExpression outgoingQueryExpression(
    QStringLiteral("resolving|priming|notif(y|ies)|transfer|refresh|unreachable|lame|forward"),
    QRegularExpression::CaseInsensitiveOption);

[[noreturn]] void fail(const QString &what)
{
    throw std::runtime_error(what.toStdString());
}

} // namespace

const QString NamedServer::peerAddress = QStringLiteral("127.0.0.2");

NamedServer::NamedServer()
{
    if (!runDirectory.isValid())
        fail(QStringLiteral("no temporary directory for named"));
    static const bool isolated = [] {
        QString reason;
        if (!Sandbox::isolateNetwork(&reason))
            qWarning("named will share the machine's loopback: %s", qPrintable(reason));
        return true;
    }();
    Q_UNUSED(isolated)
    QTcpServer tcp;
    if (!tcp.listen(QHostAddress::LocalHost, 0))
        fail(QStringLiteral("no free port on 127.0.0.1"));
    serverPort = tcp.serverPort();
    tcp.close();
    startGuard(false);
    // Sandbox::reset() removes the hooks.
    Sandbox::Systemctl::setHook(QStringLiteral("start"), script("start_named\n"));
    Sandbox::Systemctl::setHook(QStringLiteral("stop"), script(stopBody));
    Sandbox::Systemctl::setHook(QStringLiteral("restart"), script("stop_named && start_named\n"));
    Sandbox::Systemctl::setHook(QStringLiteral("is-active"), script(isActiveBody));
}

NamedServer::~NamedServer()
{
    QString error;
    if (!runScript(stopBody, false, &error) || (peerStarted && !runScript(stopBody, true, &error)))
        qWarning("named could not be stopped: %s", qPrintable(error));
}

bool NamedServer::runScript(const QByteArray &body, bool peer, QString *error) const
{
    QProcess shell;
    shell.start(QStringLiteral("/bin/sh"),
                {QStringLiteral("-c"), QString::fromUtf8(script(body, peer))});
    const bool done = shell.waitForFinished(30000) && shell.exitStatus() == QProcess::NormalExit &&
                      shell.exitCode() == 0;
    if (error)
        *error = QString::fromUtf8(shell.readAllStandardError());
    return done;
}

void NamedServer::installConfiguration(bool notifyingPeer) const
{
    Sandbox::installDebianDefaults();
    const QString notify = notifyingPeer ? notifyPeer.arg(peerAddress).arg(serverPort) : noNotify;
    Sandbox::writeFile(QStringLiteral("/etc/bind/named.conf.options"),
                       optionsText.arg(serverPort).arg(notify).toUtf8());
    Sandbox::writeFile(QStringLiteral("/etc/bind/rndc.key"), rndcKey);
}

void NamedServer::startPeer(const QStringList &secondaryZones,
                            const QMap<QString, QByteArray> &primaryZones)
{
    QString reason;
    if (!Sandbox::addLoopbackAddress(peerAddress, &reason))
        fail(QStringLiteral("no address for the peer: ") + reason);
    const QString directory = runDirectory.filePath(QStringLiteral("peer"));
    QString configuration = peerOptionsText.arg(serverPort).arg(peerAddress, directory);
    for (const QString &zone : secondaryZones)
        configuration += peerSecondaryZone.arg(zone).arg(serverPort);
    for (auto it = primaryZones.cbegin(); it != primaryZones.cend(); ++it) {
        configuration += peerPrimaryZone.arg(it.key());
        Sandbox::writeFile(directory + QLatin1Char('/') + it.key() + QStringLiteral(".db"),
                           it.value());
    }
    Sandbox::writeFile(directory + QStringLiteral("/named.conf"), configuration.toUtf8());
    startGuard(true);
    peerStarted = true;
    if (!runScript("start_named\n", true, &reason))
        fail(QStringLiteral("the peer did not start: ") + reason);
}

QStringList NamedServer::query(const QString &name, const QString &type, bool ofPeer,
                               const QString &source) const
{
    QStringList arguments = QStringLiteral("+noall +answer +norecurse +time=2 +tries=1").split(' ');
    arguments << QLatin1Char('@') + (ofPeer ? peerAddress : QStringLiteral("127.0.0.1"))
              << QStringLiteral("-p") << QString::number(serverPort) << name << type;
    if (!source.isEmpty())
        arguments << QStringLiteral("-b") << source;
    QProcess dig;
    dig.start(QStringLiteral("dig"), arguments);
    const bool finished = dig.waitForFinished(10000);
    if (!finished || dig.exitStatus() != QProcess::NormalExit || dig.exitCode() != 0) {
        dig.kill();
        dig.waitForFinished();
        qWarning("dig %s %s got no answer: %s%s", qPrintable(name), qPrintable(type),
                 dig.readAllStandardOutput().constData(), dig.readAllStandardError().constData());
        return {};
    }
    QStringList records = QString::fromUtf8(dig.readAllStandardOutput())
                              .split(QLatin1Char('\n'), Qt::SkipEmptyParts)
                              .filter(QRegularExpression(QStringLiteral("^[^;]")));
    // dig puts tabs between the fields and spaces only inside the data.
    for (QString &record : records)
        record = record.split(QLatin1Char('\t'), Qt::SkipEmptyParts).join(QLatin1Char(' '));
    return records;
}

QString NamedServer::update(const QByteArray &commands) const
{
    QProcess nsupdate;
    nsupdate.start(QStringLiteral("nsupdate"), QStringList());
    nsupdate.write("server 127.0.0.1 " + QByteArray::number(serverPort) + '\n' + commands +
                   "\nsend\n");
    nsupdate.closeWriteChannel();
    if (!nsupdate.waitForFinished(10000) || nsupdate.exitStatus() != QProcess::NormalExit ||
        nsupdate.exitCode() != 0) {
        nsupdate.kill();
        nsupdate.waitForFinished();
        return QStringLiteral("nsupdate failed: ") +
               QString::fromUtf8(nsupdate.readAllStandardOutput() +
                                 nsupdate.readAllStandardError());
    }
    return QString();
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

QByteArray NamedServer::script(const QByteArray &body, bool peer) const
{
    // -g keeps named in the foreground, as -f does, and sends its whole log to standard error, so
    // that nothing goes to the machine's syslog; -4 keeps it off IPv6. The command line holds the
    // port only as a variable, so that looking named up by its command line finds no shell that
    // runs these functions.
    const QByteArray run = QFile::encodeName(runDirectory.path());
    const QByteArray configuration =
        peer ? run + "/peer/named.conf" : QByteArray("/etc/bind/named.conf");
    const QByteArray name = peer ? "peer" : "named";
    return "#!/bin/sh\nport=" + QByteArray::number(serverPort) + "\nrun='" + run +
           "'\npidfile=\"$run/" + name + ".pid\"\nlog=\"$run/" + name +
           ".log\"\ncommand=\"/usr/sbin/named -g -4 -p $port -c " + configuration + "\"\n" +
           scriptFunctions + body;
}

// The guard lives in a session of its own, out of reach of whoever kills the test process and
// its children, and stops named once the test process is gone; it ends with this server.
void NamedServer::startGuard(bool peer) const
{
    QProcess guard;
    guard.setProgram(QStringLiteral("/bin/sh"));
    guard.setArguments({QStringLiteral("-c"),
                        QString::fromUtf8(script("trap '' INT TERM HUP\nwhile kill -0 " +
                                                     QByteArray::number(getpid()) +
                                                     " 2>/dev/null && [ -d \"$run\" ]; do sleep "
                                                     "0.2; done\nstop_named\n",
                                                 peer))});
    guard.setStandardInputFile(QProcess::nullDevice());
    guard.setStandardOutputFile(QProcess::nullDevice());
    guard.setStandardErrorFile(QProcess::nullDevice());
    if (!guard.startDetached())
        fail(QStringLiteral("no process for the named guard"));
}
