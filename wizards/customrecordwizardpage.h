#pragma once

#include "records/customrecord.h"

#include <QSharedPointer>
#include <QWizardPage>

#include <memory>

namespace Ui {
class CustomRecordWizardPage;
}

class CustomRecordWizardPage : public QWizardPage
{
    Q_OBJECT

public:
    explicit CustomRecordWizardPage(QWidget *parent = nullptr);
    ~CustomRecordWizardPage() override;

    // Writes the form into the page's record and hands it out; it outlives the wizard.
    PRecord record();

    void initializePage() override {}
    void cleanupPage() override {}
    bool validatePage() override;
    bool isComplete() const override { return m_complete; }
    int nextId() const override { return -1; }

private:
    void fillForm(const CustomRecord &record);
    void writeForm(CustomRecord &record) const;

    bool m_complete = true;
    const QSharedPointer<CustomRecord> m_record;
    const std::unique_ptr<Ui::CustomRecordWizardPage> ui;
};
