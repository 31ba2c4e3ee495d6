#pragma once

#include "platform/kivohostaddress.h"

#include <QApplication>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QLineEdit>
#include <QMessageBox>
#include <QPointer>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <QWizard>

#include <functional>

// Drives the record and zone forms the way a user does: by the object names of their editors.
namespace FormDriver {

inline QWidget *editor(QWidget *form, const QString &name)
{
    auto *widget = form->findChild<QWidget *>(name);
    if (!widget)
        qFatal("no editor named %s", qPrintable(name));
    return widget;
}

inline void type(QWidget *form, const QString &name, const QString &text)
{
    QWidget *widget = editor(form, name);
    if (auto *address = qobject_cast<KivoHostAddress *>(widget))
        return address->setAddress(text);
    auto *combo = qobject_cast<QComboBox *>(widget);
    if (combo && !combo->isEditable())
        return combo->setCurrentIndex(combo->findText(text));
    // Key by key, so the validator judges every character, Latin-1 or not. Spin boxes and
    // editable lists take the keys in their line edit.
    auto *line = qobject_cast<QLineEdit *>(widget);
    if (line || (line = widget->findChild<QLineEdit *>())) {
        line->clear();
        widget = line;
    }
    for (const QChar c : text)
        QTest::sendKeyEvent(QTest::Click, widget, Qt::Key_unknown, QString(c), Qt::NoModifier);
}

// What the editor shows (a spin box with its suffix).
inline QString shown(QWidget *form, const QString &name)
{
    QWidget *widget = editor(form, name);
    if (auto *address = qobject_cast<KivoHostAddress *>(widget))
        return address->address().toString();
    return widget->property(qobject_cast<QComboBox *>(widget) ? "currentText" : "text").toString();
}

// Fills in "name=text|name=text" in that order; an entry "?name=text" checks what name shows.
inline void fill(QWidget *form, const QString &edits)
{
    for (const QString &edit : edits.split('|', Qt::SkipEmptyParts)) {
        const QString name = edit.section('=', 0, 0);
        const QString text = edit.section('=', 1);
        if (!name.startsWith('?'))
            type(form, name, text);
        else if (shown(form, name.mid(1)) != text)
            QFAIL(qPrintable(name.mid(1) + " shows " + shown(form, name.mid(1)) + ", not " + text));
    }
}

// What to do with one modal window; it must close it.
using Answer = std::function<void(QWidget *modal)>;

// Answers the modal windows in the order they open, one answer each; a window that finds no
// answer left is rejected. `seen` keeps every message box as "icon title: text", its details on
// the lines below, and every other window that found no answer.
class ModalScript : public QObject
{
public:
    explicit ModalScript(const QList<Answer> &answers = {}) : answers(answers)
    {
        connect(&timer, &QTimer::timeout, this, &ModalScript::poll);
        timer.start(5);
    }

    QList<Answer> answers;
    QStringList seen;

private:
    void poll()
    {
        static const char *const icons[] = {"plain", "info", "warning", "critical", "question"};
        QWidget *modal = QApplication::activeModalWidget();
        if (!modal || !modal->isVisible() || (answering && modal == handled))
            return;
        auto *box = qobject_cast<QMessageBox *>(modal);
        if (box && modal != handled) {
            QString line = QString(QLatin1String(icons[box->icon()]) + ' ' + box->windowTitle());
            line = line.trimmed() + ": " + box->text();
            seen.append(box->detailedText().isEmpty() ? line : line + '\n' + box->detailedText());
        } else if (answers.isEmpty() || modal == handled) {
            seen.append("unanswered " + modal->objectName() + ' ' + modal->windowTitle());
        }
        if (modal == handled || answers.isEmpty())
            return qobject_cast<QDialog *>(modal)->reject();
        handled = modal;
        // A timer is not run again while it runs: restarted, it answers what the answer opens.
        timer.start();
        answering = true;
        answers.takeFirst()(modal);
        answering = false;
    }

    QPointer<QWidget> handled;
    // A window stays open while the change that its answer started runs beside the event loop;
    // only one still open after that went unanswered.
    bool answering = false;
    QTimer timer;
};

// Clicks the button; the message boxes it shows are closed and told.
inline QStringList clickAndReadBoxes(QAbstractButton *button)
{
    ModalScript script;
    button->click();
    return script.seen;
}

// The boxes that a press shows: the refusal with this message, or none for an empty one.
inline QStringList refused(const QString &message)
{
    if (message.isEmpty())
        return {};
    return {QStringLiteral("critical Validation failed: ") + message};
}

// Presses Next, or Finish on the last page.
inline QStringList pressForward(QWizard &wizard)
{
    const bool last = wizard.currentPage()->nextId() == -1;
    return clickAndReadBoxes(wizard.button(last ? QWizard::FinishButton : QWizard::NextButton));
}

} // namespace FormDriver
