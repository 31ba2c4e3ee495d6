#include "common/translations.h"

#include <QCoreApplication>
#include <QDir>
#include <QLibraryInfo>
#include <QLocale>
#include <QStringList>
#include <QTranslator>

#include <memory>

namespace {
const QString qtCatalog = QStringLiteral("qtbase");
const QString tamzorCatalog = QStringLiteral("tamzor");
const QString catalogSeparator = QStringLiteral("_");
const QString installedCatalogs = QStringLiteral(TAMZOR_INSTALLED_TRANSLATIONS);
const QString buildTreeCatalogs = QStringLiteral("../translations");

// Relative to the program, so that an installation into another prefix or a DESTDIR finds its own
// files: the installed data folder, then the translations folder of the build tree.
QStringList tamzorCatalogDirectories()
{
    const QDir programDirectory(QCoreApplication::applicationDirPath());
    return {QDir::cleanPath(programDirectory.filePath(installedCatalogs)),
            QDir::cleanPath(programDirectory.filePath(buildTreeCatalogs))};
}

bool installCatalog(QCoreApplication &application, const QString &catalog, const QString &directory)
{
    auto translator = std::make_unique<QTranslator>(&application);
    if (!translator->load(QLocale::system(), catalog, catalogSeparator, directory))
        return false;
    application.installTranslator(translator.release());
    return true;
}
} // namespace

void installTranslations(QCoreApplication &application)
{
    installCatalog(application, qtCatalog, QLibraryInfo::location(QLibraryInfo::TranslationsPath));
    for (const QString &directory : tamzorCatalogDirectories()) {
        if (installCatalog(application, tamzorCatalog, directory))
            return;
    }
}
