#include "mxrecordwizardpage.h"

#include "common/inputvalidators.h"
#include "wizards/validationreport.h"

#include "ui_mxrecordwizardpage.h"

#include <QRegularExpressionValidator>

MXRecordWizardPage::MXRecordWizardPage(QWidget *parent)
    : QWizardPage(parent), m_record(new MXRecord), ui(new Ui::MXRecordWizardPage)
{
    ui->setupUi(this);
    ui->lineEditName->setValidator(domainCharsValidator());
    ui->lineEditExchange->setValidator(domainCharsValidator());
    fillForm(*m_record);
}

MXRecordWizardPage::~MXRecordWizardPage() = default;

PRecord MXRecordWizardPage::record()
{
    writeForm(*m_record);
    return m_record;
}

bool MXRecordWizardPage::validatePage()
{
    MXRecord scratch(*m_record);
    writeForm(scratch);
    return reportValidation(this, tr("Validation failed"), scratch.validate());
}

void MXRecordWizardPage::fillForm(const MXRecord &record)
{
    ui->lineEditName->setText(record.name());
    ui->spinBoxPreference->setValue(int(record.preference()));
    ui->lineEditExchange->setText(record.exchange());
    ui->spinBoxTTL->setValue(int(record.ttl()));
}

void MXRecordWizardPage::writeForm(MXRecord &record) const
{
    record.setName(ui->lineEditName->text());
    record.setPreference(quint64(ui->spinBoxPreference->value()));
    record.setExchange(ui->lineEditExchange->text());
    record.setTtl(quint64(ui->spinBoxTTL->value()));
}
