#include "serverpanel.h"

#include "prompts.h"

#include <QAction>
#include <QStatusBar>

ServerPanel::ServerPanel(const Actions &actions, QStatusBar *statusBar, const Prompts &prompts,
                         QObject *parent)
    : QObject(parent), m_actions(actions), m_statusBar(statusBar), m_prompts(prompts)
{
    connect(actions.start, &QAction::triggered, &m_systemCtl, &SystemCtl::start);
    connect(actions.stop, &QAction::triggered, &m_systemCtl, &SystemCtl::stop);
    connect(actions.restart, &QAction::triggered, &m_systemCtl, &SystemCtl::restart);
    connect(actions.reload, &QAction::triggered, &m_systemCtl, &SystemCtl::reload);
    connect(&m_systemCtl, &SystemCtl::active, this, &ServerPanel::onServiceActiveChanged);
    connect(&m_systemCtl, &SystemCtl::error, this, &ServerPanel::onSystemCtlError);
    connect(&m_systemCtl, &SystemCtl::busyChanged, this, &ServerPanel::onServiceBusyChanged);
    connect(&m_systemCtl, &SystemCtl::reloaded, this, [this](const QString &answer) {
        m_statusBar->showMessage(answer.isEmpty() ? tr("named reloaded") : answer);
    });
    connect(actions.checkConfig, &QAction::triggered, &m_confChecker, &CheckConf::requestCheckConf);
    connect(&m_confChecker, &CheckConf::confChecked, this, &ServerPanel::onConfChecked);
    connect(&m_confChecker, &CheckConf::processError, this, &ServerPanel::onCheckConfProcessError);
    connect(&m_zoneChecker, &CheckZone::zoneChecked, this, &ServerPanel::onZoneChecked);
    connect(&m_zoneChecker, &CheckZone::processError, this, &ServerPanel::onCheckZoneProcessError);
    statusBar->addPermanentWidget(&m_stateLabel, 0);
    onServiceActiveChanged(m_systemCtl.checkActive());
}

ServerPanel::~ServerPanel()
{
    // A check still running is killed when its checker goes, and reports that: not to a window
    // that is half gone.
    disconnect(&m_confChecker, nullptr, this, nullptr);
    disconnect(&m_zoneChecker, nullptr, this, nullptr);
}

void ServerPanel::checkZone(const PZone &zone)
{
    m_zoneChecker.requestCheckZone(zone->name(), zone->filePath(), zone->checkNames());
}

void ServerPanel::onServiceActiveChanged(bool active)
{
    m_active = active;
    m_stateLabel.setText(active ? tr("BIND server: active") : tr("BIND server: inactive"));
    // A state that comes while a command runs is not its last word.
    if (m_systemCtl.isBusy())
        return;
    m_actions.start->setEnabled(!active);
    m_actions.stop->setEnabled(active);
    m_actions.restart->setEnabled(true);
    m_actions.reload->setEnabled(active);
}

// Another command would be refused meanwhile; the state that this one leaves enables them.
void ServerPanel::onServiceBusyChanged(bool busy)
{
    if (!busy) {
        onServiceActiveChanged(m_active);
        return;
    }
    for (QAction *action : {m_actions.start, m_actions.stop, m_actions.restart, m_actions.reload})
        action->setEnabled(false);
    m_stateLabel.setText(tr("BIND server: command running..."));
}

void ServerPanel::showServerNotice(QString message, bool ok)
{
    if (ok) {
        m_statusBar->showMessage(message);
        return;
    }
    m_statusBar->clearMessage();
    if (m_prompts.ask(tr("BIND server not told"),
                      message + QStringLiteral("\n\n") +
                          tr("Restart the BIND server, so that it reads every file again?")))
        m_systemCtl.restart();
}

void ServerPanel::onSystemCtlError(QString message)
{
    m_prompts.notify(QMessageBox::Critical, tr("Systemctl error"), message);
}

void ServerPanel::onConfChecked(bool noerror, QString report)
{
    m_prompts.checkResult(noerror, tr("BIND configuration file syntax is ok."),
                          tr("BIND configuration file contains syntax errors."), report);
}

void ServerPanel::onCheckConfProcessError(QString error)
{
    m_prompts.notify(QMessageBox::Critical, tr("named-checkconf process error"), error);
}

void ServerPanel::onZoneChecked(bool noerror, QString report)
{
    m_prompts.checkResult(noerror, tr("Zone file syntax and integrity is ok."),
                          tr("Zone file contains errors."), report);
}

void ServerPanel::onCheckZoneProcessError(QString error)
{
    m_prompts.notify(QMessageBox::Critical, tr("named-checkzone process error"), error);
}
