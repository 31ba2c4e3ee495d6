#pragma once

#include <QMessageBox>
#include <QStringList>

#include <utility>

// The edited copy replaces the record only when its class finds it valid; otherwise the first of
// its messages is shown and the record keeps every old value.
template <class RecordType>
bool commitRecordEdit(QWidget *dialog, const QString &title, RecordType *record, RecordType &edited)
{
    const QStringList messages = edited.validate();
    if (!messages.isEmpty()) {
        QMessageBox::critical(dialog, title, messages.constFirst());
        return false;
    }
    *record = std::move(edited);
    return true;
}
