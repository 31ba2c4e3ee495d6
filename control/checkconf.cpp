#include "checkconf.h"

#include "common/paths.h"

namespace {
const QString checkConfProgram = QStringLiteral("/usr/bin/named-checkconf");
} // namespace

CheckConf::CheckConf(QObject *parent) : Checker(checkConfProgram, parent) {}

CheckResult CheckConf::checkConf()
{
    return check({Paths::serverConfiguration()});
}

void CheckConf::requestCheckConf()
{
    request({Paths::serverConfiguration()});
}

void CheckConf::emitVerdict(bool ok, const QString &report)
{
    emit confChecked(ok, report);
}
