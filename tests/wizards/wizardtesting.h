#pragma once

#include <QMessageBox>
#include <QString>
#include <QTest>
#include <QVariantMap>

#include <functional>

class QWidget;
class QWizard;

namespace WizardTesting {
struct ShownBox
{
    QMessageBox::Icon icon;
    QString title;
    QString text;
};

// Runs the action and answers every message box it opens; returns the boxes in order.
QList<ShownBox> answerMessageBoxes(const std::function<void()> &action);

// Puts each value into the form widget of that object name, the way each kind of editor takes it.
void fillForm(QWidget *form, const QVariantMap &values);

// fillForm that ends the calling test when a widget is missing.
#define FILL_FORM(form, values)                                                                    \
    do {                                                                                           \
        WizardTesting::fillForm(form, values);                                                     \
        if (QTest::currentTestFailed())                                                            \
            return;                                                                                \
    } while (false)

// Presses Next, or Finish on a final page, as the user would.
void pressForward(QWizard &wizard);

// The text that validation shows for a name without its final dot.
QString notFullyQualified(const QString &name);
} // namespace WizardTesting
