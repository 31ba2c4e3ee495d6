#pragma once

#include "dialogs/recorddialog.h"

class CustomRecord;

class CustomRecordDialog : public RecordDialog
{
    Q_OBJECT

public:
    explicit CustomRecordDialog(CustomRecord *record, QWidget *parent = nullptr);
};
