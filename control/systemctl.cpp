#include "systemctl.h"

#include "programrun.h"
#include "rndc.h"

namespace {
// Looked up on PATH, where the administrator's service manager is.
const QString systemctlProgram = QStringLiteral("systemctl");
const QString serviceUnit = QStringLiteral("bind9");
const QString isActiveCommand = QStringLiteral("is-active");
const QString quietOption = QStringLiteral("--quiet");
const QString statusCommand = QStringLiteral("status");
const QString noPagerOption = QStringLiteral("--no-pager");
// `systemctl status` tells the state of a unit that exists by the codes up to this one.
const int lastStateCode = 3;

QStringList commandArguments(SystemCtl::Command command)
{
    static const QString names[] = {QStringLiteral("start"), QStringLiteral("stop"),
                                    QStringLiteral("restart")};
    return {names[int(command)], serviceUnit};
}

const QStringList isActiveArguments = {isActiveCommand, serviceUnit, quietOption};
} // namespace

SystemCtl::SystemCtl(QObject *parent) : QObject(parent) {}

bool SystemCtl::checkActive()
{
    const bool isActive = ProgramRun::run(systemctlProgram, isActiveArguments).succeeded();
    emit active(isActive);
    return isActive;
}

void SystemCtl::refreshActive()
{
    refreshActiveThen([] {});
}

bool SystemCtl::isBusy() const
{
    return m_busy;
}

bool SystemCtl::runSync(Command command, QString *error)
{
    if (refuseWhileBusy(error))
        return false;
    if (command == Command::Reload) {
        const Rndc::Result result = Rndc::reload();
        if (error)
            *error = result.ok() ? QString() : result.failure();
        return result.ok();
    }
    const ProgramResult result = ProgramRun::run(systemctlProgram, commandArguments(command));
    if (error)
        *error = result.failure();
    return result.succeeded();
}

bool SystemCtl::status(QString *report, QString *error)
{
    const ProgramResult result =
        ProgramRun::run(systemctlProgram, {statusCommand, serviceUnit, noPagerOption});
    const bool told = result.status == ProgramResult::Exited && result.exitCode <= lastStateCode;
    if (report)
        *report = told ? result.outputText() : QString();
    if (error)
        *error = told ? QString() : result.failure();
    return told;
}

void SystemCtl::start()
{
    runCommand(Command::Start);
}

void SystemCtl::stop()
{
    runCommand(Command::Stop);
}

void SystemCtl::restart()
{
    runCommand(Command::Restart);
}

void SystemCtl::reload()
{
    runCommand(Command::Reload);
}

void SystemCtl::runCommand(Command command)
{
    QString refusal;
    if (refuseWhileBusy(&refusal)) {
        emit error(refusal);
        return;
    }
    setBusy(true);
    if (command == Command::Reload) {
        Rndc::reloadInBackground(this, [this](const Rndc::Result &result) {
            if (result.ok())
                emit reloaded(result.message);
            else
                emit error(result.failure());
            refreshActiveThen([this] { setBusy(false); });
        });
        return;
    }
    ProgramRun::runInBackground(systemctlProgram, commandArguments(command), this,
                                [this](const ProgramResult &result) {
                                    if (!result.succeeded())
                                        emit error(result.failure());
                                    refreshActiveThen([this] { setBusy(false); });
                                });
}

void SystemCtl::refreshActiveThen(const std::function<void()> &afterwards)
{
    ProgramRun::runInBackground(systemctlProgram, isActiveArguments, this,
                                [this, afterwards](const ProgramResult &result) {
                                    emit active(result.succeeded());
                                    afterwards();
                                });
}

void SystemCtl::setBusy(bool busy)
{
    m_busy = busy;
    emit busyChanged(busy);
}

bool SystemCtl::refuseWhileBusy(QString *error)
{
    if (m_busy && error)
        *error = tr("Another command for %1 is still running; try again when it has ended.")
                     .arg(serviceUnit);
    return m_busy;
}
