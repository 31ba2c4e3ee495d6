#pragma once

#include "dialogs/recorddialog.h"

class SOARecord;

class SOARecordDialog : public RecordDialog
{
    Q_OBJECT

public:
    explicit SOARecordDialog(SOARecord *record, QWidget *parent = nullptr);
};
