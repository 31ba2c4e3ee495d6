#include "zonewizardpagearecord.h"

#include "common/inputvalidators.h"
#include "wizards/validationreport.h"

#include "ui_zonewizardpagearecord.h"

#include <QRegularExpressionValidator>

ZoneWizardPageARecord::ZoneWizardPageARecord(QWidget *parent)
    : QWizardPage(parent), m_record(new ARecord), ui(new Ui::ZoneWizardPageARecord)
{
    ui->setupUi(this);
    ui->lineEditName->setValidator(domainCharsValidator());
}

ZoneWizardPageARecord::~ZoneWizardPageARecord() = default;

PRecord ZoneWizardPageARecord::record()
{
    writeForm(*m_record);
    return m_record;
}

void ZoneWizardPageARecord::initializePage()
{
    ui->lineEditName->setText(field(QStringLiteral("nsNSDName")).toString());
    ui->kivoHostAddress->setAddress(m_record->address());
    ui->spinBoxTTL->setValue(int(m_record->ttl()));
}

bool ZoneWizardPageARecord::validatePage()
{
    ARecord scratch(*m_record);
    writeForm(scratch);
    return reportValidation(this, tr("Validation failed"), scratch.validate());
}

void ZoneWizardPageARecord::writeForm(ARecord &record) const
{
    record.setName(ui->lineEditName->text());
    // An incomplete entry gives an empty text, which the record's own check refuses.
    record.setAddress(ui->kivoHostAddress->address().toString());
    record.setTtl(quint64(ui->spinBoxTTL->value()));
}
