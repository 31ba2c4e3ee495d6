#pragma once

#include "records/ptrrecord.h"

#include <QSharedPointer>
#include <QWizardPage>

#include <memory>

namespace Ui {
class PTRRecordWizardPage;
}

class PTRRecordWizardPage : public QWizardPage
{
    Q_OBJECT

public:
    explicit PTRRecordWizardPage(QWidget *parent = nullptr);
    ~PTRRecordWizardPage() override;

    // Writes the form into the page's record and hands it out; it outlives the wizard.
    PRecord record();

    void initializePage() override {}
    void cleanupPage() override {}
    bool validatePage() override;
    bool isComplete() const override { return m_complete; }
    int nextId() const override { return -1; }

private:
    void fillForm(const PTRRecord &record);
    void writeForm(PTRRecord &record) const;

    bool m_complete = true;
    const QSharedPointer<PTRRecord> m_record;
    const std::unique_ptr<Ui::PTRRecordWizardPage> ui;
};
