#pragma once

class QCoreApplication;

// Installs Qt's own translation and Tamzor's for the user's language (QLocale::system()). Tamzor's
// is looked up beside the installed program first and then in the build tree, so a program run
// from the build is translated too; where none is found the texts stay English.
void installTranslations(QCoreApplication &application);
