#pragma once

#include <QStringList>

class QWidget;

// Shows the first validation message under the given title; true when there is none, so a page
// can return it from validatePage().
bool reportValidation(QWidget *parent, const QString &title, const QStringList &messages);
