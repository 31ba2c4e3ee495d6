#include "txtrecorddialog.h"

#include "common/inputvalidators.h"
#include "dialogs/recordedit.h"
#include "records/txtrecord.h"

#include "ui_txtrecorddialog.h"

TXTRecordDialog::TXTRecordDialog(TXTRecord *record, QWidget *parent)
    : QDialog(parent), record(record), ui(std::make_unique<Ui::TXTRecordDialog>())
{
    ui->setupUi(this);
    ui->lineEditName->setValidator(domainCharsValidator());
    ui->lineEditText->setValidator(printableValidator());

    ui->lineEditName->setText(record->name());
    ui->lineEditText->setText(record->text());
    ui->spinBoxTTL->setRecordValue(record->ttl());
}

TXTRecordDialog::~TXTRecordDialog() = default;

void TXTRecordDialog::accept()
{
    TXTRecord edited(*record);
    edited.setName(ui->lineEditName->text());
    edited.setText(ui->lineEditText->text());
    edited.setTtl(ui->spinBoxTTL->recordValue());
    if (commitRecordEdit(this, tr("Validation failed"), record, edited))
        QDialog::accept();
}
