#pragma once

#include "dialogs/recorddialog.h"

class ARecord;

class ARecordDialog : public RecordDialog
{
    Q_OBJECT

public:
    explicit ARecordDialog(ARecord *record, QWidget *parent = nullptr);
};
