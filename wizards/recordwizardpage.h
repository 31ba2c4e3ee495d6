#pragma once

#include "records/record.h"

#include <QWizardPage>

class RecordForm;
class Zone;

// A wizard page with the form of one record type, for a new record of the zone.
class RecordWizardPage : public QWizardPage
{
    Q_OBJECT

public:
    ~RecordWizardPage() override;

    RecordForm *form() const { return m_form; }
    // Gives the form its zone and shows a new record of the zone in it.
    virtual void start(Zone *zone);
    // A new record as the form holds it; it outlives the wizard.
    PRecord record() const;

    bool validatePage() override;
    // Going back keeps what was typed, which the default would reset.
    void cleanupPage() override {}
    int nextId() const override { return -1; }

protected:
    // Takes the form, whose window title becomes the page's title.
    RecordWizardPage(RecordForm *form, QWidget *parent);

private:
    RecordForm *const m_form;
};
