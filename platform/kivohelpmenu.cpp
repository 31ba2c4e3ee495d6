#include "platform/kivohelpmenu.h"

#include "platform/kivoinit.h"

#include <QApplication>
#include <QMessageBox>

KivoHelpMenu::KivoHelpMenu(QWidget *parent) : QMenu(tr("&Help"), parent)
{
    setObjectName(QStringLiteral("menuHelp"));
    QAction *about = addAction(QApplication::windowIcon(),
                               tr("&About %1").arg(QCoreApplication::applicationName()), this,
                               &KivoHelpMenu::showAbout);
    about->setObjectName(QStringLiteral("actionAbout"));
    about->setMenuRole(QAction::AboutRole);
    QAction *aboutQt = addAction(tr("About &Qt"), qApp, &QApplication::aboutQt);
    aboutQt->setObjectName(QStringLiteral("actionAboutQt"));
    aboutQt->setMenuRole(QAction::AboutQtRole);
}

void KivoHelpMenu::showAbout()
{
    QMessageBox::about(parentWidget(), tr("About %1").arg(QCoreApplication::applicationName()),
                       aboutText());
}

QString KivoHelpMenu::aboutText() const
{
    // The program marks its description for translation in the context QObject.
    const QString description =
        QCoreApplication::translate("QObject", Kivo::applicationDescription()).trimmed();
    const QString version = QString::fromUtf8(Kivo::applicationVersion());
    if (version.isEmpty())
        return description;
    return description + QStringLiteral("\n\n") + tr("Version %1").arg(version);
}
