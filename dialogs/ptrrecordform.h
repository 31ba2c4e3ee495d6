#pragma once

#include "dialogs/recordform.h"

#include <memory>

namespace Ui {
class PTRRecordForm;
}

class PTRRecordForm : public RecordForm
{
    Q_OBJECT

public:
    explicit PTRRecordForm(QWidget *parent = nullptr);
    ~PTRRecordForm() override;

protected:
    Record *create() const override;
    void fillFields(const Record &record) override;
    QStringList writeFields(Record &record) const override;

private:
    const std::unique_ptr<Ui::PTRRecordForm> ui;
};
