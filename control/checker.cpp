#include "checker.h"

#include "programrun.h"

namespace {
CheckResult verdictOf(const ProgramResult &result)
{
    CheckResult check;
    check.completed = result.status == ProgramResult::Exited;
    check.ok = result.succeeded();
    check.report = check.completed ? result.outputText() : result.failure();
    return check;
}
} // namespace

Checker::Checker(const QString &program, QObject *parent) : QObject(parent), m_program(program) {}

CheckResult Checker::check(const QStringList &arguments) const
{
    return verdictOf(ProgramRun::run(m_program, arguments));
}

CheckResult Checker::check(const QStringList &arguments, const QByteArray &input) const
{
    ProgramRun run(m_program, arguments);
    run.start(input);
    return verdictOf(run.waitForFinished());
}

void Checker::request(const QStringList &arguments)
{
    ProgramRun::runInBackground(m_program, arguments, this, [this](const ProgramResult &result) {
        const CheckResult check = verdictOf(result);
        if (check.completed)
            emitVerdict(check.ok, check.report);
        else
            emit processError(check.report);
    });
}
