#include "cnamerecorddialog.h"

#include "common/inputvalidators.h"
#include "dialogs/recordedit.h"
#include "records/cnamerecord.h"

#include "ui_cnamerecorddialog.h"

CNAMERecordDialog::CNAMERecordDialog(CNAMERecord *record, QWidget *parent)
    : QDialog(parent), record(record), ui(std::make_unique<Ui::CNAMERecordDialog>())
{
    ui->setupUi(this);
    ui->lineEditName->setValidator(domainCharsValidator());
    ui->lineEditCname->setValidator(domainCharsValidator());

    ui->lineEditName->setText(record->name());
    ui->lineEditCname->setText(record->cname());
    ui->spinBoxTTL->setRecordValue(record->ttl());
}

CNAMERecordDialog::~CNAMERecordDialog() = default;

void CNAMERecordDialog::accept()
{
    CNAMERecord edited(*record);
    edited.setName(ui->lineEditName->text());
    edited.setCname(ui->lineEditCname->text());
    edited.setTtl(ui->spinBoxTTL->recordValue());
    if (commitRecordEdit(this, tr("Validation failed"), record, edited))
        QDialog::accept();
}
