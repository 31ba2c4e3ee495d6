#include "arecordwizardpage.h"

#include "dialogs/arecordform.h"

ARecordWizardPage::ARecordWizardPage(QWidget *parent) : RecordWizardPage(new ARecordForm, parent) {}
