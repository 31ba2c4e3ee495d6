#pragma once

#include "wizards/recordwizardpage.h"

// The zone's start of authority, at its apex; it starts as a new zone's does.
class ZoneWizardPageSOARecord : public RecordWizardPage
{
    Q_OBJECT

public:
    explicit ZoneWizardPageSOARecord(QWidget *parent = nullptr);

    void start(Zone *zone) override;
    void initializePage() override;
    int nextId() const override;
};
