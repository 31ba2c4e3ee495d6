#include "mxrecorddialog.h"

#include "dialogs/mxrecordform.h"
#include "records/mxrecord.h"

MXRecordDialog::MXRecordDialog(MXRecord *record, QWidget *parent)
    : RecordDialog(*record, new MXRecordForm, parent)
{
}
