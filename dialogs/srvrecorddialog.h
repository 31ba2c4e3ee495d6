#pragma once

#include <QDialog>

#include <memory>

class SRVRecord;

namespace Ui {
class SRVRecordDialog;
}

class SRVRecordDialog : public QDialog
{
    Q_OBJECT

public:
    explicit SRVRecordDialog(SRVRecord *record, QWidget *parent = nullptr);
    ~SRVRecordDialog() override;

public slots:
    void accept() override;

private:
    SRVRecord *record;
    std::unique_ptr<Ui::SRVRecordDialog> ui;
};
