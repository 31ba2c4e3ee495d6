#pragma once

#include <QObject>

#include <functional>

// Starts, stops and restarts the bind9 service through the service manager, and has the running
// named reload its configuration and zones through rndc.
//
// The slots return at once: the command runs in the background, between busyChanged(true) and
// busyChanged(false), and ends with error() when it failed and active() with the state it left.
// A command asked for while another runs is refused with error(), not queued: by the time it
// came, the state that made the user ask for it may be gone.
class SystemCtl : public QObject
{
    Q_OBJECT

public:
    enum class Command { Start, Stop, Restart, Reload };

    explicit SystemCtl(QObject *parent = nullptr);

    // Blocking; emits active() as well.
    bool checkActive();
    bool isBusy() const;

    // For a shell: runs the command and waits for it. False, with the reason in *error when
    // given, when it failed. Emits nothing.
    bool runSync(Command command, QString *error = nullptr);
    // What `systemctl status` tells of the service, in *report; false, with the reason in
    // *error, when the service manager could not say.
    bool status(QString *report, QString *error = nullptr);

public slots:
    // Emits active() once the service manager has answered.
    void refreshActive();
    void start();
    void stop();
    void restart();
    // Emits reloaded() with named's answer when done.
    void reload();

signals:
    void active(bool active);
    void reloaded(QString answer);
    void busyChanged(bool busy);
    void error(QString error);

private:
    void runCommand(Command command);
    void refreshActiveThen(const std::function<void()> &afterwards);
    void setBusy(bool busy);
    bool refuseWhileBusy(QString *error);

    bool m_busy = false;
};
