#pragma once

#include <QWizardPage>

#include <memory>

namespace Ui {
class ZoneWizardPageMain;
}

// Type and lookup type of the new zone; the class is fixed to IN.
class ZoneWizardPageMain : public QWizardPage
{
    Q_OBJECT

public:
    explicit ZoneWizardPageMain(QWidget *parent = nullptr);
    ~ZoneWizardPageMain() override;

    // The zone type word of the chosen type: "master" or "slave".
    QString zoneType() const;

    void initializePage() override {}
    void cleanupPage() override {}
    bool validatePage() override { return true; }
    bool isComplete() const override { return m_complete; }
    int nextId() const override;

private:
    bool m_complete = true;
    const std::unique_ptr<Ui::ZoneWizardPageMain> ui;
};
