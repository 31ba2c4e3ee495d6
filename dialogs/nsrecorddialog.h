#pragma once

#include "dialogs/recorddialog.h"

class NSRecord;

class NSRecordDialog : public RecordDialog
{
    Q_OBJECT

public:
    explicit NSRecordDialog(NSRecord *record, QWidget *parent = nullptr);
};
