#include "aaaarecordwizardpage.h"

#include "dialogs/aaaarecordform.h"

AAAARecordWizardPage::AAAARecordWizardPage(QWidget *parent)
    : RecordWizardPage(new AAAARecordForm, parent)
{
}
