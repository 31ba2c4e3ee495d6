#pragma once

#include <QWizardPage>

#include <memory>

namespace Ui {
class ZoneWizardPageName;
}

// The typed name of a forward zone.
class ZoneWizardPageName : public QWizardPage
{
    Q_OBJECT

public:
    explicit ZoneWizardPageName(QWidget *parent = nullptr);
    ~ZoneWizardPageName() override;

    void initializePage() override {}
    void cleanupPage() override {}
    bool validatePage() override;
    bool isComplete() const override { return m_complete; }
    int nextId() const override;

private:
    bool m_complete = true;
    const std::unique_ptr<Ui::ZoneWizardPageName> ui;
};
