#pragma once

#include "wizards/recordwizardpage.h"

class CNAMERecordWizardPage : public RecordWizardPage
{
    Q_OBJECT

public:
    explicit CNAMERecordWizardPage(QWidget *parent = nullptr);
};
