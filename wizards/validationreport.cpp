#include "validationreport.h"

#include <QMessageBox>

bool reportValidation(QWidget *parent, const QString &title, const QStringList &messages)
{
    if (messages.isEmpty())
        return true;
    QMessageBox::critical(parent, title, messages.first(), QMessageBox::Ok);
    return false;
}
