#include "arecordwizardpage.h"

#include "common/inputvalidators.h"
#include "wizards/validationreport.h"

#include "ui_arecordwizardpage.h"

#include <QRegularExpressionValidator>

ARecordWizardPage::ARecordWizardPage(QWidget *parent)
    : QWizardPage(parent), m_record(new ARecord), ui(new Ui::ARecordWizardPage)
{
    ui->setupUi(this);
    ui->lineEditName->setValidator(domainCharsValidator());
    fillForm(*m_record);
}

ARecordWizardPage::~ARecordWizardPage() = default;

PRecord ARecordWizardPage::record()
{
    writeForm(*m_record);
    return m_record;
}

bool ARecordWizardPage::validatePage()
{
    ARecord scratch(*m_record);
    writeForm(scratch);
    return reportValidation(this, tr("Validation failed"), scratch.validate());
}

void ARecordWizardPage::fillForm(const ARecord &record)
{
    ui->lineEditName->setText(record.name());
    ui->kivoHostAddress->setAddress(record.address());
    ui->spinBoxTTL->setValue(int(record.ttl()));
}

void ARecordWizardPage::writeForm(ARecord &record) const
{
    record.setName(ui->lineEditName->text());
    // An incomplete entry gives an empty text, which the record's own check refuses.
    record.setAddress(ui->kivoHostAddress->address().toString());
    record.setTtl(quint64(ui->spinBoxTTL->value()));
}
