#include "ptrrecordwizardpage.h"

#include "dialogs/ptrrecordform.h"

PTRRecordWizardPage::PTRRecordWizardPage(QWidget *parent)
    : RecordWizardPage(new PTRRecordForm, parent)
{
}
