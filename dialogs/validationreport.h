#pragma once

#include <QStringList>

#include <functional>

class QWidget;

// Shows the first validation message under "Validation failed"; true when there is none, so a
// form's host can go on.
bool reportValidation(QWidget *parent, const QStringList &messages);

// Makes the change that a dialog or wizard was confirmed for. A refusal (ErrorStackException) is
// shown under the title over the dialog, which stays open with what was typed: false then.
bool attemptChange(QWidget *parent, const QString &title, const std::function<void()> &change);
