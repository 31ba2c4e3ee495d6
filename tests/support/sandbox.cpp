#include "sandbox.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include <arpa/inet.h>
#include <net/if.h>
#include <netinet/in.h>
#include <sched.h>
#include <sys/ioctl.h>
#include <sys/mount.h>
#include <sys/socket.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <functional>
#include <memory>
#include <stdexcept>

namespace {

const QString bindDirectory = QStringLiteral("/etc/bind");
// named's working directory and the home of its pid, lock and session key files, and the home of
// the application's backups: whatever is started in the sandbox writes there and nowhere on the
// machine.
const QStringList namedDirectories = {QStringLiteral("/var/cache/bind"),
                                      QStringLiteral("/run/named"), QStringLiteral("/var/backups")};

std::unique_ptr<QTemporaryDir> root;
QStringList mounts; // newest last

void check(bool ok, const QString &what)
{
    if (!ok)
        throw std::runtime_error(what.toStdString() + ": " + strerror(errno));
}

bool succeeds(QString *reason, const std::function<void()> &steps)
{
    try {
        steps();
        return true;
    } catch (const std::exception &error) {
        if (reason)
            *reason = QString::fromStdString(error.what());
        return false;
    }
}

// Runs the requests on a socket for the network's settings; false from them fails with errno.
void onControlSocket(const QString &what, const std::function<bool(int)> &requests)
{
    const int control = socket(AF_INET, SOCK_DGRAM | SOCK_CLOEXEC, 0);
    check(control >= 0, QStringLiteral("socket"));
    const bool done = requests(control);
    const int error = errno;
    close(control);
    errno = error;
    check(done, what);
}

void doMount(const QString &source, const QString &target, const char *type, unsigned long flags,
             const char *data = nullptr)
{
    const QByteArray from = QFile::encodeName(source);
    check(mount(source.isEmpty() ? nullptr : from.constData(),
                QFile::encodeName(target).constData(), type, flags, data) == 0,
          QStringLiteral("mount %1 on %2").arg(source, target));
}

void trackedMount(const QString &source, const QString &target, const char *type = nullptr,
                  unsigned long flags = MS_BIND, const char *data = nullptr)
{
    doMount(source, target, type, flags, data);
    mounts.append(target);
}

void emptyDirectory(const QString &path)
{
    const auto entries =
        QDir(path).entryInfoList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden);
    for (const QFileInfo &entry : entries) {
        if (entry.isDir() && !entry.isSymLink())
            QDir(entry.filePath()).removeRecursively();
        else
            QFile::remove(entry.filePath());
    }
}

void copyDirectoryFiles(const QString &from, const QString &to)
{
    QDir().mkpath(to);
    for (const QFileInfo &entry : QDir(from).entryInfoList(QDir::Files)) {
        QFile::remove(QDir(to).filePath(entry.fileName()));
        QFile::copy(entry.filePath(), QDir(to).filePath(entry.fileName()));
    }
}

void mountNamedDirectories()
{
    for (const QString &path : namedDirectories) {
        const QString source = root->filePath(QFileInfo(path).fileName());
        QDir().mkpath(source);
        // /run/named is made by the service at boot and may be missing: a private /run gives it
        // a place without creating it on the machine. A missing /var/cache/bind stays missing:
        // named then fails, and writes nothing.
        if (!QFileInfo(path).isDir()) {
            if (!path.startsWith(QLatin1String("/run/")))
                continue;
            doMount(QStringLiteral("tmpfs"), QStringLiteral("/run"), "tmpfs", 0, "size=1024k");
            QDir().mkpath(path);
        }
        doMount(source, path, nullptr, MS_BIND);
    }
}

void writeExecutable(const QString &path, const QByteArray &script)
{
    Sandbox::writeFile(path, script);
    QFile::setPermissions(path, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner |
                                    QFile::ReadOther | QFile::ExeOther);
}

const QByteArray fakeSystemctl = R"SH(#!/bin/sh
state="$(dirname "$0")/../systemctl"
echo "$*" >> "$state/calls"
command="$1"
if [ -x "$state/$command.hook" ]; then "$state/$command.hook" || exit $?; fi
if [ -f "$state/$command.stderr" ]; then cat "$state/$command.stderr" >&2; fi
if [ -f "$state/$command.exit" ]; then exit "$(cat "$state/$command.exit")"; fi
case "$command" in
  is-active) [ -f "$state/active" ] && exit 0 || exit 3 ;;
  start|restart) touch "$state/active" ;;
  stop) rm -f "$state/active" ;;
esac
exit 0
)SH";

QString systemctlState(const QString &name = QString())
{
    return root->filePath(QStringLiteral("systemctl/") + name);
}

} // namespace

