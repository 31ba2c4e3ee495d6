#pragma once

#include "dialogs/recorddialog.h"

class CNAMERecord;

class CNAMERecordDialog : public RecordDialog
{
    Q_OBJECT

public:
    explicit CNAMERecordDialog(CNAMERecord *record, QWidget *parent = nullptr);
};
