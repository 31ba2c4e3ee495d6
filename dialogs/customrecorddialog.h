#pragma once

#include <QDialog>

#include <memory>

class CustomRecord;

namespace Ui {
class CustomRecordDialog;
}

class CustomRecordDialog : public QDialog
{
    Q_OBJECT

public:
    explicit CustomRecordDialog(CustomRecord *record, QWidget *parent = nullptr);
    ~CustomRecordDialog() override;

public slots:
    void accept() override;

private:
    CustomRecord *record;
    std::unique_ptr<Ui::CustomRecordDialog> ui;
};
