#pragma once

#include <QDialog>

#include <memory>

class CNAMERecord;

namespace Ui {
class CNAMERecordDialog;
}

class CNAMERecordDialog : public QDialog
{
    Q_OBJECT

public:
    explicit CNAMERecordDialog(CNAMERecord *record, QWidget *parent = nullptr);
    ~CNAMERecordDialog() override;

public slots:
    void accept() override;

private:
    CNAMERecord *record;
    std::unique_ptr<Ui::CNAMERecordDialog> ui;
};
