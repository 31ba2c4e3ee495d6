#include "cnamerecorddialog.h"

#include "dialogs/cnamerecordform.h"
#include "records/cnamerecord.h"

CNAMERecordDialog::CNAMERecordDialog(CNAMERecord *record, QWidget *parent)
    : RecordDialog(*record, new CNAMERecordForm, parent)
{
}
