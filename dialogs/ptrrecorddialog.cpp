#include "ptrrecorddialog.h"

#include "common/inputvalidators.h"
#include "common/validation.h"
#include "dialogs/recordedit.h"
#include "records/ptrrecord.h"

#include "ui_ptrrecorddialog.h"

PTRRecordDialog::PTRRecordDialog(PTRRecord *record, QWidget *parent)
    : QDialog(parent), record(record), ui(std::make_unique<Ui::PTRRecordDialog>())
{
    ui->setupUi(this);
    ui->lineEditPTRDName->setValidator(domainCharsValidator());

    ui->kivoHostAddress->setAddress(record->addressFromName());
    ui->lineEditPTRDName->setText(record->ptrdName());
    ui->spinBoxTTL->setRecordValue(record->ttl());
}

PTRRecordDialog::~PTRRecordDialog() = default;

void PTRRecordDialog::accept()
{
    if (!ui->kivoHostAddress->isValid()) {
        QMessageBox::critical(this, tr("Validation failed"), tr("Address is not valid"));
        return;
    }
    PTRRecord edited(*record);
    edited.setName(reverseNameFromAddress(ui->kivoHostAddress->address().toString()));
    edited.setPtrdName(ui->lineEditPTRDName->text());
    edited.setTtl(ui->spinBoxTTL->recordValue());
    if (commitRecordEdit(this, tr("Validation failed"), record, edited))
        QDialog::accept();
}
