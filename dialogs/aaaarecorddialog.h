#pragma once

#include <QDialog>

#include <memory>

class AAAARecord;

namespace Ui {
class AAAARecordDialog;
}

class AAAARecordDialog : public QDialog
{
    Q_OBJECT

public:
    explicit AAAARecordDialog(AAAARecord *record, QWidget *parent = nullptr);
    ~AAAARecordDialog() override;

public slots:
    void accept() override;

private:
    AAAARecord *record;
    std::unique_ptr<Ui::AAAARecordDialog> ui;
};
