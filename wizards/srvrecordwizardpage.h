#pragma once

#include "wizards/recordwizardpage.h"

class SRVRecordWizardPage : public RecordWizardPage
{
    Q_OBJECT

public:
    explicit SRVRecordWizardPage(QWidget *parent = nullptr);
};
