#pragma once

#include "dialogs/recorddialog.h"

class MXRecord;

class MXRecordDialog : public RecordDialog
{
    Q_OBJECT

public:
    explicit MXRecordDialog(MXRecord *record, QWidget *parent = nullptr);
};
