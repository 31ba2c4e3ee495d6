#include "checkzone.h"

#include "programrun.h"

namespace {
const QString checkZoneProgram = QStringLiteral("/usr/bin/named-checkzone");
const QString fullCheckOption = QStringLiteral("-i");
const QString fullCheckMode = QStringLiteral("full");

QStringList checkZoneArguments(const QString &zoneName, const QString &fileName,
                               const QString &checkNames)
{
    QStringList arguments{fullCheckOption, fullCheckMode};
    if (!checkNames.isEmpty())
        arguments << QStringLiteral("-k") << checkNames;
    return arguments << zoneName << fileName;
}
} // namespace

CheckZone::CheckZone(QObject *parent) : Checker(checkZoneProgram, parent) {}

CheckResult CheckZone::checkZone(const QString &zoneName, const QString &fileName,
                                 const QString &checkNames)
{
    return check(checkZoneArguments(zoneName, fileName, checkNames));
}

CheckResult CheckZone::checkText(const QString &zoneName, const QByteArray &text,
                                 const QString &checkNames)
{
    return check(checkZoneArguments(zoneName, ProgramRun::inputPath(), checkNames), text);
}

void CheckZone::requestCheckZone(QString domain, QString filename, QString checkNames)
{
    request(checkZoneArguments(domain, filename, checkNames));
}

void CheckZone::emitVerdict(bool noerror, const QString &report)
{
    emit zoneChecked(noerror, report);
}
