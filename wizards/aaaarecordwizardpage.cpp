#include "aaaarecordwizardpage.h"

#include "common/inputvalidators.h"
#include "wizards/validationreport.h"

#include "ui_aaaarecordwizardpage.h"

#include <QRegularExpressionValidator>

AAAARecordWizardPage::AAAARecordWizardPage(QWidget *parent)
    : QWizardPage(parent), m_record(new AAAARecord), ui(new Ui::AAAARecordWizardPage)
{
    ui->setupUi(this);
    ui->lineEditName->setValidator(domainCharsValidator());
    ui->lineEditAddress->setValidator(ipv6Validator());
    fillForm(*m_record);
}

AAAARecordWizardPage::~AAAARecordWizardPage() = default;

PRecord AAAARecordWizardPage::record()
{
    writeForm(*m_record);
    return m_record;
}

bool AAAARecordWizardPage::validatePage()
{
    AAAARecord scratch(*m_record);
    writeForm(scratch);
    return reportValidation(this, tr("Validation failed"), scratch.validate());
}

void AAAARecordWizardPage::fillForm(const AAAARecord &record)
{
    ui->lineEditName->setText(record.name());
    ui->lineEditAddress->setText(record.address());
    ui->spinBoxTTL->setValue(int(record.ttl()));
}

void AAAARecordWizardPage::writeForm(AAAARecord &record) const
{
    record.setName(ui->lineEditName->text());
    record.setAddress(ui->lineEditAddress->text());
    record.setTtl(quint64(ui->spinBoxTTL->value()));
}
