#pragma once

#include <QWizardPage>

#include <memory>

namespace Ui {
class ZoneWizardPagePrimaries;
}

// The servers a new slave zone transfers from, its last page.
class ZoneWizardPagePrimaries : public QWizardPage
{
    Q_OBJECT

public:
    explicit ZoneWizardPagePrimaries(QWidget *parent = nullptr);
    ~ZoneWizardPagePrimaries() override;

    void initializePage() override {}
    void cleanupPage() override {}
    bool validatePage() override;
    int nextId() const override { return -1; }

private:
    const std::unique_ptr<Ui::ZoneWizardPagePrimaries> ui;
};
