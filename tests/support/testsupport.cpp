#include "testsupport.h"

#include <QHash>

#include <cstdio>

namespace TestSupport {

QString corpusDirectory()
{
    return qEnvironmentVariable("TAMZOR_CORPUS");
}

QString corpusZoneOrigin(const QString &fileName)
{
    static const QHash<QString, QString> origins = {
        {QStringLiteral("crashzone.db"), QStringLiteral("dyn.example.net.")},
        {QStringLiteral("delegating-ns-address-below-dname.db"), QStringLiteral("example.com.")},
        {QStringLiteral("ns-address-below-dname.db"), QStringLiteral("example.com.")},
        {QStringLiteral("zone1.db"), QStringLiteral("zone1.com.")}};
    return origins.value(fileName, QStringLiteral("example."));
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
