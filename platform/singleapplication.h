#pragma once

#include <QApplication>

class QLocalServer;
class QLockFile;

// One running instance per user: later starts send a message to it, which brings its activation
// window to the front.
class SingleApplication : public QApplication
{
    Q_OBJECT

public:
    SingleApplication(int &argc, char **argv, bool guiEnabled = true);
    ~SingleApplication() override;

    bool isRunning() const;
    bool sendMessage(const QString &message, int timeout = 5000);
    void setActivationWindow(QWidget *window, bool activateOnMessage = true);
    QWidget *activationWindow() const;

public slots:
    void activateWindow();

signals:
    void messageReceived(const QString &message);

private:
    // implementation left to the platform module
};
