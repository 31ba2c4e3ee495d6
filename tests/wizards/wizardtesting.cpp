#include "wizardtesting.h"

#include "dialogs/serialspinbox.h"
#include "platform/kivohostaddress.h"

#include <QAbstractButton>
#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QSpinBox>
#include <QTest>
#include <QTimer>
#include <QWizard>

namespace WizardTesting {

QList<ShownBox> answerMessageBoxes(const std::function<void()> &action)
{
    QList<ShownBox> shown;
    QTimer timer;
    timer.setInterval(5);
    QObject::connect(&timer, &QTimer::timeout, [&shown] {
        auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
        if (!box || !box->isVisible())
            return;
        shown.append({box->icon(), box->windowTitle(), box->text()});
        box->buttons().constFirst()->click();
    });
    timer.start();
    action();
    timer.stop();
    return shown;
}

static void fillWidget(QWidget *widget, const QVariant &value)
{
    if (auto *address = qobject_cast<KivoHostAddress *>(widget))
        address->setAddress(value.toString());
    else if (auto *serial = qobject_cast<SerialSpinBox *>(widget))
        serial->setValue(value.toUInt());
    else if (auto *spinBox = qobject_cast<QSpinBox *>(widget))
        spinBox->setValue(value.toInt());
    else if (auto *comboBox = qobject_cast<QComboBox *>(widget))
        comboBox->setCurrentText(value.toString());
    else if (auto *lineEdit = qobject_cast<QLineEdit *>(widget))
        lineEdit->setText(value.toString());
    else
        QFAIL(qPrintable(QStringLiteral("no way to fill %1").arg(widget->objectName())));
}

void fillForm(QWidget *form, const QVariantMap &values)
{
    for (auto it = values.constBegin(); it != values.constEnd(); ++it) {
        auto *widget = form->findChild<QWidget *>(it.key());
        QVERIFY2(widget, qPrintable(QStringLiteral("no widget %1").arg(it.key())));
        fillWidget(widget, it.value());
    }
}

void pressForward(QWizard &wizard)
{
    const bool final = wizard.currentPage()->nextId() == -1;
    wizard.button(final ? QWizard::FinishButton : QWizard::NextButton)->click();
}

QString notFullyQualified(const QString &name)
{
    return QStringLiteral(
               "Domain name is not fully qualified.\nA fully qualified domain name consists of a "
               "list of domain labels representing the hierarchy from the lowest relevant level in "
               "the DNS to the top-level domain. The DNS root is unnamed, expressed as the empty "
               "label terminated by the dot.\nDomain name %1 doesn't ends with \".\".")
        .arg(name);
}

} // namespace WizardTesting
