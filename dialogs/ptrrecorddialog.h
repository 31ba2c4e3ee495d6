#pragma once

#include <QDialog>

#include <memory>

class PTRRecord;

namespace Ui {
class PTRRecordDialog;
}

class PTRRecordDialog : public QDialog
{
    Q_OBJECT

public:
    explicit PTRRecordDialog(PTRRecord *record, QWidget *parent = nullptr);
    ~PTRRecordDialog() override;

public slots:
    void accept() override;

private:
    PTRRecord *record;
    std::unique_ptr<Ui::PTRRecordDialog> ui;
};
