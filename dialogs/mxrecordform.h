#pragma once

#include "dialogs/recordform.h"

#include <memory>

namespace Ui {
class MXRecordForm;
}

class MXRecordForm : public RecordForm
{
    Q_OBJECT

public:
    explicit MXRecordForm(QWidget *parent = nullptr);
    ~MXRecordForm() override;

protected:
    Record *create() const override;
    void fillFields(const Record &record) override;
    QStringList writeFields(Record &record) const override;

private:
    const std::unique_ptr<Ui::MXRecordForm> ui;
};
