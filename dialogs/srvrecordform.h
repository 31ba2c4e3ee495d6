#pragma once

#include "dialogs/recordform.h"

#include <memory>

namespace Ui {
class SRVRecordForm;
}

class SRVRecordForm : public RecordForm
{
    Q_OBJECT

public:
    explicit SRVRecordForm(QWidget *parent = nullptr);
    ~SRVRecordForm() override;

protected:
    Record *create() const override;
    void fillFields(const Record &record) override;
    QStringList writeFields(Record &record) const override;

private:
    const std::unique_ptr<Ui::SRVRecordForm> ui;
};
