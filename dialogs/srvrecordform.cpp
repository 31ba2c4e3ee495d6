#include "srvrecordform.h"

#include "records/srvrecord.h"

#include "ui_srvrecordform.h"

SRVRecordForm::SRVRecordForm(QWidget *parent)
    : RecordForm(parent), ui(std::make_unique<Ui::SRVRecordForm>())
{
    ui->setupUi(this);
    for (RecordSpinBox *box : {ui->spinBoxPriority, ui->spinBoxWeight, ui->spinBoxPort})
        box->setMaximum(Record::maximumUInt16);
    setCommonFields(ui->lineEditName, ui->spinBoxTTL);
}

SRVRecordForm::~SRVRecordForm() = default;

Record *SRVRecordForm::create() const
{
    return new SRVRecord;
}

void SRVRecordForm::fillFields(const Record &record)
{
    const auto &srv = dynamic_cast<const SRVRecord &>(record);
    ui->lineEditService->setText(srv.service());
    ui->comboBoxProto->setCurrentText(srv.proto());
    ui->spinBoxPriority->setValue(srv.priority());
    ui->spinBoxWeight->setValue(srv.weight());
    ui->spinBoxPort->setValue(srv.port());
    ui->lineEditTarget->setText(shownName(srv.target()));
}

QStringList SRVRecordForm::writeFields(Record &record) const
{
    auto &srv = dynamic_cast<SRVRecord &>(record);
    srv.setService(ui->lineEditService->text().trimmed());
    srv.setProto(ui->comboBoxProto->currentText().trimmed());
    srv.setPriority(ui->spinBoxPriority->value());
    srv.setWeight(ui->spinBoxWeight->value());
    srv.setPort(ui->spinBoxPort->value());
    srv.setTarget(typedName(ui->lineEditTarget));
    return {};
}
