#pragma once

#include "dialogs/recorddialog.h"

class AAAARecord;

class AAAARecordDialog : public RecordDialog
{
    Q_OBJECT

public:
    explicit AAAARecordDialog(AAAARecord *record, QWidget *parent = nullptr);
};
