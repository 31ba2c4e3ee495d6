#include "nsrecordwizardpage.h"

#include "common/inputvalidators.h"
#include "wizards/validationreport.h"

#include "ui_nsrecordwizardpage.h"

#include <QRegularExpressionValidator>

NSRecordWizardPage::NSRecordWizardPage(QWidget *parent)
    : QWizardPage(parent), m_record(new NSRecord), ui(new Ui::NSRecordWizardPage)
{
    ui->setupUi(this);
    ui->lineEditName->setValidator(domainCharsValidator());
    ui->lineEditNSDName->setValidator(domainCharsValidator());
    fillForm(*m_record);
}

NSRecordWizardPage::~NSRecordWizardPage() = default;

PRecord NSRecordWizardPage::record()
{
    writeForm(*m_record);
    return m_record;
}

bool NSRecordWizardPage::validatePage()
{
    NSRecord scratch(*m_record);
    writeForm(scratch);
    return reportValidation(this, tr("Validation failed"), scratch.validate());
}

void NSRecordWizardPage::fillForm(const NSRecord &record)
{
    ui->lineEditName->setText(record.name());
    ui->lineEditNSDName->setText(record.nsdName());
    ui->spinBoxTTL->setValue(int(record.ttl()));
}

void NSRecordWizardPage::writeForm(NSRecord &record) const
{
    record.setName(ui->lineEditName->text());
    record.setNsdName(ui->lineEditNSDName->text());
    record.setTtl(quint64(ui->spinBoxTTL->value()));
}
