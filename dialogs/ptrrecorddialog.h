#pragma once

#include "dialogs/recorddialog.h"

class PTRRecord;

class PTRRecordDialog : public RecordDialog
{
    Q_OBJECT

public:
    explicit PTRRecordDialog(PTRRecord *record, QWidget *parent = nullptr);
};
