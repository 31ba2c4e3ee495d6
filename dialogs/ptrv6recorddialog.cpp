#include "ptrv6recorddialog.h"

#include "common/inputvalidators.h"
#include "dialogs/recordedit.h"
#include "records/ptrrecord.h"

#include "ui_ptrv6recorddialog.h"

PTRv6RecordDialog::PTRv6RecordDialog(PTRRecord *record, QWidget *parent)
    : QDialog(parent), record(record), ui(std::make_unique<Ui::PTRv6RecordDialog>())
{
    ui->setupUi(this);
    // The owner is a reverse name (nibble labels under ip6.arpa.), not an address.
    ui->lineEditAddress->setValidator(domainCharsValidator());
    ui->lineEditPTRDName->setValidator(domainCharsValidator());

    ui->lineEditAddress->setText(record->name());
    ui->lineEditPTRDName->setText(record->ptrdName());
    ui->spinBoxTTL->setRecordValue(record->ttl());
}

PTRv6RecordDialog::~PTRv6RecordDialog() = default;

void PTRv6RecordDialog::accept()
{
    PTRRecord edited(*record);
    edited.setName(ui->lineEditAddress->text());
    edited.setPtrdName(ui->lineEditPTRDName->text());
    edited.setTtl(ui->spinBoxTTL->recordValue());
    if (commitRecordEdit(this, tr("Validation failed"), record, edited))
        QDialog::accept();
}
