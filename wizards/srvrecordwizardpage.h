#pragma once

#include "records/srvrecord.h"

#include <QSharedPointer>
#include <QWizardPage>

#include <memory>

namespace Ui {
class SRVRecordWizardPage;
}

class SRVRecordWizardPage : public QWizardPage
{
    Q_OBJECT

public:
    explicit SRVRecordWizardPage(QWidget *parent = nullptr);
    ~SRVRecordWizardPage() override;

    // Writes the form into the page's record and hands it out; it outlives the wizard.
    PRecord record();

    void initializePage() override {}
    void cleanupPage() override {}
    bool validatePage() override;
    bool isComplete() const override { return m_complete; }
    int nextId() const override { return -1; }

private:
    void fillForm(const SRVRecord &record);
    void writeForm(SRVRecord &record) const;

    bool m_complete = true;
    const QSharedPointer<SRVRecord> m_record;
    const std::unique_ptr<Ui::SRVRecordWizardPage> ui;
};
