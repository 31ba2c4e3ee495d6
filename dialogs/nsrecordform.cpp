#include "nsrecordform.h"

#include "records/nsrecord.h"

#include "ui_nsrecordform.h"

NSRecordForm::NSRecordForm(QWidget *parent)
    : RecordForm(parent), ui(std::make_unique<Ui::NSRecordForm>())
{
    ui->setupUi(this);
    setCommonFields(ui->lineEditName, ui->spinBoxTTL);
}

NSRecordForm::~NSRecordForm() = default;

Record *NSRecordForm::create() const
{
    return new NSRecord;
}

void NSRecordForm::fillFields(const Record &record)
{
    ui->lineEditNSDName->setText(shownName(dynamic_cast<const NSRecord &>(record).nsdName()));
}

QStringList NSRecordForm::writeFields(Record &record) const
{
    dynamic_cast<NSRecord &>(record).setNsdName(typedName(ui->lineEditNSDName));
    return {};
}
