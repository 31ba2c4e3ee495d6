#pragma once

#include "wizards/recordwizardpage.h"

// The pointer from the name server's address to its name, for a reverse zone.
class ZoneWizardPagePTRRecord : public RecordWizardPage
{
    Q_OBJECT

public:
    explicit ZoneWizardPagePTRRecord(QWidget *parent = nullptr);

    void start(Zone *zone) override;
    void initializePage() override;
};
