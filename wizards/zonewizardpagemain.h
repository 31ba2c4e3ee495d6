#pragma once

#include <QStringList>
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
    // The views to choose from; none, and no choice shown, for a configuration without views.
    void setViews(const QStringList &views);
    QString view() const;

    void initializePage() override {}
    void cleanupPage() override {}
    bool validatePage() override { return true; }
    bool isComplete() const override { return m_complete; }
    int nextId() const override;

private:
    bool m_complete = true;
    const std::unique_ptr<Ui::ZoneWizardPageMain> ui;
};
