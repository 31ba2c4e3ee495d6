#pragma once

#include "dialogs/recordform.h"

#include <memory>

namespace Ui {
class TXTRecordForm;
}

class TXTRecordForm : public RecordForm
{
    Q_OBJECT

public:
    explicit TXTRecordForm(QWidget *parent = nullptr);
    ~TXTRecordForm() override;

protected:
    Record *create() const override;
    void fillFields(const Record &record) override;
    QStringList writeFields(Record &record) const override;

private:
    const std::unique_ptr<Ui::TXTRecordForm> ui;
};
