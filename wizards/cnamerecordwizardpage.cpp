#include "cnamerecordwizardpage.h"

#include "dialogs/cnamerecordform.h"

CNAMERecordWizardPage::CNAMERecordWizardPage(QWidget *parent)
    : RecordWizardPage(new CNAMERecordForm, parent)
{
}
