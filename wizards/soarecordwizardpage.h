#pragma once

#include "records/soarecord.h"

#include <QSharedPointer>
#include <QWizardPage>

#include <memory>

namespace Ui {
class SOARecordWizardPage;
}

class SOARecordWizardPage : public QWizardPage
{
    Q_OBJECT

public:
    explicit SOARecordWizardPage(QWidget *parent = nullptr);
    ~SOARecordWizardPage() override;

    // Writes the form into the page's record and hands it out; it outlives the wizard.
    PRecord record();

    void initializePage() override {}
    void cleanupPage() override {}
    bool validatePage() override;
    bool isComplete() const override { return m_complete; }
    int nextId() const override { return -1; }

private:
    void fillForm(const SOARecord &record);
    void writeForm(SOARecord &record) const;

    bool m_complete = true;
    const QSharedPointer<SOARecord> m_record;
    const std::unique_ptr<Ui::SOARecordWizardPage> ui;
};
