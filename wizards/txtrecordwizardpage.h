#pragma once

#include "wizards/recordwizardpage.h"

class TXTRecordWizardPage : public RecordWizardPage
{
    Q_OBJECT

public:
    explicit TXTRecordWizardPage(QWidget *parent = nullptr);
};
