#include "aaaarecorddialog.h"

#include "dialogs/aaaarecordform.h"
#include "records/aaaarecord.h"

AAAARecordDialog::AAAARecordDialog(AAAARecord *record, QWidget *parent)
    : RecordDialog(*record, new AAAARecordForm, parent)
{
}
