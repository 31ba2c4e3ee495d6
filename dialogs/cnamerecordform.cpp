#include "cnamerecordform.h"

#include "records/cnamerecord.h"

#include "ui_cnamerecordform.h"

CNAMERecordForm::CNAMERecordForm(QWidget *parent)
    : RecordForm(parent), ui(std::make_unique<Ui::CNAMERecordForm>())
{
    ui->setupUi(this);
    setCommonFields(ui->lineEditName, ui->spinBoxTTL);
}

CNAMERecordForm::~CNAMERecordForm() = default;

Record *CNAMERecordForm::create() const
{
    return new CNAMERecord;
}

void CNAMERecordForm::fillFields(const Record &record)
{
    ui->lineEditCname->setText(shownName(dynamic_cast<const CNAMERecord &>(record).cname()));
}

QStringList CNAMERecordForm::writeFields(Record &record) const
{
    dynamic_cast<CNAMERecord &>(record).setCname(typedName(ui->lineEditCname));
    return {};
}
