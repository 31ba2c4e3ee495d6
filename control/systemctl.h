#pragma once

#include <QObject>

// Starts, stops and restarts the bind9 service through the service manager.
class SystemCtl : public QObject
{
    Q_OBJECT

public:
    explicit SystemCtl(QObject *parent = nullptr);

    bool checkActive();

public slots:
    void start();
    void stop();
    void restart();

signals:
    void active(bool active);
    void error(QString error);

private:
    void runCommand(const QString &command);
};
