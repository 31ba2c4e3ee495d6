#include "ptrrecordwizardpage.h"

#include "common/inputvalidators.h"
#include "common/validation.h"
#include "wizards/validationreport.h"

#include "ui_ptrrecordwizardpage.h"

#include <QRegularExpressionValidator>

PTRRecordWizardPage::PTRRecordWizardPage(QWidget *parent)
    : QWizardPage(parent), m_record(new PTRRecord), ui(new Ui::PTRRecordWizardPage)
{
    ui->setupUi(this);
    ui->lineEditPTRDName->setValidator(domainCharsValidator());
    fillForm(*m_record);
}

PTRRecordWizardPage::~PTRRecordWizardPage() = default;

PRecord PTRRecordWizardPage::record()
{
    writeForm(*m_record);
    return m_record;
}

bool PTRRecordWizardPage::validatePage()
{
    const QString title = tr("Validation failed");
    if (!ui->kivoHostAddress->isValid())
        return reportValidation(this, title, {tr("Address is not valid")});
    PTRRecord scratch(*m_record);
    writeForm(scratch);
    return reportValidation(this, title, scratch.validate());
}

void PTRRecordWizardPage::fillForm(const PTRRecord &record)
{
    ui->kivoHostAddress->setAddress(record.addressFromName());
    ui->lineEditPTRDName->setText(record.ptrdName());
    ui->spinBoxTTL->setValue(int(record.ttl()));
}

void PTRRecordWizardPage::writeForm(PTRRecord &record) const
{
    record.setName(reverseNameFromAddress(ui->kivoHostAddress->address().toString()));
    record.setPtrdName(ui->lineEditPTRDName->text());
    record.setTtl(quint64(ui->spinBoxTTL->value()));
}
