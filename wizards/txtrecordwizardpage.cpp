#include "txtrecordwizardpage.h"

#include "common/inputvalidators.h"
#include "wizards/validationreport.h"

#include "ui_txtrecordwizardpage.h"

#include <QRegularExpressionValidator>

TXTRecordWizardPage::TXTRecordWizardPage(QWidget *parent)
    : QWizardPage(parent), m_record(new TXTRecord), ui(new Ui::TXTRecordWizardPage)
{
    ui->setupUi(this);
    ui->lineEditName->setValidator(domainCharsValidator());
    ui->lineEditText->setValidator(printableValidator());
    fillForm(*m_record);
}

TXTRecordWizardPage::~TXTRecordWizardPage() = default;

PRecord TXTRecordWizardPage::record()
{
    writeForm(*m_record);
    return m_record;
}

bool TXTRecordWizardPage::validatePage()
{
    TXTRecord scratch(*m_record);
    writeForm(scratch);
    return reportValidation(this, tr("Validation failed"), scratch.validate());
}

void TXTRecordWizardPage::fillForm(const TXTRecord &record)
{
    ui->lineEditName->setText(record.name());
    ui->lineEditText->setText(record.text());
    ui->spinBoxTTL->setValue(int(record.ttl()));
}

void TXTRecordWizardPage::writeForm(TXTRecord &record) const
{
    record.setName(ui->lineEditName->text());
    record.setText(ui->lineEditText->text());
    record.setTtl(quint64(ui->spinBoxTTL->value()));
}
