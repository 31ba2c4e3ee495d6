#pragma once

#include "platform/kivohostaddress.h"

#include <QApplication>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <QWizard>

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
    // Key by key, so the validator judges every character, Latin-1 or not. Spin boxes and
    // editable lists take the keys in their line edit; other lists search by them.
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

// The editor of the owner name on a record form.
inline QString ownerField(QWidget *form)
{
    for (const char *name :
         {"lineEditName", "lineEditDomain", "lineEditAddress", "kivoHostAddress"}) {
        if (form->findChild<QWidget *>(name))
            return name;
    }
    return {};
}

// Clicks the button and answers every message box that opens; returns "title: text" of each,
// marked when it is not an error box.
inline QStringList clickAndReadBoxes(QAbstractButton *button)
{
    QStringList seen;
    QTimer answer;
    answer.setInterval(5);
    QObject::connect(&answer, &QTimer::timeout, [&seen] {
        auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
        if (!box || !box->isVisible())
            return;
        const bool error = box->icon() == QMessageBox::Critical;
        seen.append((error ? "" : "(not an error) ") + box->windowTitle() + ": " + box->text());
        box->buttons().constFirst()->click();
    });
    answer.start();
    button->click();
    return seen;
}

// The boxes that a press shows: the refusal with this message, or none for an empty one.
inline QStringList refused(const QString &message)
{
    if (message.isEmpty())
        return {};
    return {QStringLiteral("Validation failed: ") + message};
}

inline QStringList press(QDialog &dialog, QDialogButtonBox::StandardButton which)
{
    return clickAndReadBoxes(dialog.findChild<QDialogButtonBox *>()->button(which));
}

// Presses Next, or Finish on the last page.
inline QStringList pressForward(QWizard &wizard)
{
    const bool last = wizard.currentPage()->nextId() == -1;
    return clickAndReadBoxes(wizard.button(last ? QWizard::FinishButton : QWizard::NextButton));
}

inline QString notQualified(const QString &name)
{
    return QStringLiteral(
               "Domain name is not fully qualified.\nA fully qualified domain name consists of a "
               "list of domain labels representing the hierarchy from the lowest relevant level in "
               "the DNS to the top-level domain. The DNS root is unnamed, expressed as the empty "
               "label terminated by the dot.\nDomain name %1 doesn't ends with \".\".")
        .arg(name);
}

} // namespace FormDriver
