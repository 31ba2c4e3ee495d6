#include "srvrecordwizardpage.h"

#include "common/inputvalidators.h"
#include "wizards/validationreport.h"

#include "ui_srvrecordwizardpage.h"

#include <QRegularExpressionValidator>

SRVRecordWizardPage::SRVRecordWizardPage(QWidget *parent)
    : QWizardPage(parent), m_record(new SRVRecord), ui(new Ui::SRVRecordWizardPage)
{
    ui->setupUi(this);
    ui->lineEditService->setValidator(printableValidator());
    ui->comboBoxProto->setValidator(printableValidator());
    ui->lineEditName->setValidator(domainCharsValidator());
    ui->lineEditTarget->setValidator(domainCharsValidator());
    fillForm(*m_record);
}

SRVRecordWizardPage::~SRVRecordWizardPage() = default;

PRecord SRVRecordWizardPage::record()
{
    writeForm(*m_record);
    return m_record;
}

bool SRVRecordWizardPage::validatePage()
{
    SRVRecord scratch(*m_record);
    writeForm(scratch);
    return reportValidation(this, tr("Validation failed"), scratch.validate());
}

void SRVRecordWizardPage::fillForm(const SRVRecord &record)
{
    ui->lineEditService->setText(record.service());
    ui->comboBoxProto->setCurrentText(record.proto());
    ui->lineEditName->setText(record.name());
    ui->spinBoxPriority->setValue(record.priority());
    ui->spinBoxWeight->setValue(record.weight());
    ui->spinBoxPort->setValue(record.port());
    ui->lineEditTarget->setText(record.target());
    ui->spinBoxTTL->setValue(int(record.ttl()));
}

void SRVRecordWizardPage::writeForm(SRVRecord &record) const
{
    record.setService(ui->lineEditService->text());
    record.setProto(ui->comboBoxProto->currentText());
    record.setName(ui->lineEditName->text());
    record.setPriority(quint16(ui->spinBoxPriority->value()));
    record.setWeight(quint16(ui->spinBoxWeight->value()));
    record.setPort(quint16(ui->spinBoxPort->value()));
    record.setTarget(ui->lineEditTarget->text());
    record.setTtl(quint64(ui->spinBoxTTL->value()));
}
