#pragma once

#include "records/arecord.h"

#include <QSharedPointer>
#include <QWizardPage>

#include <memory>

namespace Ui {
class ARecordWizardPage;
}

class ARecordWizardPage : public QWizardPage
{
    Q_OBJECT

public:
    explicit ARecordWizardPage(QWidget *parent = nullptr);
    ~ARecordWizardPage() override;

    // Writes the form into the page's record and hands it out; it outlives the wizard.
    PRecord record();

    void initializePage() override {}
    void cleanupPage() override {}
    bool validatePage() override;
    bool isComplete() const override { return m_complete; }
    int nextId() const override { return -1; }

private:
    void fillForm(const ARecord &record);
    void writeForm(ARecord &record) const;

    bool m_complete = true;
    const QSharedPointer<ARecord> m_record;
    const std::unique_ptr<Ui::ARecordWizardPage> ui;
};
