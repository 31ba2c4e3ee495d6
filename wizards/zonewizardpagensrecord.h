#pragma once

#include "wizards/recordwizardpage.h"

// The zone's name server, offered from the SOA's.
class ZoneWizardPageNSRecord : public RecordWizardPage
{
    Q_OBJECT

public:
    explicit ZoneWizardPageNSRecord(QWidget *parent = nullptr);

    void start(Zone *zone) override;
    void initializePage() override;
    int nextId() const override;
};
