#include "cnamerecordwizardpage.h"

#include "common/inputvalidators.h"
#include "wizards/validationreport.h"

#include "ui_cnamerecordwizardpage.h"

#include <QRegularExpressionValidator>

CNAMERecordWizardPage::CNAMERecordWizardPage(QWidget *parent)
    : QWizardPage(parent), m_record(new CNAMERecord), ui(new Ui::CNAMERecordWizardPage)
{
    ui->setupUi(this);
    ui->lineEditName->setValidator(domainCharsValidator());
    ui->lineEditCname->setValidator(domainCharsValidator());
    fillForm(*m_record);
}

CNAMERecordWizardPage::~CNAMERecordWizardPage() = default;

PRecord CNAMERecordWizardPage::record()
{
    writeForm(*m_record);
    return m_record;
}

bool CNAMERecordWizardPage::validatePage()
{
    CNAMERecord scratch(*m_record);
    writeForm(scratch);
    return reportValidation(this, tr("Validation failed"), scratch.validate());
}

void CNAMERecordWizardPage::fillForm(const CNAMERecord &record)
{
    ui->lineEditName->setText(record.name());
    ui->lineEditCname->setText(record.cname());
    ui->spinBoxTTL->setValue(int(record.ttl()));
}

void CNAMERecordWizardPage::writeForm(CNAMERecord &record) const
{
    record.setName(ui->lineEditName->text());
    record.setCname(ui->lineEditCname->text());
    record.setTtl(quint64(ui->spinBoxTTL->value()));
}
