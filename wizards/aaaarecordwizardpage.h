#pragma once

#include "wizards/recordwizardpage.h"

class AAAARecordWizardPage : public RecordWizardPage
{
    Q_OBJECT

public:
    explicit AAAARecordWizardPage(QWidget *parent = nullptr);
};
