#pragma once

#include <QDialog>

#include <memory>

class SOARecord;

namespace Ui {
class SOARecordDialog;
}

class SOARecordDialog : public QDialog
{
    Q_OBJECT

public:
    explicit SOARecordDialog(SOARecord *record, QWidget *parent = nullptr);
    ~SOARecordDialog() override;

public slots:
    void accept() override;

private:
    SOARecord *record;
    std::unique_ptr<Ui::SOARecordDialog> ui;
};
