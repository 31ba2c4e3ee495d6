#include "soarecorddialog.h"

#include "common/inputvalidators.h"
#include "dialogs/recordedit.h"
#include "records/soarecord.h"

#include "ui_soarecorddialog.h"

namespace {
// A serial is a 32-bit number in DNS; a larger one can only be kept, not shown.
quint32 shownSerial(quint64 serial)
{
    return quint32(qMin<quint64>(serial, SerialSpinBox::maximumValue));
}
} // namespace

SOARecordDialog::SOARecordDialog(SOARecord *record, QWidget *parent)
    : QDialog(parent), record(record), ui(std::make_unique<Ui::SOARecordDialog>())
{
    ui->setupUi(this);
    ui->lineEditDomain->setValidator(domainCharsValidator());
    ui->lineEditMName->setValidator(domainCharsValidator());
    ui->lineEditRName->setValidator(domainCharsValidator());

    ui->lineEditDomain->setText(record->name());
    ui->lineEditMName->setText(record->mname());
    ui->lineEditRName->setText(record->rname());
    ui->spinBoxSerial->setValue(shownSerial(record->serial()));
    ui->spinBoxRefresh->setRecordValue(record->refresh());
    ui->spinBoxRetry->setRecordValue(record->retry());
    ui->spinBoxExpire->setRecordValue(record->expire());
    ui->spinBoxNCTTL->setRecordValue(record->minimum());
    ui->spinBoxTTL->setRecordValue(record->ttl());
}

SOARecordDialog::~SOARecordDialog() = default;

void SOARecordDialog::accept()
{
    SOARecord edited(*record);
    edited.setName(ui->lineEditDomain->text());
    edited.setMname(ui->lineEditMName->text());
    edited.setRname(ui->lineEditRName->text());
    if (ui->spinBoxSerial->value() != shownSerial(record->serial()))
        edited.setSerial(ui->spinBoxSerial->value());
    edited.setRefresh(ui->spinBoxRefresh->recordValue());
    edited.setRetry(ui->spinBoxRetry->recordValue());
    edited.setExpire(ui->spinBoxExpire->recordValue());
    edited.setMinimum(ui->spinBoxNCTTL->recordValue());
    edited.setTtl(ui->spinBoxTTL->recordValue());
    if (commitRecordEdit(this, tr("Validation failed"), record, edited))
        QDialog::accept();
}
