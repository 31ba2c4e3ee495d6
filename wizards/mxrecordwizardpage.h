#pragma once

#include "records/mxrecord.h"

#include <QSharedPointer>
#include <QWizardPage>

#include <memory>

namespace Ui {
class MXRecordWizardPage;
}

class MXRecordWizardPage : public QWizardPage
{
    Q_OBJECT

public:
    explicit MXRecordWizardPage(QWidget *parent = nullptr);
    ~MXRecordWizardPage() override;

    // Writes the form into the page's record and hands it out; it outlives the wizard.
    PRecord record();

    void initializePage() override {}
    void cleanupPage() override {}
    bool validatePage() override;
    bool isComplete() const override { return m_complete; }
    int nextId() const override { return -1; }

private:
    void fillForm(const MXRecord &record);
    void writeForm(MXRecord &record) const;

    bool m_complete = true;
    const QSharedPointer<MXRecord> m_record;
    const std::unique_ptr<Ui::MXRecordWizardPage> ui;
};
