#pragma once

#include "platform/kivohostaddress.h"

#include <QAbstractButton>
#include <QAbstractSpinBox>
#include <QApplication>
#include <QComboBox>
#include <QDialog>
#include <QDialogButtonBox>
#include <QLineEdit>
#include <QMessageBox>
#include <QPair>
#include <QPushButton>
#include <QTest>
#include <QTimer>

// Drives a form the way a user does: by the object names of its editors.
namespace FormDriver {

// Object name and the text typed into that editor, in the order typed.
using Edits = QList<QPair<QString, QString>>;

inline QWidget *editor(QWidget *form, const QString &name)
{
    auto *widget = form->findChild<QWidget *>(name);
    if (!widget)
        qFatal("no editor named %s", qPrintable(name));
    return widget;
}

// Replaces the editor's text by typing, so the editor's validator judges every keystroke.
inline void type(QWidget *form, const QString &name, const QString &text)
{
    QWidget *widget = editor(form, name);
    if (auto *address = qobject_cast<KivoHostAddress *>(widget)) {
        address->setAddress(text);
    } else if (auto *combo = qobject_cast<QComboBox *>(widget)) {
        combo->lineEdit()->clear();
        QTest::keyClicks(combo->lineEdit(), text);
    } else if (auto *spin = qobject_cast<QAbstractSpinBox *>(widget)) {
        spin->selectAll();
        QTest::keyClick(spin, Qt::Key_Delete);
        QTest::keyClicks(spin, text);
    } else if (auto *line = qobject_cast<QLineEdit *>(widget)) {
        line->clear();
        QTest::keyClicks(line, text);
    } else {
        qFatal("cannot type into %s", qPrintable(name));
    }
}

inline void type(QWidget *form, const Edits &edits)
{
    for (const auto &edit : edits)
        type(form, edit.first, edit.second);
}

// What the editor shows (a spin box with its suffix).
inline QString shown(QWidget *form, const QString &name)
{
    QWidget *widget = editor(form, name);
    if (auto *address = qobject_cast<KivoHostAddress *>(widget))
        return address->address().toString();
    if (auto *combo = qobject_cast<QComboBox *>(widget))
        return combo->currentText();
    if (auto *spin = qobject_cast<QAbstractSpinBox *>(widget))
        return spin->text();
    if (auto *line = qobject_cast<QLineEdit *>(widget))
        return line->text();
    qFatal("cannot read %s", qPrintable(name));
    return {};
}

// The named editors in the order in which Tab visits them, starting at the first name.
inline QStringList focusOrder(QWidget *form, const QStringList &names)
{
    QStringList visited;
    QWidget *start = editor(form, names.first());
    QWidget *widget = start;
    do {
        if (names.contains(widget->objectName()) && !visited.contains(widget->objectName()))
            visited.append(widget->objectName());
        widget = widget->nextInFocusChain();
    } while (widget != start);
    return visited;
}

inline QAbstractButton *button(QDialog &dialog, QDialogButtonBox::StandardButton which)
{
    auto *box = dialog.findChild<QDialogButtonBox *>(QStringLiteral("buttonBox"));
    return box ? box->button(which) : nullptr;
}

struct SeenBox
{
    bool shown = false;
    QString title;
    QString text;
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    QMessageBox::StandardButtons buttons;
    QWidget *parent = nullptr;
};

// Clicks the button; a message box that the click opens is read and closed from a queued call.
inline SeenBox clickAndReadBox(QAbstractButton *button)
{
    SeenBox seen;
    QTimer answer;
    answer.setSingleShot(true);
    QObject::connect(&answer, &QTimer::timeout, [&seen] {
        auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
        if (!box)
            return;
        seen = {true,        box->windowTitle(),     box->text(),
                box->icon(), box->standardButtons(), box->parentWidget()};
        box->done(QMessageBox::Ok);
    });
    answer.start(0);
    button->click();
    return seen;
}

inline SeenBox pressOk(QDialog &dialog)
{
    return clickAndReadBox(button(dialog, QDialogButtonBox::Ok));
}

} // namespace FormDriver

Q_DECLARE_METATYPE(FormDriver::Edits)
