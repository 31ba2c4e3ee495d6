#pragma once

#include "records/nsrecord.h"

#include <QSharedPointer>
#include <QWizardPage>

#include <memory>

namespace Ui {
class NSRecordWizardPage;
}

class NSRecordWizardPage : public QWizardPage
{
    Q_OBJECT

public:
    explicit NSRecordWizardPage(QWidget *parent = nullptr);
    ~NSRecordWizardPage() override;

    // Writes the form into the page's record and hands it out; it outlives the wizard.
    PRecord record();

    void initializePage() override {}
    void cleanupPage() override {}
    bool validatePage() override;
    bool isComplete() const override { return m_complete; }
    int nextId() const override { return -1; }

private:
    void fillForm(const NSRecord &record);
    void writeForm(NSRecord &record) const;

    bool m_complete = true;
    const QSharedPointer<NSRecord> m_record;
    const std::unique_ptr<Ui::NSRecordWizardPage> ui;
};
