#pragma once

#include "wizards/recordwizardpage.h"

// The address of the forward zone's name server, which the zone holds only for a server inside it.
class ZoneWizardPageARecord : public RecordWizardPage
{
    Q_OBJECT

public:
    explicit ZoneWizardPageARecord(QWidget *parent = nullptr);

    void start(Zone *zone) override;
    void initializePage() override;
    bool validatePage() override;
    // Whether the zone takes the page's address record.
    bool holdsRecord() const;
};
