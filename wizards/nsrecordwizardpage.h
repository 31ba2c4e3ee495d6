#pragma once

#include "wizards/recordwizardpage.h"

class NSRecordWizardPage : public RecordWizardPage
{
    Q_OBJECT

public:
    explicit NSRecordWizardPage(QWidget *parent = nullptr);
};
