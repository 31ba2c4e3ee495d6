#include "arecorddialog.h"

#include "common/inputvalidators.h"
#include "dialogs/recordedit.h"
#include "records/arecord.h"

#include "ui_arecorddialog.h"

ARecordDialog::ARecordDialog(ARecord *record, QWidget *parent)
    : QDialog(parent), record(record), ui(std::make_unique<Ui::ARecordDialog>())
{
    ui->setupUi(this);
    ui->lineEditName->setValidator(domainCharsValidator());

    ui->lineEditName->setText(record->name());
    ui->kivoHostAddress->setAddress(record->address());
    ui->spinBoxTTL->setRecordValue(record->ttl());
}

ARecordDialog::~ARecordDialog() = default;

void ARecordDialog::accept()
{
    ARecord edited(*record);
    edited.setName(ui->lineEditName->text());
    edited.setAddress(ui->kivoHostAddress->address().toString());
    edited.setTtl(ui->spinBoxTTL->recordValue());
    if (commitRecordEdit(this, tr("Validation failed"), record, edited))
        QDialog::accept();
}
