#pragma once

#include "wizards/recordwizardpage.h"

class CustomRecordWizardPage : public RecordWizardPage
{
    Q_OBJECT

public:
    explicit CustomRecordWizardPage(QWidget *parent = nullptr);
};
