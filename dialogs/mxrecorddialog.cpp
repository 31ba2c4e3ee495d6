#include "mxrecorddialog.h"

#include "common/inputvalidators.h"
#include "dialogs/recordedit.h"
#include "records/mxrecord.h"

#include "ui_mxrecorddialog.h"

MXRecordDialog::MXRecordDialog(MXRecord *record, QWidget *parent)
    : QDialog(parent), record(record), ui(std::make_unique<Ui::MXRecordDialog>())
{
    ui->setupUi(this);
    ui->lineEditName->setValidator(domainCharsValidator());
    ui->lineEditExchange->setValidator(domainCharsValidator());

    ui->lineEditName->setText(record->name());
    ui->spinBoxPreference->setRecordValue(record->preference());
    ui->lineEditExchange->setText(record->exchange());
    ui->spinBoxTTL->setRecordValue(record->ttl());
}

MXRecordDialog::~MXRecordDialog() = default;

void MXRecordDialog::accept()
{
    MXRecord edited(*record);
    edited.setName(ui->lineEditName->text());
    edited.setPreference(ui->spinBoxPreference->recordValue());
    edited.setExchange(ui->lineEditExchange->text());
    edited.setTtl(ui->spinBoxTTL->recordValue());
    if (commitRecordEdit(this, tr("Validation failed"), record, edited))
        QDialog::accept();
}
