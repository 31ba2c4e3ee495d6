#pragma once

#include "wizards/recordwizardpage.h"

// The address of a name server inside the forward zone.
class ZoneWizardPageARecord : public RecordWizardPage
{
    Q_OBJECT

public:
    explicit ZoneWizardPageARecord(QWidget *parent = nullptr);

    void start(Zone *zone) override;
    void initializePage() override;
};
