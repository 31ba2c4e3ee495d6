#include "testsupport.h"

#include <QtGlobal>

namespace TestSupport {

QString corpusDirectory()
{
    return qEnvironmentVariable("TAMZOR_CORPUS");
}

bool isCI()
{
    return qEnvironmentVariable("CI") == QLatin1String("true");
}

} // namespace TestSupport
