#include "txtrecordform.h"

#include "records/txtrecord.h"

#include "ui_txtrecordform.h"

TXTRecordForm::TXTRecordForm(QWidget *parent)
    : RecordForm(parent), ui(std::make_unique<Ui::TXTRecordForm>())
{
    ui->setupUi(this);
    setCommonFields(ui->lineEditName, ui->spinBoxTTL);
}

TXTRecordForm::~TXTRecordForm() = default;

Record *TXTRecordForm::create() const
{
    return new TXTRecord;
}

void TXTRecordForm::fillFields(const Record &record)
{
    ui->lineEditText->setText(dynamic_cast<const TXTRecord &>(record).typedText());
}

QStringList TXTRecordForm::writeFields(Record &record) const
{
    dynamic_cast<TXTRecord &>(record).setTypedText(ui->lineEditText->text());
    return {};
}
