#include "programresult.h"

namespace {
QString programOutputText(const QByteArray &bytes)
{
    const int zero = bytes.indexOf('\0');
    return QString::fromUtf8(bytes.constData(), zero < 0 ? bytes.size() : zero);
}
} // namespace

QString ProgramResult::failure() const
{
    switch (status) {
    case NotStarted:
        return tr("%1 could not be started: %2").arg(program, errorString);
    case Crashed:
        return tr("%1 crashed").arg(program);
    case Exited:
        break;
    }
    if (exitCode == 0)
        return QString();
    return tr("%1 exited with code %2.\n%3").arg(program, QString::number(exitCode), errorText());
}

QString ProgramResult::outputText() const
{
    return programOutputText(standardOutput);
}

QString ProgramResult::errorText() const
{
    return programOutputText(standardError);
}
