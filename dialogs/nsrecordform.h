#pragma once

#include "dialogs/recordform.h"

#include <memory>

namespace Ui {
class NSRecordForm;
}

class NSRecordForm : public RecordForm
{
    Q_OBJECT

public:
    explicit NSRecordForm(QWidget *parent = nullptr);
    ~NSRecordForm() override;

protected:
    Record *create() const override;
    void fillFields(const Record &record) override;
    QStringList writeFields(Record &record) const override;

private:
    const std::unique_ptr<Ui::NSRecordForm> ui;
};
