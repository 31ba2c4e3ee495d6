#include "srvrecordwizardpage.h"

#include "dialogs/srvrecordform.h"

SRVRecordWizardPage::SRVRecordWizardPage(QWidget *parent)
    : RecordWizardPage(new SRVRecordForm, parent)
{
}
