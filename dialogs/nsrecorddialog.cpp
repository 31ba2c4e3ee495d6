#include "nsrecorddialog.h"

#include "dialogs/nsrecordform.h"
#include "records/nsrecord.h"

NSRecordDialog::NSRecordDialog(NSRecord *record, QWidget *parent)
    : RecordDialog(*record, new NSRecordForm, parent)
{
}
