#pragma once

#include "records/nsrecord.h"

#include <QSharedPointer>
#include <QWizardPage>

#include <memory>

namespace Ui {
class ZoneWizardPageNSRecord;
}

// The zone's primary name server, offered from the SOA page's name server.
class ZoneWizardPageNSRecord : public QWizardPage
{
    Q_OBJECT

public:
    explicit ZoneWizardPageNSRecord(QWidget *parent = nullptr);
    ~ZoneWizardPageNSRecord() override;

    // Writes the form into the page's record and hands it out; it outlives the wizard.
    PRecord record();

    void initializePage() override;
    // Going back must keep the registered field, which the default would reset.
    void cleanupPage() override {}
    bool validatePage() override;
    bool isComplete() const override { return m_complete; }
    int nextId() const override;

private:
    void writeForm(NSRecord &record) const;

    bool m_complete = true;
    const QSharedPointer<NSRecord> m_record;
    const std::unique_ptr<Ui::ZoneWizardPageNSRecord> ui;
};
