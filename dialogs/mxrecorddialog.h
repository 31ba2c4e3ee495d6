#pragma once

#include <QDialog>

#include <memory>

class MXRecord;

namespace Ui {
class MXRecordDialog;
}

class MXRecordDialog : public QDialog
{
    Q_OBJECT

public:
    explicit MXRecordDialog(MXRecord *record, QWidget *parent = nullptr);
    ~MXRecordDialog() override;

public slots:
    void accept() override;

private:
    MXRecord *record;
    std::unique_ptr<Ui::MXRecordDialog> ui;
};
