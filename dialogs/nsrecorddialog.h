#pragma once

#include <QDialog>

#include <memory>

class NSRecord;

namespace Ui {
class NSRecordDialog;
}

class NSRecordDialog : public QDialog
{
    Q_OBJECT

public:
    explicit NSRecordDialog(NSRecord *record, QWidget *parent = nullptr);
    ~NSRecordDialog() override;

public slots:
    void accept() override;

private:
    NSRecord *record;
    std::unique_ptr<Ui::NSRecordDialog> ui;
};
