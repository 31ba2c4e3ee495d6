#include "customrecordwizardpage.h"

#include "dialogs/customrecordform.h"

CustomRecordWizardPage::CustomRecordWizardPage(QWidget *parent)
    : RecordWizardPage(new CustomRecordForm, parent)
{
}
