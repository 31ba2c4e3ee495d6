#pragma once

#include "dialogs/recordform.h"

#include <memory>

namespace Ui {
class CustomRecordForm;
}

class CustomRecordForm : public RecordForm
{
    Q_OBJECT

public:
    explicit CustomRecordForm(QWidget *parent = nullptr);
    ~CustomRecordForm() override;

protected:
    Record *create() const override;
    void fillFields(const Record &record) override;
    QStringList writeFields(Record &record) const override;

private:
    const std::unique_ptr<Ui::CustomRecordForm> ui;
};
