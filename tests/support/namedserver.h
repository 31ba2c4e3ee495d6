#pragma once

#include <QByteArray>
#include <QMap>
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
// rndc reaches it as on Debian, through the default control channel and /etc/bind/rndc.key.
class NamedServer
{
public:
    NamedServer();
    ~NamedServer();
    NamedServer(const NamedServer &) = delete;
    NamedServer &operator=(const NamedServer &) = delete;

    static const QString peerAddress; // 127.0.0.2

    // Debian's configuration, with options that keep named to 127.0.0.1 at a port of its own, to
    // its own zones and to the sandbox's files, and the key of rndc's control channel. With
    // `notifyPeer`, named notifies the peer of every change of its zones.
    void installConfiguration(bool notifyPeer = false) const;
    quint16 port() const { return serverPort; }

    // Starts a second named on peerAddress at the same port, outside the sandbox's service: the
    // secondary of `secondaryZones` from the first server, and the primary of `primaryZones`
    // (name and zone text). It goes with this server.
    void startPeer(const QStringList &secondaryZones,
                   const QMap<QString, QByteArray> &primaryZones = {});

    // The answer section of `dig NAME TYPE` asked of this server, or of the peer, one record a
    // line with its fields (owner, TTL, class, type, data) separated by single spaces. Empty,
    // with a warning, when dig gets no reply within two seconds. A source address (of 127/8)
    // picks the view that matches it.
    QStringList query(const QString &name, const QString &type, bool ofPeer = false,
                      const QString &source = QString()) const;
    // What `nsupdate` prints for the commands, sent to this server; empty when it succeeded.
    QString update(const QByteArray &commands) const;

    // The lines named has logged since the first start that tell of it asking or notifying other
    // servers: none are expected.
    QStringList outgoingQueryLog() const;

private:
    // The shell functions for this server or the peer, then the body.
    QByteArray script(const QByteArray &body, bool peer = false) const;
    QString logPath() const;
    void startGuard(bool peer) const;
    bool runScript(const QByteArray &body, bool peer, QString *error = nullptr) const;
    bool peerStarted = false;

    QTemporaryDir runDirectory;
    quint16 serverPort = 0;
};
