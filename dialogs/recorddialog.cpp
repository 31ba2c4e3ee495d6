#include "recorddialog.h"

#include "dialogs/recordform.h"
#include "dialogs/validationreport.h"

#include <QDialogButtonBox>
#include <QVBoxLayout>

RecordDialog::RecordDialog(Record &record, RecordForm *form, QWidget *parent)
    : QDialog(parent), m_record(record), m_form(form)
{
    setWindowTitle(form->windowTitle());
    auto *layout = new QVBoxLayout(this);
    layout->setObjectName(QStringLiteral("verticalLayout"));
    layout->addWidget(form);
    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    buttons->setObjectName(QStringLiteral("buttonBox"));
    layout->addWidget(buttons);
    connect(buttons, &QDialogButtonBox::accepted, this, &RecordDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &RecordDialog::reject);
    form->setZone(record.zone());
    form->fill(record);
}

RecordDialog::~RecordDialog() = default;

void RecordDialog::setChange(const QString &failureTitle,
                             const std::function<void(const PRecord &)> &change)
{
    m_failureTitle = failureTitle;
    m_change = change;
}

void RecordDialog::accept()
{
    const PRecord edited(m_record.clone());
    if (!reportValidation(this, m_form->write(*edited)))
        return;
    if (m_change && !attemptChange(this, m_failureTitle, [&] { m_change(edited); }))
        return;
    m_record.assign(*edited);
    QDialog::accept();
}
