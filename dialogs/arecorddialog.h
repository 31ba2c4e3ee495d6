#pragma once

#include <QDialog>

#include <memory>

class ARecord;

namespace Ui {
class ARecordDialog;
}

class ARecordDialog : public QDialog
{
    Q_OBJECT

public:
    explicit ARecordDialog(ARecord *record, QWidget *parent = nullptr);
    ~ARecordDialog() override;

public slots:
    void accept() override;

private:
    ARecord *record;
    std::unique_ptr<Ui::ARecordDialog> ui;
};
