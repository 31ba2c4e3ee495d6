#include "sandbox.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QtGlobal>

#include <net/if.h>
#include <sched.h>
#include <sys/ioctl.h>
#include <sys/mount.h>
#include <sys/socket.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <memory>
#include <stdexcept>

namespace {

const QString bindDirectory = QStringLiteral("/etc/bind");
const QString runDirectory = QStringLiteral("/run");

// Where named keeps its working files and its pid, lock and session key files: a named started
// in the sandbox must write there and nowhere on the machine.
struct NamedDirectory
{
    QString path;
    QString privateName;
    bool madeAtBoot;
};
const NamedDirectory namedDirectories[] = {
    {QStringLiteral("/var/cache/bind"), QStringLiteral("cache"), false},
    {QStringLiteral("/run/named"), QStringLiteral("run"), true},
};

struct State
{
    std::unique_ptr<QTemporaryDir> root;
    QStringList mounts; // newest last
};

State &state()
{
    static State instance;
    return instance;
}

QString rootPath(const QString &name)
{
    return state().root->filePath(name);
}

[[noreturn]] void fail(const QString &what)
{
    throw std::runtime_error(
        QStringLiteral("%1: %2").arg(what, QString::fromLocal8Bit(strerror(errno))).toStdString());
}

void doMount(const QString &source, const QString &target, const char *type, unsigned long flags,
             const char *data = nullptr)
{
    if (mount(source.isEmpty() ? nullptr : QFile::encodeName(source).constData(),
              QFile::encodeName(target).constData(), type, flags, data) != 0)
        fail(QStringLiteral("mount %1 on %2").arg(source, target));
}

void trackedMount(const QString &source, const QString &target, const char *type,
                  unsigned long flags, const char *data = nullptr)
{
    doMount(source, target, type, flags, data);
    state().mounts.append(target);
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

void mountNamedDirectories()
{
    for (const NamedDirectory &directory : namedDirectories) {
        const QString source = rootPath(directory.privateName);
        QDir().mkpath(source);
        // /run/named is made by the service at boot and may be missing; a private /run gives
        // it a place without creating it on the machine. A missing package directory stays
        // missing: named then fails, and writes nothing.
        if (!QFileInfo(directory.path).isDir()) {
            if (!directory.madeAtBoot)
                continue;
            doMount(QStringLiteral("tmpfs"), runDirectory, "tmpfs", 0, "size=1024k");
            QDir().mkpath(directory.path);
        }
        doMount(source, directory.path, nullptr, MS_BIND);
    }
}

// A new network starts with its loopback down; up, it has 127.0.0.1 and ::1.
bool bringLoopbackUp()
{
    const int control = socket(AF_INET, SOCK_DGRAM | SOCK_CLOEXEC, 0);
    if (control < 0)
        return false;
    ifreq request = {};
    qstrncpy(request.ifr_name, "lo", IFNAMSIZ);
    bool up = ioctl(control, SIOCGIFFLAGS, &request) == 0;
    if (up) {
        request.ifr_flags |= IFF_UP;
        up = ioctl(control, SIOCSIFFLAGS, &request) == 0;
    }
    const int error = errno;
    close(control);
    errno = error;
    return up;
}

void writeExecutable(const QString &path, const QByteArray &script)
{
    Sandbox::writeFile(path, script);
    QFile::setPermissions(path, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner |
                                    QFile::ReadGroup | QFile::ExeGroup | QFile::ReadOther |
                                    QFile::ExeOther);
}

void copyDirectoryFiles(const QString &from, const QString &to)
{
    QDir().mkpath(to);
    const auto entries = QDir(from).entryInfoList(QDir::Files);
    for (const QFileInfo &entry : entries) {
        QFile::remove(QDir(to).filePath(entry.fileName()));
        QFile::copy(entry.filePath(), QDir(to).filePath(entry.fileName()));
    }
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

} // namespace

namespace Sandbox {

bool enter(QString *reason)
{
    try {
        state().root = std::make_unique<QTemporaryDir>();
        if (!state().root->isValid())
            fail(QStringLiteral("temporary directory"));
        // The package's configuration is copied while the machine's /etc/bind is still visible.
        copyDirectoryFiles(bindDirectory, rootPath(QStringLiteral("debian")));
        QDir().mkpath(rootPath(QStringLiteral("bind")));
        QDir().mkpath(rootPath(QStringLiteral("scratch")));
        QDir().mkpath(rootPath(QStringLiteral("empty")));
        if (unshare(CLONE_NEWNS) != 0)
            fail(QStringLiteral("unshare"));
        doMount(QString(), QStringLiteral("/"), nullptr, MS_REC | MS_PRIVATE);
        if (!QFileInfo(bindDirectory).isDir())
            fail(QStringLiteral("%1 is missing; install bind9").arg(bindDirectory));
        doMount(rootPath(QStringLiteral("bind")), bindDirectory, nullptr, MS_BIND);
        mountNamedDirectories();
    } catch (const std::exception &error) {
        if (reason)
            *reason = QString::fromStdString(error.what());
        return false;
    }
    const QString bin = rootPath(QStringLiteral("bin"));
    QDir().mkpath(bin);
    writeExecutable(QDir(bin).filePath(QStringLiteral("systemctl")), fakeSystemctl);
    qputenv("PATH", QFile::encodeName(bin) + ':' + qgetenv("PATH"));
    Systemctl::reset();
    return true;
}

void reset()
{
    while (!state().mounts.isEmpty()) {
        const QString target = state().mounts.takeLast();
        if (umount2(QFile::encodeName(target).constData(), MNT_DETACH) != 0)
            fail(QStringLiteral("umount %1").arg(target));
    }
    emptyDirectory(bindDirectory);
    for (const NamedDirectory &directory : namedDirectories)
        emptyDirectory(directory.path);
    QDir scratch(scratchDirectory());
    scratch.removeRecursively();
    QDir().mkpath(scratchDirectory());
    Systemctl::reset();
}

bool isolateNetwork(QString *reason)
{
    try {
        if (unshare(CLONE_NEWNET) != 0)
            fail(QStringLiteral("unshare"));
        if (!bringLoopbackUp())
            fail(QStringLiteral("loopback"));
    } catch (const std::exception &error) {
        if (reason)
            *reason = QString::fromStdString(error.what());
        return false;
    }
    return true;
}

void installDebianDefaults()
{
    copyDirectoryFiles(rootPath(QStringLiteral("debian")), bindDirectory);
}

void writeFile(const QString &path, const QByteArray &bytes)
{
    QDir().mkpath(QFileInfo(path).path());
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) || file.write(bytes) != bytes.size())
        throw std::runtime_error(QStringLiteral("cannot write %1").arg(path).toStdString());
}

QByteArray readFile(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return file.readAll();
}

void makeReadOnly(const QString &path)
{
    trackedMount(path, path, nullptr, MS_BIND);
    doMount(QString(), path, nullptr, MS_REMOUNT | MS_BIND | MS_RDONLY);
}

void mountTmpfs(const QString &path, int kilobytes)
{
    const QByteArray options = "size=" + QByteArray::number(kilobytes) + 'k';
    trackedMount(QStringLiteral("tmpfs"), path, "tmpfs", 0, options.constData());
}

void replaceProgram(const QString &program, const QByteArray &script)
{
    const QString stand = QDir(scratchDirectory()).filePath(QFileInfo(program).fileName());
    writeExecutable(stand, script);
    trackedMount(stand, program, nullptr, MS_BIND);
}

void removeProgram(const QString &program)
{
    // Root may run any file with an execute bit, so the stand-in has none: the start fails as
    // for a missing program.
    replaceProgram(program, QByteArray());
    QFile::setPermissions(QDir(scratchDirectory()).filePath(QFileInfo(program).fileName()),
                          QFile::ReadOwner);
}

QString scratchDirectory()
{
    return rootPath(QStringLiteral("scratch"));
}

namespace Systemctl {

namespace {
QString statePath(const QString &name = QString())
{
    return rootPath(QStringLiteral("systemctl/") + name);
}
} // namespace

void reset()
{
    QDir(statePath()).removeRecursively();
    QDir().mkpath(statePath());
}

void setActive(bool active)
{
    if (active)
        writeFile(statePath(QStringLiteral("active")), {});
    else
        QFile::remove(statePath(QStringLiteral("active")));
}

bool isActive()
{
    return QFile::exists(statePath(QStringLiteral("active")));
}

void setAnswer(const QString &command, int exitCode, const QByteArray &standardError)
{
    writeFile(statePath(command + QStringLiteral(".exit")), QByteArray::number(exitCode));
    writeFile(statePath(command + QStringLiteral(".stderr")), standardError);
}

void setHook(const QString &command, const QByteArray &script)
{
    writeExecutable(statePath(command + QStringLiteral(".hook")), script);
}

QStringList calls()
{
    const QString text = QString::fromUtf8(readFile(statePath(QStringLiteral("calls"))));
    return text.split(QLatin1Char('\n'), Qt::SkipEmptyParts);
}

} // namespace Systemctl

} // namespace Sandbox
