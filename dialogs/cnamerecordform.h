#pragma once

#include "dialogs/recordform.h"

#include <memory>

namespace Ui {
class CNAMERecordForm;
}

class CNAMERecordForm : public RecordForm
{
    Q_OBJECT

public:
    explicit CNAMERecordForm(QWidget *parent = nullptr);
    ~CNAMERecordForm() override;

protected:
    Record *create() const override;
    void fillFields(const Record &record) override;
    QStringList writeFields(Record &record) const override;

private:
    const std::unique_ptr<Ui::CNAMERecordForm> ui;
};
