#include "customrecordform.h"

#include "records/customrecord.h"

#include "ui_customrecordform.h"

CustomRecordForm::CustomRecordForm(QWidget *parent)
    : RecordForm(parent), ui(std::make_unique<Ui::CustomRecordForm>())
{
    ui->setupUi(this);
    setCommonFields(ui->lineEditName, ui->spinBoxTTL);
}

CustomRecordForm::~CustomRecordForm() = default;

Record *CustomRecordForm::create() const
{
    return new CustomRecord;
}

void CustomRecordForm::fillFields(const Record &record)
{
    const auto &custom = dynamic_cast<const CustomRecord &>(record);
    ui->lineEditType->setText(custom.type());
    ui->lineEditContent->setText(custom.data());
}

QStringList CustomRecordForm::writeFields(Record &record) const
{
    auto &custom = dynamic_cast<CustomRecord &>(record);
    custom.setType(ui->lineEditType->text().trimmed());
    custom.setData(ui->lineEditContent->text().trimmed());
    return {};
}
