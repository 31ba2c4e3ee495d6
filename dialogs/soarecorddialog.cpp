#include "soarecorddialog.h"

#include "dialogs/soarecordform.h"
#include "records/soarecord.h"

SOARecordDialog::SOARecordDialog(SOARecord *record, QWidget *parent)
    : RecordDialog(*record, new SOARecordForm, parent)
{
}
