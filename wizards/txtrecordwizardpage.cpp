#include "txtrecordwizardpage.h"

#include "dialogs/txtrecordform.h"

TXTRecordWizardPage::TXTRecordWizardPage(QWidget *parent)
    : RecordWizardPage(new TXTRecordForm, parent)
{
}
