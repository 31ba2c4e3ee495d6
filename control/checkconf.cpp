#include "checkconf.h"

#include "common/paths.h"
#include "programrun.h"

namespace {
const QString checkConfProgram = QStringLiteral("/usr/bin/named-checkconf");
} // namespace

CheckConf::CheckConf(QObject *parent) : QObject(parent)
{
    process.setProgram(checkConfProgram);
    connect(&process, &QProcess::errorOccurred, this, &CheckConf::onErrorOccurred);
    connect(&process, QOverload<int, QProcess::ExitStatus>::of(&QProcess::finished), this,
            &CheckConf::onProcessFinished);
}

CheckResult CheckConf::checkConf()
{
    const ProgramRun run = ProgramRun::run(checkConfProgram, {Paths::serverConfiguration()});
    CheckResult result;
    switch (run.outcome) {
    case ProgramRun::NotStarted:
        result.report = tr("Failed to start %1: %2").arg(checkConfProgram, run.errorString);
        break;
    case ProgramRun::Crashed:
        result.report = tr("Process crashed");
        break;
    case ProgramRun::Exited:
        result.completed = true;
        result.ok = run.exitCode == 0;
        result.report = programOutputText(run.standardOutput);
        break;
    }
    return result;
}

void CheckConf::requestCheckConf()
{
    process.setArguments({Paths::serverConfiguration()});
    process.start(QIODevice::ReadWrite);
}

void CheckConf::onProcessFinished(int exitCode, QProcess::ExitStatus exitStatus)
{
    if (exitStatus != QProcess::NormalExit) {
        emit processError(tr("Process crashed"));
        return;
    }
    emit confChecked(exitCode == 0, programOutputText(process.readAll()));
}

void CheckConf::onErrorOccurred(QProcess::ProcessError error)
{
    switch (error) {
    case QProcess::FailedToStart:
        emit processError(tr("Failed to start"));
        return;
    case QProcess::Crashed:
        emit processError(tr("Crashed"));
        return;
    case QProcess::Timedout:
        emit processError(tr("Timedout"));
        return;
    case QProcess::ReadError:
        emit processError(tr("Read error"));
        return;
    case QProcess::WriteError:
        emit processError(tr("Write error"));
        return;
    default:
        emit processError(tr("Unknown error"));
    }
}
