#include "customrecordwizardpage.h"

#include "common/inputvalidators.h"
#include "wizards/validationreport.h"

#include "ui_customrecordwizardpage.h"

#include <QRegularExpressionValidator>

CustomRecordWizardPage::CustomRecordWizardPage(QWidget *parent)
    : QWizardPage(parent), m_record(new CustomRecord), ui(new Ui::CustomRecordWizardPage)
{
    ui->setupUi(this);
    ui->lineEditName->setValidator(domainCharsValidator());
    ui->lineEditType->setValidator(printableValidator());
    ui->lineEditContent->setValidator(printableValidator());
    fillForm(*m_record);
}

CustomRecordWizardPage::~CustomRecordWizardPage() = default;

PRecord CustomRecordWizardPage::record()
{
    writeForm(*m_record);
    return m_record;
}

bool CustomRecordWizardPage::validatePage()
{
    CustomRecord scratch(*m_record);
    writeForm(scratch);
    return reportValidation(this, tr("Validation failed"), scratch.validate());
}

void CustomRecordWizardPage::fillForm(const CustomRecord &record)
{
    ui->lineEditName->setText(record.name());
    ui->lineEditType->setText(record.type());
    ui->lineEditContent->setText(record.data());
    ui->spinBoxTTL->setValue(int(record.ttl()));
}

void CustomRecordWizardPage::writeForm(CustomRecord &record) const
{
    record.setName(ui->lineEditName->text());
    record.setType(ui->lineEditType->text());
    record.setData(ui->lineEditContent->text());
    record.setTtl(quint64(ui->spinBoxTTL->value()));
}
