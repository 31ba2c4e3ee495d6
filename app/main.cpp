#include "app/mainwindow.h"
#include "platform/kivoinit.h"
#include "platform/micdetect.h"
#include "platform/singleapplication.h"

#include <QIcon>
#include <QMessageBox>
#include <QObject>

#include <unistd.h>

namespace {
const char applicationVersion[] = "0.5.4+b5";
const char applicationDescription[] = "Tamzor\nBIND DNS server management application";
const QString windowIconName = QStringLiteral("network-local");
const QString activationMessage = QStringLiteral("raise");
constexpr int activationTimeout = 5000;
constexpr int anotherInstanceRunning = -1;

// A refusal is the program's answer to who runs it, not a failure of the program.
int refuse(const QString &title, const QString &text)
{
    QMessageBox::critical(nullptr, title, text);
    return 0;
}
} // namespace

int main(int argc, char *argv[])
{
    SingleApplication application(argc, argv, true);
    kivoInit(applicationVersion, applicationDescription);

    if (geteuid() != 0)
        return refuse(QObject::tr("Unprivileged user"),
                      QObject::tr("You run the program under an unprivileged user, which means "
                                  "that you can not change dns server configuration. Please run "
                                  "the program under the root user."));
    if (!MICDetect::isCurrentProcessHasMaxMIC())
        return refuse(QObject::tr("Wrong integrity level"),
                      QObject::tr("The operating system is running in the mandatory integrity "
                                  "control mode. To manage dns server configuration, you should "
                                  "login with a high level of integrity."));
    if (application.isRunning()) {
        application.sendMessage(activationMessage, activationTimeout);
        return anotherInstanceRunning;
    }

    MainWindow window;
    window.show();
    window.initialize();
    QApplication::setWindowIcon(QIcon::fromTheme(windowIconName));
    application.setActivationWindow(&window, true);
    return application.exec();
}
