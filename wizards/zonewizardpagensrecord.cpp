#include "zonewizardpagensrecord.h"

#include "common/inputvalidators.h"
#include "common/validation.h"
#include "wizards/validationreport.h"
#include "wizards/zonewizard.h"

#include "ui_zonewizardpagensrecord.h"

#include <QRegularExpressionValidator>

ZoneWizardPageNSRecord::ZoneWizardPageNSRecord(QWidget *parent)
    : QWizardPage(parent), m_record(new NSRecord), ui(new Ui::ZoneWizardPageNSRecord)
{
    ui->setupUi(this);
    ui->lineEditNSDName->setValidator(domainCharsValidator());
    registerField(QStringLiteral("nsNSDName"), ui->lineEditNSDName);
}

ZoneWizardPageNSRecord::~ZoneWizardPageNSRecord() = default;

PRecord ZoneWizardPageNSRecord::record()
{
    writeForm(*m_record);
    return m_record;
}

void ZoneWizardPageNSRecord::initializePage()
{
    ui->lineEditNSDName->setText(field(QStringLiteral("soaMName")).toString());
    ui->spinBoxTTL->setValue(int(m_record->ttl()));
}

bool ZoneWizardPageNSRecord::validatePage()
{
    NSRecord scratch(*m_record);
    writeForm(scratch);
    return reportValidation(this, tr("Validation failed"), scratch.validate());
}

int ZoneWizardPageNSRecord::nextId() const
{
    if (isReverseName(wizard()->property(ZoneWizard::zoneNameProperty).toString()))
        return ZoneWizard::PTRPage;
    return ZoneWizard::APage;
}

void ZoneWizardPageNSRecord::writeForm(NSRecord &record) const
{
    record.setName(wizard()->property(ZoneWizard::zoneNameProperty).toString());
    record.setNsdName(ui->lineEditNSDName->text());
    record.setTtl(quint64(ui->spinBoxTTL->value()));
}
