#include "arecordform.h"

#include "records/arecord.h"

#include "ui_arecordform.h"

ARecordForm::ARecordForm(QWidget *parent)
    : RecordForm(parent), ui(std::make_unique<Ui::ARecordForm>())
{
    ui->setupUi(this);
    setCommonFields(ui->lineEditName, ui->spinBoxTTL);
}

ARecordForm::~ARecordForm() = default;

Record *ARecordForm::create() const
{
    return new ARecord;
}

void ARecordForm::fillFields(const Record &record)
{
    ui->lineEditAddress->setText(dynamic_cast<const ARecord &>(record).address());
}

QStringList ARecordForm::writeFields(Record &record) const
{
    dynamic_cast<ARecord &>(record).setAddress(ui->lineEditAddress->text().trimmed());
    return {};
}
