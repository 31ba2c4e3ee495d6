#include "soarecordform.h"

#include "records/soarecord.h"

#include "ui_soarecordform.h"

namespace {
const QString apex = QStringLiteral("@");
const QLatin1Char mailSeparator('@');
} // namespace

// The SOA record stands at the zone's apex and nowhere else.
SOARecordForm::SOARecordForm(QWidget *parent)
    : RecordForm(parent), ui(std::make_unique<Ui::SOARecordForm>())
{
    ui->setupUi(this);
    ui->lineEditName->setText(apex);
    ui->lineEditName->setEnabled(false);
    setCommonFields(nullptr, ui->spinBoxTTL);
}

SOARecordForm::~SOARecordForm() = default;

Record *SOARecordForm::create() const
{
    return new SOARecord;
}

// The mailbox shows as the e-mail address it stands for.
void SOARecordForm::fillFields(const Record &record)
{
    const auto &soa = dynamic_cast<const SOARecord &>(record);
    const QString email = SOARecord::emailOf(soa.rname());
    ui->lineEditMName->setText(shownName(soa.mname()));
    ui->lineEditRName->setText(email.isEmpty() ? shownName(soa.rname()) : email);
    ui->spinBoxSerial->setValue(soa.serial());
    ui->spinBoxRefresh->setValue(soa.refresh());
    ui->spinBoxRetry->setValue(soa.retry());
    ui->spinBoxExpire->setValue(soa.expire());
    ui->spinBoxNCTTL->setValue(soa.minimum());
}

QStringList SOARecordForm::writeFields(Record &record) const
{
    auto &soa = dynamic_cast<SOARecord &>(record);
    const QString mailbox = ui->lineEditRName->text().trimmed();
    if (mailbox.contains(mailSeparator)) {
        soa.setRname(SOARecord::mailboxOf(mailbox));
        if (soa.rname().isEmpty())
            return {tr("%1 is no email address").arg(mailbox)};
    } else {
        soa.setRname(typedName(ui->lineEditRName));
    }
    soa.setName(typedName(ui->lineEditName));
    soa.setMname(typedName(ui->lineEditMName));
    soa.setSerial(ui->spinBoxSerial->value());
    soa.setRefresh(ui->spinBoxRefresh->value());
    soa.setRetry(ui->spinBoxRetry->value());
    soa.setExpire(ui->spinBoxExpire->value());
    soa.setMinimum(ui->spinBoxNCTTL->value());
    return {};
}
