#include "mxrecordwizardpage.h"

#include "dialogs/mxrecordform.h"

MXRecordWizardPage::MXRecordWizardPage(QWidget *parent) : RecordWizardPage(new MXRecordForm, parent)
{
}
