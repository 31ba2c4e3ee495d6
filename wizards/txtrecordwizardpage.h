#pragma once

#include "records/txtrecord.h"

#include <QSharedPointer>
#include <QWizardPage>

#include <memory>

namespace Ui {
class TXTRecordWizardPage;
}

class TXTRecordWizardPage : public QWizardPage
{
    Q_OBJECT

public:
    explicit TXTRecordWizardPage(QWidget *parent = nullptr);
    ~TXTRecordWizardPage() override;

    // Writes the form into the page's record and hands it out; it outlives the wizard.
    PRecord record();

    void initializePage() override {}
    void cleanupPage() override {}
    bool validatePage() override;
    bool isComplete() const override { return m_complete; }
    int nextId() const override { return -1; }

private:
    void fillForm(const TXTRecord &record);
    void writeForm(TXTRecord &record) const;

    bool m_complete = true;
    const QSharedPointer<TXTRecord> m_record;
    const std::unique_ptr<Ui::TXTRecordWizardPage> ui;
};
