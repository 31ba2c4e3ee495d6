#include "common/translations.h"
#include "common/version.h"
#include "ctl/controlprogram.h"

#include <QCoreApplication>

#include <cstdio>

int main(int argc, char *argv[])
{
    QCoreApplication application(argc, argv);
    QCoreApplication::setApplicationVersion(QString::fromLatin1(Tamzor::version));
    installTranslations(application);
    const int status = ControlProgram().run(QCoreApplication::arguments().mid(1));
    // Output that never arrived (a full disk, a closed pipe) is a failure too.
    if (std::fflush(stdout) != 0 && status == ControlProgram::Done)
        return ControlProgram::Failed;
    return status;
}
