#include "checkzone.h"

namespace {
const QString checkZoneProgram = QStringLiteral("/usr/bin/named-checkzone");
const QString fullCheckOption = QStringLiteral("-i");
const QString fullCheckMode = QStringLiteral("full");

QStringList checkZoneArguments(const QString &zoneName, const QString &fileName)
{
    return {fullCheckOption, fullCheckMode, zoneName, fileName};
}
} // namespace

CheckZone::CheckZone(QObject *parent) : Checker(checkZoneProgram, parent) {}

CheckResult CheckZone::checkZone(const QString &zoneName, const QString &fileName)
{
    return check(checkZoneArguments(zoneName, fileName));
}

void CheckZone::requestCheckZone(QString domain, QString filename)
{
    request(checkZoneArguments(domain, filename));
}

void CheckZone::emitVerdict(bool noerror, const QString &report)
{
    emit zoneChecked(noerror, report);
}
