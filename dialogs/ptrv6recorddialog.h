#pragma once

#include <QDialog>

#include <memory>

class PTRRecord;

namespace Ui {
class PTRv6RecordDialog;
}

class PTRv6RecordDialog : public QDialog
{
    Q_OBJECT

public:
    explicit PTRv6RecordDialog(PTRRecord *record, QWidget *parent = nullptr);
    ~PTRv6RecordDialog() override;

public slots:
    void accept() override;

private:
    PTRRecord *record;
    std::unique_ptr<Ui::PTRv6RecordDialog> ui;
};
