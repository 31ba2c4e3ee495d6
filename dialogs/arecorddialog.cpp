#include "arecorddialog.h"

#include "dialogs/arecordform.h"
#include "records/arecord.h"

ARecordDialog::ARecordDialog(ARecord *record, QWidget *parent)
    : RecordDialog(*record, new ARecordForm, parent)
{
}
