#pragma once

#include "records/ptrrecord.h"

#include <QSharedPointer>
#include <QWizardPage>

#include <memory>

namespace Ui {
class ZoneWizardPagePTRRecord;
}

// The pointer from the name server's address to its name, for a reverse zone.
class ZoneWizardPagePTRRecord : public QWizardPage
{
    Q_OBJECT

public:
    explicit ZoneWizardPagePTRRecord(QWidget *parent = nullptr);
    ~ZoneWizardPagePTRRecord() override;

    // Writes the form into the page's record and hands it out; it outlives the wizard.
    PRecord record();

    void initializePage() override;
    void cleanupPage() override {}
    bool validatePage() override;
    bool isComplete() const override { return m_complete; }
    int nextId() const override { return -1; }

private:
    void writeForm(PTRRecord &record) const;

    bool m_complete = true;
    const QSharedPointer<PTRRecord> m_record;
    const std::unique_ptr<Ui::ZoneWizardPagePTRRecord> ui;
};
