#pragma once

#include "dialogs/recorddialog.h"

class SRVRecord;

class SRVRecordDialog : public RecordDialog
{
    Q_OBJECT

public:
    explicit SRVRecordDialog(SRVRecord *record, QWidget *parent = nullptr);
};