namespace Sandbox {

bool enter(QString *reason)
{
    root = std::make_unique<QTemporaryDir>();
    const bool entered = succeeds(reason, [] {
        check(root->isValid(), QStringLiteral("temporary directory"));
        // The package's configuration is copied while the machine's /etc/bind is still visible.
        copyDirectoryFiles(bindDirectory, root->filePath(QStringLiteral("debian")));
        QDir().mkpath(root->filePath(QStringLiteral("etc")));
        QDir().mkpath(scratchDirectory());
        check(unshare(CLONE_NEWNS) == 0, QStringLiteral("unshare"));
        doMount(QString(), QStringLiteral("/"), nullptr, MS_REC | MS_PRIVATE);
        check(QFileInfo(bindDirectory).isDir(), bindDirectory + " is missing; install bind9");
        doMount(root->filePath(QStringLiteral("etc")), bindDirectory, nullptr, MS_BIND);
        mountNamedDirectories();
    });
    if (!entered)
        return false;
    const QString bin = root->filePath(QStringLiteral("bin"));
    writeExecutable(bin + QStringLiteral("/systemctl"), fakeSystemctl);
    qputenv("PATH", QFile::encodeName(bin) + ':' + qgetenv("PATH"));
    Systemctl::reset();
    return true;
}

bool isolateNetwork(QString *reason)
{
    return succeeds(reason, [] {
        check(unshare(CLONE_NEWNET) == 0, QStringLiteral("unshare"));
        // A new network starts with its loopback down; up, it has 127.0.0.1 and ::1.
        onControlSocket(QStringLiteral("loopback"), [](int control) {
            ifreq request = {};
            qstrncpy(request.ifr_name, "lo", IFNAMSIZ);
            if (ioctl(control, SIOCGIFFLAGS, &request) != 0)
                return false;
            request.ifr_flags |= IFF_UP;
            return ioctl(control, SIOCSIFFLAGS, &request) == 0;
        });
    });
}

bool addLoopbackAddress(const QString &address, QString *reason)
{
    return succeeds(reason, [&address] {
        onControlSocket(QStringLiteral("address ") + address, [&address](int control) {
            // An alias label of its own keeps the address beside 127.0.0.1 instead of replacing
            // it.
            ifreq request = {};
            const QByteArray label = "lo:" + address.section(QLatin1Char('.'), -1).toLatin1();
            qstrncpy(request.ifr_name, label.constData(), IFNAMSIZ);
            auto *internet = reinterpret_cast<sockaddr_in *>(&request.ifr_addr);
            internet->sin_family = AF_INET;
            return inet_pton(AF_INET, address.toLatin1().constData(), &internet->sin_addr) == 1 &&
                   ioctl(control, SIOCSIFADDR, &request) == 0;
        });
    });
}

void reset()
{
    while (!mounts.isEmpty()) {
        const QString target = mounts.takeLast();
        check(umount2(QFile::encodeName(target).constData(), MNT_DETACH) == 0,
              QStringLiteral("umount ") + target);
    }
    emptyDirectory(bindDirectory);
    for (const QString &path : namedDirectories)
        emptyDirectory(path);
    emptyDirectory(scratchDirectory());
    Systemctl::reset();
}

void installDebianDefaults()
{
    copyDirectoryFiles(root->filePath(QStringLiteral("debian")), bindDirectory);
}

void writeFile(const QString &path, const QByteArray &bytes)
{
    QDir().mkpath(QFileInfo(path).path());
    QFile file(path);
    check(file.open(QIODevice::WriteOnly | QIODevice::Truncate) &&
              file.write(bytes) == bytes.size(),
          QStringLiteral("write ") + path);
}

QByteArray readFile(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

QMap<QString, QByteArray> snapshot()
{
    QMap<QString, QByteArray> entries;
    for (const QString &top : {QStringLiteral("/etc/bind"), scratchDirectory()}) {
        QDirIterator it(top, QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden | QDir::System,
                        QDirIterator::Subdirectories);
        while (it.hasNext()) {
            const QString path = it.next();
            entries.insert(path, readFile(path));
        }
    }
    return entries;
}

void makeReadOnly(const QString &path)
{
    trackedMount(path, path);
    doMount(QString(), path, nullptr, MS_REMOUNT | MS_BIND | MS_RDONLY);
}

void mountTmpfs(const QString &path, int kilobytes)
{
    const QByteArray options = "size=" + QByteArray::number(kilobytes) + 'k';
    trackedMount(QStringLiteral("tmpfs"), path, "tmpfs", 0, options.constData());
}

void replaceProgram(const QString &program, const QByteArray &script)
{
    const QString standIn = scratchDirectory() + '/' + QFileInfo(program).fileName();
    writeExecutable(standIn, script);
    trackedMount(standIn, program);
}

void removeProgram(const QString &program)
{
    // Root may run any file with an execute bit, so the stand-in has none: the start fails as
    // for a missing program.
    replaceProgram(program, QByteArray());
    QFile::setPermissions(scratchDirectory() + '/' + QFileInfo(program).fileName(),
                          QFile::ReadOwner);
}

QString scratchDirectory()
{
    return root->filePath(QStringLiteral("scratch"));
}

namespace Systemctl {

void reset()
{
    QDir(systemctlState()).removeRecursively();
    QDir().mkpath(systemctlState());
}

void setActive(bool active)
{
    if (active)
        writeFile(systemctlState(QStringLiteral("active")), {});
    else
        QFile::remove(systemctlState(QStringLiteral("active")));
}

void setAnswer(const QString &command, int exitCode, const QByteArray &standardError)
{
    writeFile(systemctlState(command + QStringLiteral(".exit")), QByteArray::number(exitCode));
    writeFile(systemctlState(command + QStringLiteral(".stderr")), standardError);
}

void setHook(const QString &command, const QByteArray &script)
{
    writeExecutable(systemctlState(command + QStringLiteral(".hook")), script);
}

QStringList calls()
{
    return QString::fromUtf8(readFile(systemctlState(QStringLiteral("calls"))))
        .split(QLatin1Char('\n'), Qt::SkipEmptyParts);
}

} // namespace Systemctl

} // namespace Sandbox
