#pragma once

#include "wizards/recordwizardpage.h"

class PTRRecordWizardPage : public RecordWizardPage
{
    Q_OBJECT

public:
    explicit PTRRecordWizardPage(QWidget *parent = nullptr);
};
