#include "txtrecorddialog.h"

#include "dialogs/txtrecordform.h"
#include "records/txtrecord.h"

TXTRecordDialog::TXTRecordDialog(TXTRecord *record, QWidget *parent)
    : RecordDialog(*record, new TXTRecordForm, parent)
{
}
