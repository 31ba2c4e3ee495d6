#include "soarecordwizardpage.h"

#include "common/inputvalidators.h"
#include "wizards/validationreport.h"

#include "ui_soarecordwizardpage.h"

#include <QRegularExpressionValidator>

SOARecordWizardPage::SOARecordWizardPage(QWidget *parent)
    : QWizardPage(parent), m_record(new SOARecord), ui(new Ui::SOARecordWizardPage)
{
    ui->setupUi(this);
    ui->lineEditDomain->setValidator(domainCharsValidator());
    ui->lineEditMName->setValidator(domainCharsValidator());
    ui->lineEditRName->setValidator(domainCharsValidator());
    fillForm(*m_record);
}

SOARecordWizardPage::~SOARecordWizardPage() = default;

PRecord SOARecordWizardPage::record()
{
    writeForm(*m_record);
    return m_record;
}

bool SOARecordWizardPage::validatePage()
{
    SOARecord scratch(*m_record);
    writeForm(scratch);
    return reportValidation(this, tr("Validation failed"), scratch.validate());
}

void SOARecordWizardPage::fillForm(const SOARecord &record)
{
    ui->lineEditDomain->setText(record.name());
    ui->lineEditMName->setText(record.mname());
    ui->lineEditRName->setText(record.rname());
    ui->spinBoxSerial->setValue(quint32(record.serial()));
    ui->spinBoxRefresh->setValue(int(record.refresh()));
    ui->spinBoxRetry->setValue(int(record.retry()));
    ui->spinBoxExpire->setValue(int(record.expire()));
    ui->spinBoxNCTTL->setValue(int(record.minimum()));
    ui->spinBoxTTL->setValue(int(record.ttl()));
}

void SOARecordWizardPage::writeForm(SOARecord &record) const
{
    record.setName(ui->lineEditDomain->text());
    record.setMname(ui->lineEditMName->text());
    record.setRname(ui->lineEditRName->text());
    record.setSerial(ui->spinBoxSerial->value());
    record.setRefresh(quint64(ui->spinBoxRefresh->value()));
    record.setRetry(quint64(ui->spinBoxRetry->value()));
    record.setExpire(quint64(ui->spinBoxExpire->value()));
    record.setMinimum(quint64(ui->spinBoxNCTTL->value()));
    record.setTtl(quint64(ui->spinBoxTTL->value()));
}
