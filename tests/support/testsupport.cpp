#include "testsupport.h"

#include <QtGlobal>

#include <cstdio>

namespace TestSupport {

QString corpusDirectory()
{
    return qEnvironmentVariable("TAMZOR_CORPUS");
}

bool isCI()
{
    return qEnvironmentVariable("CI") == QLatin1String("true");
}

int sandboxUnavailable(const QString &reason)
{
    const QByteArray text = reason.toLocal8Bit();
    if (isCI()) {
        std::fprintf(stderr, "FAIL: the /etc/bind sandbox cannot be made: %s\n", text.constData());
        return 1;
    }
    std::fprintf(stderr, "SKIP: the /etc/bind sandbox cannot be made: %s\n", text.constData());
    return skipExitCode;
}

} // namespace TestSupport
