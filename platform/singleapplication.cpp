#include "platform/singleapplication.h"

#include <QCryptographicHash>
#include <QDataStream>
#include <QDeadlineTimer>
#include <QDir>
#include <QFileInfo>
#include <QLocalServer>
#include <QLocalSocket>
#include <QLockFile>
#include <QThread>
#include <QWidget>

#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>

namespace {
constexpr QDataStream::Version streamVersion = QDataStream::Qt_5_0;
constexpr char acknowledgement = '\x06';
constexpr int connectRetryDelay = 100;

// A directory only this user can reach, so that nobody else can hold our lock or our socket
// name. Empty when it cannot be made safely.
QString privateDirectory()
{
    const QString path = QDir::tempPath() + QStringLiteral("/tamzor-single-%1").arg(geteuid());
    if (::mkdir(QFile::encodeName(path).constData(), 0700) != 0 && errno != EEXIST)
        return {};
    struct stat status = {};
    if (::lstat(QFile::encodeName(path).constData(), &status) != 0)
        return {};
    const bool ours = S_ISDIR(status.st_mode) && status.st_uid == geteuid() &&
                      (status.st_mode & (S_IRWXG | S_IRWXO)) == 0;
    return ours ? path : QString();
}

QString instanceKey(const QString &id)
{
    const QByteArray hash = QCryptographicHash::hash(id.toUtf8(), QCryptographicHash::Sha1);
    return QString::fromLatin1(hash.toHex().left(16));
}

bool connectWithin(QLocalSocket &socket, const QString &name, const QDeadlineTimer &deadline)
{
    // The running instance may hold the lock but not listen yet when both start together.
    forever
    {
        socket.connectToServer(name);
        if (socket.waitForConnected(int(deadline.remainingTime())))
            return true;
        socket.abort();
        if (deadline.hasExpired())
            return false;
        const qint64 remaining = deadline.remainingTime();
        QThread::msleep(remaining < 0 ? connectRetryDelay
                                      : qMin<qint64>(remaining, connectRetryDelay));
    }
}
} // namespace

SingleApplication::SingleApplication(int &argc, char **argv, bool guiEnabled)
    : QApplication(argc, argv)
{
    Q_UNUSED(guiEnabled)
    claimInstance(QFileInfo(applicationFilePath()).canonicalFilePath());
}

SingleApplication::SingleApplication(const QString &id, int &argc, char **argv)
    : QApplication(argc, argv)
{
    claimInstance(id);
}

SingleApplication::~SingleApplication()
{
    if (server)
        server->close();
    lockFile.reset();
}

void SingleApplication::claimInstance(const QString &id)
{
    const QString directory = privateDirectory();
    if (directory.isEmpty()) {
        qWarning("No private place for the single-instance lock; running without one.");
        return;
    }
    const QString key = instanceKey(id);
    serverName = directory + QLatin1Char('/') + key;
    lockFile = std::make_unique<QLockFile>(serverName + QStringLiteral(".lock"));
    // Only a live holder counts: QLockFile takes over the lock of a process that has gone.
    lockFile->setStaleLockTime(0);
    if (lockFile->tryLock(0)) {
        listen();
        return;
    }
    running = lockFile->error() == QLockFile::LockFailedError;
}

void SingleApplication::listen()
{
    // We hold the lock, so a socket left under this name belongs to an instance that crashed.
    QLocalServer::removeServer(serverName);
    server = new QLocalServer(this);
    server->setSocketOptions(QLocalServer::UserAccessOption);
    connect(server, &QLocalServer::newConnection, this, &SingleApplication::onNewConnection);
    if (!server->listen(serverName))
        qWarning("Single instance: cannot listen for messages: %s",
                 qPrintable(server->errorString()));
}

bool SingleApplication::isRunning() const
{
    return running;
}

bool SingleApplication::sendMessage(const QString &message, int timeout)
{
    if (!running)
        return false;
    const QDeadlineTimer deadline(timeout);
    QLocalSocket socket;
    if (!connectWithin(socket, serverName, deadline))
        return false;
    QDataStream out(&socket);
    out.setVersion(streamVersion);
    out << message;
    if (!socket.waitForBytesWritten(int(deadline.remainingTime())))
        return false;
    while (socket.bytesAvailable() < 1) {
        if (!socket.waitForReadyRead(int(deadline.remainingTime())))
            return false;
    }
    char answer = 0;
    return socket.getChar(&answer) && answer == acknowledgement;
}

void SingleApplication::setActivationWindow(QWidget *window, bool activateOnMessage)
{
    this->window = window;
    this->activateOnMessage = activateOnMessage;
}

QWidget *SingleApplication::activationWindow() const
{
    return window;
}

void SingleApplication::activateWindow()
{
    if (!window)
        return;
    window->setWindowState(window->windowState() & ~Qt::WindowMinimized);
    window->show();
    window->raise();
    window->activateWindow();
}

void SingleApplication::onNewConnection()
{
    while (QLocalSocket *socket = server->nextPendingConnection()) {
        connect(socket, &QLocalSocket::disconnected, socket, &QObject::deleteLater);
        connect(socket, &QLocalSocket::readyRead, this, [this, socket] { onMessageData(socket); });
        if (socket->bytesAvailable() > 0)
            onMessageData(socket);
    }
}

void SingleApplication::onMessageData(QLocalSocket *socket)
{
    QDataStream in(socket);
    in.setVersion(streamVersion);
    in.startTransaction();
    QString message;
    in >> message;
    if (!in.commitTransaction())
        return;
    socket->putChar(acknowledgement);
    socket->flush();
    socket->disconnectFromServer();
    emit messageReceived(message);
    if (activateOnMessage)
        activateWindow();
}
