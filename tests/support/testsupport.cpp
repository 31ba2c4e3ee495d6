#include "testsupport.h"

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
    std::fprintf(stderr, "%s: the /etc/bind sandbox cannot be made: %s\n", isCI() ? "FAIL" : "SKIP",
                 reason.toLocal8Bit().constData());
    return isCI() ? 1 : 77;
}

} // namespace TestSupport
