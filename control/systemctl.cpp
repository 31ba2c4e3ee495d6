#include "systemctl.h"

#include "programrun.h"

#include <QProcess>

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
        QProcess::execute(systemctlProgram, {isActiveCommand, serviceUnit, quietOption}) == 0;
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
    const ProgramRun run = ProgramRun::run(systemctlProgram, {command, serviceUnit});
    switch (run.outcome) {
    case ProgramRun::NotStarted:
        emit error(tr("Failed to start %1: %2").arg(systemctlProgram, run.errorString));
        break;
    case ProgramRun::Crashed:
        emit error(tr("Process crashed"));
        break;
    case ProgramRun::Exited:
        if (run.exitCode != 0)
            emit error(
                tr("Systemctl exited with code %1.\n%2")
                    .arg(QString::number(run.exitCode), programOutputText(run.standardError)));
        break;
    }
    checkActive();
}
