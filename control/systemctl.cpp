#include "systemctl.h"

#include "programrun.h"

namespace {
const QString systemctlProgram = QStringLiteral("systemctl");
const QString serviceUnit = QStringLiteral("bind9");
const QString isActiveCommand = QStringLiteral("is-active");
const QString quietOption = QStringLiteral("--quiet");
const QString startCommand = QStringLiteral("start");
const QString stopCommand = QStringLiteral("stop");
const QString restartCommand = QStringLiteral("restart");
} // namespace

SystemCtl::SystemCtl(QObject *parent) : QObject(parent) {}

bool SystemCtl::checkActive()
{
    const bool isActive =
        ProgramRun::run(systemctlProgram, {isActiveCommand, serviceUnit, quietOption}).succeeded();
    emit active(isActive);
    return isActive;
}

void SystemCtl::start()
{
    runCommand(startCommand);
}

void SystemCtl::stop()
{
    runCommand(stopCommand);
}

void SystemCtl::restart()
{
    runCommand(restartCommand);
}

void SystemCtl::runCommand(const QString &command)
{
    const ProgramResult result = ProgramRun::run(systemctlProgram, {command, serviceUnit});
    if (!result.succeeded())
        emit error(result.failure());
    checkActive();
}
