#include "serverpanel.h"

#include "prompts.h"

#include <QAction>
#include <QStatusBar>

ServerPanel::ServerPanel(const Actions &actions, QStatusBar *statusBar, const Prompts &prompts,
                         QObject *parent)
    : QObject(parent), m_actions(actions), m_prompts(prompts)
{
    connect(actions.start, &QAction::triggered, &m_systemCtl, &SystemCtl::start);
    connect(actions.stop, &QAction::triggered, &m_systemCtl, &SystemCtl::stop);
    connect(actions.restart, &QAction::triggered, &m_systemCtl, &SystemCtl::restart);
    connect(&m_systemCtl, &SystemCtl::active, this, &ServerPanel::onServiceActiveChanged);
    connect(&m_systemCtl, &SystemCtl::error, this, &ServerPanel::onSystemCtlError);
    // Another command would be refused meanwhile; the state that this one leaves enables them.
    connect(&m_systemCtl, &SystemCtl::busyChanged, this, [this](bool busy) {
        if (busy) {
            for (QAction *action : {m_actions.start, m_actions.stop, m_actions.restart})
                action->setEnabled(false);
        }
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
    m_zoneChecker.requestCheckZone(zone->name(), zone->filePath());
}

void ServerPanel::onServiceActiveChanged(bool active)
{
    m_stateLabel.setText(active ? tr("BIND server: active") : tr("BIND server: inactive"));
    m_actions.start->setEnabled(!active);
    m_actions.stop->setEnabled(active);
    m_actions.restart->setEnabled(true);
}

void ServerPanel::onSystemCtlError(QString message)
{
    m_prompts.notify(QMessageBox::Critical, tr("Systemctl error"), message);
}

void ServerPanel::onConfChecked(bool noerror, QString report)
{
    Prompts::checkResult(noerror, tr("BIND configuration file syntax is ok."),
                         tr("BIND configuration file contains syntax errors."), report);
}

void ServerPanel::onCheckConfProcessError(QString error)
{
    m_prompts.notify(QMessageBox::Critical, tr("named-checkconf process error"), error);
}

void ServerPanel::onZoneChecked(bool noerror, QString report)
{
    Prompts::checkResult(noerror, tr("Zone file syntax and integrity is ok."),
                         tr("Zone file contains errors."), report);
}

void ServerPanel::onCheckZoneProcessError(QString error)
{
    m_prompts.notify(QMessageBox::Critical, tr("named-checkzone process error"), error);
}
