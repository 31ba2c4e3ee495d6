#pragma once

#include "records/record.h"

#include <QDialog>

#include <functional>

class RecordForm;

// Edits a record in its type's form. OK writes the form into a copy of the record, which must be
// valid, and then makes the change that the caller set, if any: only once that is done does the
// edited record take the copy's values and the dialog close. A refused change is shown, and the
// dialog stays open with what was typed.
class RecordDialog : public QDialog
{
    Q_OBJECT

public:
    ~RecordDialog() override;

    // The change to make of the edited copy, such as storing it in place of the record; it throws
    // ErrorStackException when refused, whose message is shown under the title.
    void setChange(const QString &failureTitle,
                   const std::function<void(const PRecord &edited)> &change);

public slots:
    void accept() override;

protected:
    // Takes the form, and fills it from the record, which must outlive the dialog.
    RecordDialog(Record &record, RecordForm *form, QWidget *parent);

private:
    Record &m_record;
    RecordForm *m_form;
    QString m_failureTitle;
    std::function<void(const PRecord &)> m_change;
};
