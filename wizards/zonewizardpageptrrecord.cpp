#include "zonewizardpageptrrecord.h"

#include "common/inputvalidators.h"
#include "common/validation.h"
#include "wizards/validationreport.h"

#include "ui_zonewizardpageptrrecord.h"

#include <QRegularExpressionValidator>

ZoneWizardPagePTRRecord::ZoneWizardPagePTRRecord(QWidget *parent)
    : QWizardPage(parent), m_record(new PTRRecord), ui(new Ui::ZoneWizardPagePTRRecord)
{
    ui->setupUi(this);
    ui->lineEditPTRDName->setValidator(domainCharsValidator());
}

ZoneWizardPagePTRRecord::~ZoneWizardPagePTRRecord() = default;

PRecord ZoneWizardPagePTRRecord::record()
{
    writeForm(*m_record);
    return m_record;
}

void ZoneWizardPagePTRRecord::initializePage()
{
    ui->kivoHostAddress->setAddress(m_record->addressFromName());
    ui->lineEditPTRDName->setText(field(QStringLiteral("nsNSDName")).toString());
    ui->spinBoxTTL->setValue(int(m_record->ttl()));
}

bool ZoneWizardPagePTRRecord::validatePage()
{
    const QString title = tr("Validation failed");
    if (!ui->kivoHostAddress->isValid())
        return reportValidation(this, title, {tr("Address is not valid")});
    PTRRecord scratch(*m_record);
    writeForm(scratch);
    return reportValidation(this, title, scratch.validate());
}

void ZoneWizardPagePTRRecord::writeForm(PTRRecord &record) const
{
    record.setName(reverseNameFromAddress(ui->kivoHostAddress->address().toString()));
    record.setPtrdName(ui->lineEditPTRDName->text());
    record.setTtl(quint64(ui->spinBoxTTL->value()));
}
