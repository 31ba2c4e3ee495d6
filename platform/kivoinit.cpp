#include "platform/kivoinit.h"

#include <QByteArray>
#include <QCoreApplication>
#include <QGuiApplication>
#include <QString>

namespace {
// Copies, so that the caller's buffers need not outlive the registration.
QByteArray &registeredVersion()
{
    static QByteArray version;
    return version;
}

QByteArray &registeredDescription()
{
    static QByteArray description;
    return description;
}
} // namespace

void kivoInit(const char *version, const char *description)
{
    registeredVersion() = QByteArray(version ? version : "");
    registeredDescription() = QByteArray(description ? description : "");

    QCoreApplication::setApplicationVersion(QString::fromUtf8(registeredVersion()));
    const QString text = QString::fromUtf8(registeredDescription());
    if (!text.contains(QLatin1Char('\n')))
        return;
    const QString title = text.section(QLatin1Char('\n'), 0, 0).trimmed();
    if (title.isEmpty())
        return;
    QCoreApplication::setApplicationName(title);
    QGuiApplication::setApplicationDisplayName(title);
}

namespace Kivo {
const char *applicationVersion()
{
    return registeredVersion().constData();
}

const char *applicationDescription()
{
    return registeredDescription().constData();
}
} // namespace Kivo
