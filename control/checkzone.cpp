#include "checkzone.h"

#include "programrun.h"

namespace {
const QString checkZoneProgram = QStringLiteral("/usr/bin/named-checkzone");
const QString fullCheckOption = QStringLiteral("-i");
const QString fullCheckMode = QStringLiteral("full");

QStringList checkZoneArguments(const QString &zoneName, const QString &fileName)
{
    return {fullCheckOption, fullCheckMode, zoneName, fileName};
}
} // namespace

CheckZone::CheckZone(QObject *parent) : QObject(parent)
{
    process.setProgram(checkZoneProgram);
    connect(&process, &QProcess::errorOccurred, this, &CheckZone::onErrorOccurred);
    connect(&process, QOverload<int, QProcess::ExitStatus>::of(&QProcess::finished), this,
            &CheckZone::onProcessFinished);
}

CheckResult CheckZone::checkZone(const QString &zoneName, const QString &fileName)
{
    const ProgramRun run =
        ProgramRun::run(checkZoneProgram, checkZoneArguments(zoneName, fileName));
    CheckResult result;
    switch (run.outcome) {
    case ProgramRun::NotStarted:
        result.report = tr("Failed to start %1: %2").arg(checkZoneProgram, run.errorString);
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

void CheckZone::requestCheckZone(QString domain, QString filename)
{
    process.setArguments(checkZoneArguments(domain, filename));
    process.start(QIODevice::ReadWrite);
}

void CheckZone::onProcessFinished(int exitCode, QProcess::ExitStatus exitStatus)
{
    if (exitStatus != QProcess::NormalExit) {
        emit processError(tr("Process crashed"));
        return;
    }
    emit zoneChecked(exitCode == 0, programOutputText(process.readAll()));
}

void CheckZone::onErrorOccurred(QProcess::ProcessError error)
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
