#include "nsrecordwizardpage.h"

#include "dialogs/nsrecordform.h"

NSRecordWizardPage::NSRecordWizardPage(QWidget *parent) : RecordWizardPage(new NSRecordForm, parent)
{
}
