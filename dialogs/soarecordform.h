#pragma once

#include "dialogs/recordform.h"

#include <memory>

namespace Ui {
class SOARecordForm;
}

class SOARecordForm : public RecordForm
{
    Q_OBJECT

public:
    explicit SOARecordForm(QWidget *parent = nullptr);
    ~SOARecordForm() override;

protected:
    Record *create() const override;
    void fillFields(const Record &record) override;
    QStringList writeFields(Record &record) const override;

private:
    const std::unique_ptr<Ui::SOARecordForm> ui;
};
