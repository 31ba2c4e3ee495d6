#include "customrecorddialog.h"

#include "dialogs/customrecordform.h"
#include "records/customrecord.h"

CustomRecordDialog::CustomRecordDialog(CustomRecord *record, QWidget *parent)
    : RecordDialog(*record, new CustomRecordForm, parent)
{
}
