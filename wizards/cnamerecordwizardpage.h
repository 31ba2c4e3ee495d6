#pragma once

#include "records/cnamerecord.h"

#include <QSharedPointer>
#include <QWizardPage>

#include <memory>

namespace Ui {
class CNAMERecordWizardPage;
}

class CNAMERecordWizardPage : public QWizardPage
{
    Q_OBJECT

public:
    explicit CNAMERecordWizardPage(QWidget *parent = nullptr);
    ~CNAMERecordWizardPage() override;

    // Writes the form into the page's record and hands it out; it outlives the wizard.
    PRecord record();

    void initializePage() override {}
    void cleanupPage() override {}
    bool validatePage() override;
    bool isComplete() const override { return m_complete; }
    int nextId() const override { return -1; }

private:
    void fillForm(const CNAMERecord &record);
    void writeForm(CNAMERecord &record) const;

    bool m_complete = true;
    const QSharedPointer<CNAMERecord> m_record;
    const std::unique_ptr<Ui::CNAMERecordWizardPage> ui;
};
