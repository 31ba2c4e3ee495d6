#include "ptrrecorddialog.h"

#include "dialogs/ptrrecordform.h"
#include "records/ptrrecord.h"

PTRRecordDialog::PTRRecordDialog(PTRRecord *record, QWidget *parent)
    : RecordDialog(*record, new PTRRecordForm, parent)
{
}
