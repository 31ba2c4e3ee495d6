#include "ptrv6recorddialog.h"

#include "dialogs/ptrrecordform.h"
#include "records/ptrrecord.h"

PTRv6RecordDialog::PTRv6RecordDialog(PTRRecord *record, QWidget *parent)
    : RecordDialog(*record, new PTRRecordForm, parent)
{
}
