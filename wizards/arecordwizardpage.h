#pragma once

#include "wizards/recordwizardpage.h"

class ARecordWizardPage : public RecordWizardPage
{
    Q_OBJECT

public:
    explicit ARecordWizardPage(QWidget *parent = nullptr);
};
