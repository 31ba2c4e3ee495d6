#include "validationreport.h"

#include "common/errorstackexception.h"

#include <QCoreApplication>
#include <QMessageBox>

bool reportValidation(QWidget *parent, const QStringList &messages)
{
    if (messages.isEmpty())
        return true;
    QMessageBox::critical(parent, QCoreApplication::translate("RecordForm", "Validation failed"),
                          messages.first(), QMessageBox::Ok);
    return false;
}

bool attemptChange(QWidget *parent, const QString &title, const std::function<void()> &change)
{
    try {
        change();
    } catch (const ErrorStackException &error) {
        QMessageBox::critical(parent, title, error.text(), QMessageBox::Ok);
        return false;
    }
    return true;
}
