#pragma once

#include "dialogs/recorddialog.h"

class TXTRecord;

class TXTRecordDialog : public RecordDialog
{
    Q_OBJECT

public:
    explicit TXTRecordDialog(TXTRecord *record, QWidget *parent = nullptr);
};
