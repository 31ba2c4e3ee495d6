#include "rndc.h"

#include "programrun.h"

#include <QCoreApplication>
#include <QRegularExpression>

namespace {
const QString rndcProgram = QStringLiteral("/usr/sbin/rndc");
const QString reloadCommand = QStringLiteral("reload");
const QString reconfigCommand = QStringLiteral("reconfig");
const QString freezeCommand = QStringLiteral("freeze");
const QString thawCommand = QStringLiteral("thaw");
const QString syncCommand = QStringLiteral("sync");
const QString statusCommand = QStringLiteral("status");
const QString defaultClass = QStringLiteral("IN");
// rndc words named's refusal as "rndc: 'COMMAND' failed: REASON"; everything else it says when
// it fails is about reaching named.
const QRegularExpression refusalExpression(QStringLiteral("^rndc: '[^']*' failed: "),
                                           QRegularExpression::MultilineOption);
} // namespace

QString Rndc::Result::failure() const
{
    switch (outcome) {
    case Done:
        return QString();
    case Refused:
        return message;
    case Unreachable:
        // Debian sets up rndc's key with the server: no answer means named is not there to give it.
        return QCoreApplication::translate("Rndc", "rndc can't reach named: %1").arg(message);
    case NotRun:
        break;
    }
    return QCoreApplication::translate("Rndc", "rndc did not run: %1").arg(message);
}

Rndc::Result Rndc::reload()
{
    return run({reloadCommand});
}

Rndc::Result Rndc::reload(const QString &zone, const QString &zoneClass, const QString &view)
{
    return runOnZone(reloadCommand, zone, zoneClass, view);
}

Rndc::Result Rndc::reconfig()
{
    return run({reconfigCommand});
}

Rndc::Result Rndc::freeze(const QString &zone, const QString &zoneClass, const QString &view)
{
    return runOnZone(freezeCommand, zone, zoneClass, view);
}

Rndc::Result Rndc::thaw(const QString &zone, const QString &zoneClass, const QString &view)
{
    return runOnZone(thawCommand, zone, zoneClass, view);
}

Rndc::Result Rndc::sync()
{
    return run({syncCommand});
}

Rndc::Result Rndc::status()
{
    return run({statusCommand});
}

void Rndc::reloadInBackground(QObject *context, const std::function<void(const Result &)> &done)
{
    ProgramRun::runInBackground(rndcProgram, {reloadCommand}, context,
                                [done](const ProgramResult &result) { done(interpret(result)); });
}

Rndc::Result Rndc::run(const QStringList &arguments)
{
    return interpret(ProgramRun::run(rndcProgram, arguments));
}

Rndc::Result Rndc::interpret(const ProgramResult &result)
{
    if (result.status != ProgramResult::Exited)
        return {Result::NotRun, result.failure()};
    if (result.exitCode == 0)
        return {Result::Done, result.outputText().trimmed()};
    const QString said = result.errorText().trimmed();
    if (said.isEmpty())
        return {Result::Unreachable, result.failure()};
    return {refusalExpression.match(said).hasMatch() ? Result::Refused : Result::Unreachable, said};
}

Rndc::Result Rndc::runOnZone(const QString &command, const QString &zone, const QString &zoneClass,
                             const QString &view)
{
    QStringList arguments{command, zone};
    if (!zoneClass.isEmpty() || !view.isEmpty())
        arguments.append(zoneClass.isEmpty() ? defaultClass : zoneClass);
    if (!view.isEmpty())
        arguments.append(view);
    return run(arguments);
}
