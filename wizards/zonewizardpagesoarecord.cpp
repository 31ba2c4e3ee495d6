#include "zonewizardpagesoarecord.h"

#include "common/inputvalidators.h"
#include "records/soaserial.h"
#include "wizards/validationreport.h"
#include "wizards/zonewizard.h"

#include "ui_zonewizardpagesoarecord.h"

#include <QDate>
#include <QRegularExpressionValidator>

ZoneWizardPageSOARecord::ZoneWizardPageSOARecord(QWidget *parent)
    : QWizardPage(parent), m_record(new SOARecord), ui(new Ui::ZoneWizardPageSOARecord)
{
    ui->setupUi(this);
    ui->lineEditMName->setValidator(domainCharsValidator());
    ui->lineEditRName->setValidator(domainCharsValidator());
    registerField(QStringLiteral("soaMName*"), ui->lineEditMName);
    m_record->setSerial(SoaSerial::firstOf(QDate::currentDate()).value());

    ui->lineEditMName->setText(m_record->mname());
    ui->lineEditRName->setText(m_record->rname());
    ui->spinBoxSerial->setValue(quint32(m_record->serial()));
    ui->spinBoxRefresh->setValue(int(m_record->refresh()));
    ui->spinBoxRetry->setValue(int(m_record->retry()));
    ui->spinBoxExpire->setValue(int(m_record->expire()));
    ui->spinBoxNCTTL->setValue(int(m_record->minimum()));
    ui->spinBoxTTL->setValue(int(m_record->ttl()));
}

ZoneWizardPageSOARecord::~ZoneWizardPageSOARecord() = default;

PRecord ZoneWizardPageSOARecord::record()
{
    writeForm(*m_record);
    return m_record;
}

bool ZoneWizardPageSOARecord::validatePage()
{
    SOARecord scratch(*m_record);
    writeForm(scratch);
    return reportValidation(this, tr("Validation failed"), scratch.validate());
}

int ZoneWizardPageSOARecord::nextId() const
{
    return ZoneWizard::NSPage;
}

void ZoneWizardPageSOARecord::writeForm(SOARecord &record) const
{
    record.setName(wizard()->property(ZoneWizard::zoneNameProperty).toString());
    record.setMname(ui->lineEditMName->text());
    record.setRname(ui->lineEditRName->text());
    record.setSerial(ui->spinBoxSerial->value());
    record.setRefresh(quint64(ui->spinBoxRefresh->value()));
    record.setRetry(quint64(ui->spinBoxRetry->value()));
    record.setExpire(quint64(ui->spinBoxExpire->value()));
    record.setMinimum(quint64(ui->spinBoxNCTTL->value()));
    record.setTtl(quint64(ui->spinBoxTTL->value()));
}
