#include "aaaarecordform.h"

#include "records/aaaarecord.h"

#include "ui_aaaarecordform.h"

AAAARecordForm::AAAARecordForm(QWidget *parent)
    : RecordForm(parent), ui(std::make_unique<Ui::AAAARecordForm>())
{
    ui->setupUi(this);
    setCommonFields(ui->lineEditName, ui->spinBoxTTL);
}

AAAARecordForm::~AAAARecordForm() = default;

Record *AAAARecordForm::create() const
{
    return new AAAARecord;
}

void AAAARecordForm::fillFields(const Record &record)
{
    ui->lineEditAddress->setText(dynamic_cast<const AAAARecord &>(record).address());
}

QStringList AAAARecordForm::writeFields(Record &record) const
{
    dynamic_cast<AAAARecord &>(record).setAddress(ui->lineEditAddress->text().trimmed());
    return {};
}
