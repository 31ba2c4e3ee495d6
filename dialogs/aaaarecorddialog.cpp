#include "aaaarecorddialog.h"

#include "common/inputvalidators.h"
#include "dialogs/recordedit.h"
#include "records/aaaarecord.h"

#include "ui_aaaarecorddialog.h"

AAAARecordDialog::AAAARecordDialog(AAAARecord *record, QWidget *parent)
    : QDialog(parent), record(record), ui(std::make_unique<Ui::AAAARecordDialog>())
{
    ui->setupUi(this);
    ui->lineEditName->setValidator(domainCharsValidator());
    ui->lineEditAddress->setValidator(ipv6Validator());

    ui->lineEditName->setText(record->name());
    ui->lineEditAddress->setText(record->address());
    ui->spinBoxTTL->setRecordValue(record->ttl());
}

AAAARecordDialog::~AAAARecordDialog() = default;

void AAAARecordDialog::accept()
{
    AAAARecord edited(*record);
    edited.setName(ui->lineEditName->text());
    edited.setAddress(ui->lineEditAddress->text());
    edited.setTtl(ui->spinBoxTTL->recordValue());
    if (commitRecordEdit(this, tr("Validation failed"), record, edited))
        QDialog::accept();
}
