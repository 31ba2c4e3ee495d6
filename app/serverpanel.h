#pragma once

#include "control/checkconf.h"
#include "control/checkzone.h"
#include "control/systemctl.h"
#include "records/zone.h"

#include <QLabel>
#include <QObject>

class Prompts;
class QAction;
class QStatusBar;

// The window's side of the server: the bind9 service with its state in the status bar, named's
// answers to changes, and BIND's checkers; every program runs in the background and reports in a
// box when it ends.
class ServerPanel : public QObject
{
    Q_OBJECT

public:
    struct Actions
    {
        QAction *start;
        QAction *stop;
        QAction *restart;
        QAction *reload;
        QAction *checkConfig;
    };

    ServerPanel(const Actions &actions, QStatusBar *statusBar, const Prompts &prompts,
                QObject *parent = nullptr);
    ~ServerPanel() override;

    void checkZone(const PZone &zone);

public slots:
    // What named answered to a change in the status bar; a failure offers a restart.
    void showServerNotice(QString message, bool ok);

private slots:
    void onServiceActiveChanged(bool active);
    void onServiceBusyChanged(bool busy);
    void onSystemCtlError(QString message);
    void onConfChecked(bool noerror, QString report);
    void onCheckConfProcessError(QString error);
    void onZoneChecked(bool noerror, QString report);
    void onCheckZoneProcessError(QString error);

private:
    Actions m_actions;
    QStatusBar *m_statusBar;
    const Prompts &m_prompts;
    bool m_active = false;
    SystemCtl m_systemCtl;
    CheckConf m_confChecker;
    CheckZone m_zoneChecker;
    QLabel m_stateLabel;
};
