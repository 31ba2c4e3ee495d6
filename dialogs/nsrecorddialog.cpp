#include "nsrecorddialog.h"

#include "common/inputvalidators.h"
#include "dialogs/recordedit.h"
#include "records/nsrecord.h"

#include "ui_nsrecorddialog.h"

NSRecordDialog::NSRecordDialog(NSRecord *record, QWidget *parent)
    : QDialog(parent), record(record), ui(std::make_unique<Ui::NSRecordDialog>())
{
    ui->setupUi(this);
    ui->lineEditName->setValidator(domainCharsValidator());
    ui->lineEditNSDName->setValidator(domainCharsValidator());

    ui->lineEditName->setText(record->name());
    ui->lineEditNSDName->setText(record->nsdName());
    ui->spinBoxTTL->setRecordValue(record->ttl());
}

NSRecordDialog::~NSRecordDialog() = default;

void NSRecordDialog::accept()
{
    NSRecord edited(*record);
    edited.setName(ui->lineEditName->text());
    edited.setNsdName(ui->lineEditNSDName->text());
    edited.setTtl(ui->spinBoxTTL->recordValue());
    if (commitRecordEdit(this, tr("Validation failed"), record, edited))
        QDialog::accept();
}
