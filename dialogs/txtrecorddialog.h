#pragma once

#include <QDialog>

#include <memory>

class TXTRecord;

namespace Ui {
class TXTRecordDialog;
}

class TXTRecordDialog : public QDialog
{
    Q_OBJECT

public:
    explicit TXTRecordDialog(TXTRecord *record, QWidget *parent = nullptr);
    ~TXTRecordDialog() override;

public slots:
    void accept() override;

private:
    TXTRecord *record;
    std::unique_ptr<Ui::TXTRecordDialog> ui;
};
