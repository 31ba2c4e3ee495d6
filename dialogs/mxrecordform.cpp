#include "mxrecordform.h"

#include "records/mxrecord.h"

#include "ui_mxrecordform.h"

MXRecordForm::MXRecordForm(QWidget *parent)
    : RecordForm(parent), ui(std::make_unique<Ui::MXRecordForm>())
{
    ui->setupUi(this);
    ui->spinBoxPreference->setMaximum(Record::maximumUInt16);
    setCommonFields(ui->lineEditName, ui->spinBoxTTL);
}

MXRecordForm::~MXRecordForm() = default;

Record *MXRecordForm::create() const
{
    return new MXRecord;
}

void MXRecordForm::fillFields(const Record &record)
{
    const auto &mx = dynamic_cast<const MXRecord &>(record);
    ui->spinBoxPreference->setValue(mx.preference());
    ui->lineEditExchange->setText(shownName(mx.exchange()));
}

QStringList MXRecordForm::writeFields(Record &record) const
{
    auto &mx = dynamic_cast<MXRecord &>(record);
    mx.setPreference(ui->spinBoxPreference->value());
    mx.setExchange(typedName(ui->lineEditExchange));
    return {};
}
