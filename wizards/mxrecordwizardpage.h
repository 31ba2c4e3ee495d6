#pragma once

#include "wizards/recordwizardpage.h"

class MXRecordWizardPage : public RecordWizardPage
{
    Q_OBJECT

public:
    explicit MXRecordWizardPage(QWidget *parent = nullptr);
};
