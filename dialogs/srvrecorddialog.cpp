#include "srvrecorddialog.h"

#include "dialogs/srvrecordform.h"
#include "records/srvrecord.h"

SRVRecordDialog::SRVRecordDialog(SRVRecord *record, QWidget *parent)
    : RecordDialog(*record, new SRVRecordForm, parent)
{
}
