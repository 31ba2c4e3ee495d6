#pragma once

#include "dialogs/recorddialog.h"

class PTRRecord;

class PTRv6RecordDialog : public RecordDialog
{
    Q_OBJECT

public:
    explicit PTRv6RecordDialog(PTRRecord *record, QWidget *parent = nullptr);
};
