#include "programrun.h"

#include <QProcess>

ProgramRun ProgramRun::run(const QString &program, const QStringList &arguments)
{
    QProcess process;
    process.setProgram(program);
    process.setArguments(arguments);
    process.start(QIODevice::ReadWrite);
    ProgramRun result;
    if (!process.waitForStarted(-1)) {
        result.errorString = process.errorString();
        return result;
    }
    // Nothing is ever sent; a program that waits for input must see its end instead of hanging.
    process.closeWriteChannel();
    process.waitForFinished(-1);
    result.standardOutput = process.readAllStandardOutput();
    result.standardError = process.readAllStandardError();
    result.errorString = process.errorString();
    result.exitCode = process.exitCode();
    result.outcome = process.exitStatus() == QProcess::NormalExit ? Exited : Crashed;
    return result;
}

QString programOutputText(const QByteArray &bytes)
{
    const int zero = bytes.indexOf('\0');
    return QString::fromUtf8(zero < 0 ? bytes : bytes.left(zero));
}
