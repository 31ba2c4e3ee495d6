#pragma once

#include "dialogs/recordform.h"

#include <memory>

namespace Ui {
class AAAARecordForm;
}

class AAAARecordForm : public RecordForm
{
    Q_OBJECT

public:
    explicit AAAARecordForm(QWidget *parent = nullptr);
    ~AAAARecordForm() override;

protected:
    Record *create() const override;
    void fillFields(const Record &record) override;
    QStringList writeFields(Record &record) const override;

private:
    const std::unique_ptr<Ui::AAAARecordForm> ui;
};
