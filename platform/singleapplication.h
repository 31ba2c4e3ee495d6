#pragma once

#include <QApplication>
#include <QPointer>

#include <memory>

class QLocalServer;
class QLocalSocket;
class QLockFile;

// One running instance per user and program: later starts find it running and send it a
// message, which brings its activation window to the front.
class SingleApplication : public QApplication
{
    Q_OBJECT

public:
    // Instances of the same program file belong together. The GUI is always enabled: the flag
    // is taken for the usual signature's sake.
    SingleApplication(int &argc, char **argv, bool guiEnabled = true);
    // Instances with the same id belong together, whatever their program file.
    SingleApplication(const QString &id, int &argc, char **argv);
    ~SingleApplication() override;

    // True when another live instance held the place when this one started.
    bool isRunning() const;
    // Returns whether the running instance took the message within the time-out (milliseconds).
    bool sendMessage(const QString &message, int timeout = 5000);
    void setActivationWindow(QWidget *window, bool activateOnMessage = true);
    QWidget *activationWindow() const;

public slots:
    void activateWindow();

signals:
    void messageReceived(const QString &message);

private:
    void claimInstance(const QString &id);
    void listen();
    void onNewConnection();
    void onMessageData(QLocalSocket *socket);

    std::unique_ptr<QLockFile> lockFile;
    QLocalServer *server = nullptr;
    QString serverName;
    QPointer<QWidget> window;
    bool activateOnMessage = false;
    bool running = false;
};
