#pragma once

#include "dialogs/recordform.h"

#include <memory>

namespace Ui {
class ARecordForm;
}

class ARecordForm : public RecordForm
{
    Q_OBJECT

public:
    explicit ARecordForm(QWidget *parent = nullptr);
    ~ARecordForm() override;

protected:
    Record *create() const override;
    void fillFields(const Record &record) override;
    QStringList writeFields(Record &record) const override;

private:
    const std::unique_ptr<Ui::ARecordForm> ui;
};
