#pragma once

#include "records/soarecord.h"

#include <QSharedPointer>
#include <QWizardPage>

#include <memory>

namespace Ui {
class ZoneWizardPageSOARecord;
}

// Start of authority of the new zone; the record is named after the zone.
class ZoneWizardPageSOARecord : public QWizardPage
{
    Q_OBJECT

public:
    explicit ZoneWizardPageSOARecord(QWidget *parent = nullptr);
    ~ZoneWizardPageSOARecord() override;

    // Writes the form into the page's record and hands it out; it outlives the wizard.
    PRecord record();

    void initializePage() override {}
    // Going back must keep the registered field, which the default would reset.
    void cleanupPage() override {}
    bool validatePage() override;
    bool isComplete() const override { return m_complete; }
    int nextId() const override;

private:
    void writeForm(SOARecord &record) const;

    bool m_complete = true;
    const QSharedPointer<SOARecord> m_record;
    const std::unique_ptr<Ui::ZoneWizardPageSOARecord> ui;
};
