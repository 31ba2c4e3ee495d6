#include "srvrecorddialog.h"

#include "common/inputvalidators.h"
#include "dialogs/recordedit.h"
#include "records/srvrecord.h"

#include "ui_srvrecorddialog.h"

SRVRecordDialog::SRVRecordDialog(SRVRecord *record, QWidget *parent)
    : QDialog(parent), record(record), ui(std::make_unique<Ui::SRVRecordDialog>())
{
    ui->setupUi(this);
    ui->lineEditService->setValidator(printableValidator());
    ui->comboBoxProto->setValidator(printableValidator());
    ui->lineEditName->setValidator(domainCharsValidator());
    ui->lineEditTarget->setValidator(domainCharsValidator());

    ui->lineEditService->setText(record->service());
    ui->comboBoxProto->setCurrentText(record->proto());
    ui->lineEditName->setText(record->name());
    ui->spinBoxPriority->setValue(record->priority());
    ui->spinBoxWeight->setValue(record->weight());
    ui->spinBoxPort->setValue(record->port());
    ui->lineEditTarget->setText(record->target());
    ui->spinBoxTTL->setRecordValue(record->ttl());
}

SRVRecordDialog::~SRVRecordDialog() = default;

void SRVRecordDialog::accept()
{
    SRVRecord edited(*record);
    edited.setService(ui->lineEditService->text());
    edited.setProto(ui->comboBoxProto->currentText());
    edited.setName(ui->lineEditName->text());
    edited.setPriority(quint16(ui->spinBoxPriority->value()));
    edited.setWeight(quint16(ui->spinBoxWeight->value()));
    edited.setPort(quint16(ui->spinBoxPort->value()));
    edited.setTarget(ui->lineEditTarget->text());
    edited.setTtl(ui->spinBoxTTL->recordValue());
    if (commitRecordEdit(this, tr("Validation failed"), record, edited))
        QDialog::accept();
}
