#pragma once

#include <QByteArray>
#include <QMap>
#include <QString>
#include <QStringList>

// A private world for the tests that touch the server's fixed paths: a mount namespace of this
// process alone, temporary directories mounted on /etc/bind, on named's /var/cache/bind and
// /run/named and on /var/backups, and a directory of fake programs first on PATH. Nothing done here
// reaches the machine's own files.
namespace Sandbox {

// Must run before the application object starts any thread. False, with the reason, when the
// namespace cannot be made (no root, no unshare).
bool enter(QString *reason);

// Moves the calling thread, and every program it starts from now on, into a network of its own
// with nothing but a loopback: a server started there answers on 127.0.0.1 to this process alone
// and reaches nothing outside. False, with the reason, when that cannot be done.
bool isolateNetwork(QString *reason);
// Gives the isolated network's loopback one more IPv4 address (127.0.0.2, say), for a second
// server; the network must be isolated first.
bool addLoopbackAddress(const QString &address, QString *reason);

// Empties /etc/bind, named's private directories and the scratch directory, and undoes every
// mount made since enter() (read-only, tmpfs, programs).
void reset();
// Copies the configuration that Debian's bind9 package installs into /etc/bind.
void installDebianDefaults();

void writeFile(const QString &path, const QByteArray &bytes);
// Every entry below /etc/bind and the scratch directory with its bytes, so that a failed step can
// be shown to have left no byte changed and nothing behind.
QMap<QString, QByteArray> snapshot();
QByteArray readFile(const QString &path);

// Mounts /etc/bind read-only (or a fresh tmpfs of the given size on it) until reset().
void makeReadOnly(const QString &path = QStringLiteral("/etc/bind"));
void mountTmpfs(const QString &path, int kilobytes);
// Puts a shell script in place of a program (for a crash, a refusal) until reset().
void replaceProgram(const QString &program, const QByteArray &script);
// Hides a program, as if it were not installed, until reset().
void removeProgram(const QString &program);

// A private scratch directory beside the sandbox, outside /etc/bind.
QString scratchDirectory();

// The fake systemctl that stands first on PATH: it logs its arguments, keeps the service state
// in a file and answers with the exit codes and messages set here.
namespace Systemctl {
void reset();
void setActive(bool active);
// The next runs of `command` (start, stop, restart, is-active) end with this code and print
// this text on standard error.
void setAnswer(const QString &command, int exitCode, const QByteArray &standardError = {});
// A shell script run by `command` before it answers (the end-to-end test starts named here); when
// the script fails, systemctl fails with its exit code.
void setHook(const QString &command, const QByteArray &script);
QStringList calls();
} // namespace Systemctl

} // namespace Sandbox
