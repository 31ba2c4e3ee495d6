#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>

// A real named behind the sandbox's fake systemctl, for the end-to-end tests: `start bind9` runs
// named in the foreground on 127.0.0.1 at a port of its own and returns once it answers, `stop`
// ends it and returns once it is gone, `restart` does both and `is-active` tells whether it lives.
// The first server moves the process into a network of its own (Sandbox::isolateNetwork), so
// named reaches nothing but this process. Whatever becomes of the test, even a crash, no named
// outlives it: the destructor stops it, and a guard process stops it when the test process dies.
// Build it in the main thread after Sandbox::reset(), and destroy it before the next reset.
class NamedServer
{
public:
    NamedServer();
    ~NamedServer();
    NamedServer(const NamedServer &) = delete;
    NamedServer &operator=(const NamedServer &) = delete;

    // Debian's configuration, with options that keep named to 127.0.0.1 at a port of its own, to
    // its own zones and to the sandbox's files.
    void installConfiguration() const;

    // The answer section of `dig NAME TYPE` asked of this server, one record a line with its
    // fields (owner, TTL, class, type, data) separated by single spaces. Empty, with a warning,
    // when dig gets no reply within two seconds.
    QStringList query(const QString &name, const QString &type) const;

    // The lines named has logged since the first start that tell of it asking or notifying other
    // servers: none are expected.
    QStringList outgoingQueryLog() const;

private:
    QByteArray script(const QByteArray &body) const;
    QString logPath() const;
    void startGuard() const;

    QTemporaryDir runDirectory;
    quint16 serverPort = 0;
};
