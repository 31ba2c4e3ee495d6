#include "app/mainwindow.h"
#include "common/translations.h"
#include "common/version.h"
#include "platform/kivoinit.h"
#include "platform/micdetect.h"
#include "platform/singleapplication.h"

#include <QCommandLineParser>
#include <QIcon>
#include <QMessageBox>
#include <QObject>

#include <unistd.h>

#include <algorithm>

namespace {
// The About box shows it translated; the registration takes it as it is.
const char applicationDescription[] =
    QT_TRANSLATE_NOOP("QObject", "Tamzor\nBIND DNS server management application");
const QString windowIconName = QStringLiteral("network-local");
const QString fallbackIconPath = QStringLiteral(":/icons/tamzor.svg");
// Wayland compositors find the menu entry, and with it the icon, by this name.
const QString desktopFileName = QStringLiteral("org.tamzor.tamzor");
const QString activationMessage = QStringLiteral("raise");
constexpr int activationTimeout = 5000;
constexpr int anotherInstanceRunning = -1;

// A refusal is the program's answer to who runs it, not a failure of the program.
int refuse(const QString &title, const QString &text)
{
    QMessageBox::critical(nullptr, title, text);
    return 0;
}

// The name, the version and the translations, which --help needs as much as the window.
void registerApplication(QCoreApplication &application)
{
    kivoInit(Tamzor::version, applicationDescription);
    installTranslations(application);
}

// Answers --help and --version before any check, so that anyone may ask.
void processCommandLine(const QCoreApplication &application)
{
    QCommandLineParser parser;
    parser.setApplicationDescription(
        QObject::tr("Manages the zones and records of the local BIND 9 DNS server and its "
                    "bind9 service. Runs as root."));
    parser.addHelpOption();
    parser.addVersionOption();
    parser.process(application);
}

// Those need no display, so they are answered in a terminal of a server that has none too.
bool asksForInformationOnly(int argc, char *argv[])
{
    static const QByteArrayList informationOptions = {"-h", "--help", "-v", "--version"};
    return std::any_of(argv + 1, argv + argc,
                       [](const char *argument) { return informationOptions.contains(argument); });
}
} // namespace

int main(int argc, char *argv[])
{
    if (asksForInformationOnly(argc, argv)) {
        QCoreApplication application(argc, argv);
        registerApplication(application);
        processCommandLine(application);
    }

    SingleApplication application(argc, argv, true);
    registerApplication(application);
    QGuiApplication::setDesktopFileName(desktopFileName);
    processCommandLine(application);

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
    QApplication::setWindowIcon(QIcon::fromTheme(windowIconName, QIcon(fallbackIconPath)));
    application.setActivationWindow(&window, true);
    return application.exec();
}
