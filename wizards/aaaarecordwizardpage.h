#pragma once

#include "records/aaaarecord.h"

#include <QSharedPointer>
#include <QWizardPage>

#include <memory>

namespace Ui {
class AAAARecordWizardPage;
}

class AAAARecordWizardPage : public QWizardPage
{
    Q_OBJECT

public:
    explicit AAAARecordWizardPage(QWidget *parent = nullptr);
    ~AAAARecordWizardPage() override;

    // Writes the form into the page's record and hands it out; it outlives the wizard.
    PRecord record();

    void initializePage() override {}
    void cleanupPage() override {}
    bool validatePage() override;
    bool isComplete() const override { return m_complete; }
    int nextId() const override { return -1; }

private:
    void fillForm(const AAAARecord &record);
    void writeForm(AAAARecord &record) const;

    bool m_complete = true;
    const QSharedPointer<AAAARecord> m_record;
    const std::unique_ptr<Ui::AAAARecordWizardPage> ui;
};
