#include "customrecorddialog.h"

#include "common/inputvalidators.h"
#include "dialogs/recordedit.h"
#include "records/customrecord.h"

#include "ui_customrecorddialog.h"

CustomRecordDialog::CustomRecordDialog(CustomRecord *record, QWidget *parent)
    : QDialog(parent), record(record), ui(std::make_unique<Ui::CustomRecordDialog>())
{
    ui->setupUi(this);
    ui->lineEditName->setValidator(domainCharsValidator());
    ui->lineEditType->setValidator(printableValidator());
    ui->lineEditContent->setValidator(printableValidator());

    ui->lineEditName->setText(record->name());
    ui->lineEditType->setText(record->type());
    ui->lineEditContent->setText(record->data());
    ui->spinBoxTTL->setRecordValue(record->ttl());
}

CustomRecordDialog::~CustomRecordDialog() = default;

void CustomRecordDialog::accept()
{
    CustomRecord edited(*record);
    edited.setName(ui->lineEditName->text());
    edited.setType(ui->lineEditType->text());
    edited.setData(ui->lineEditContent->text());
    edited.setTtl(ui->spinBoxTTL->recordValue());
    if (commitRecordEdit(this, tr("Validation failed"), record, edited))
        QDialog::accept();
}
