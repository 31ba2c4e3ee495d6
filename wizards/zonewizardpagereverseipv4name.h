#pragma once

#include <QWizardPage>

#include <memory>

namespace Ui {
class ZoneWizardPageReverseIPv4Name;
}

// The name of a reverse zone, derived from the network part of an IPv4 address.
class ZoneWizardPageReverseIPv4Name : public QWizardPage
{
    Q_OBJECT

public:
    explicit ZoneWizardPageReverseIPv4Name(QWidget *parent = nullptr);
    ~ZoneWizardPageReverseIPv4Name() override;

    void initializePage() override {}
    void cleanupPage() override {}
    bool validatePage() override;
    bool isComplete() const override { return m_complete; }
    int nextId() const override;

private:
    void updateZoneName();

    bool m_complete = true;
    const std::unique_ptr<Ui::ZoneWizardPageReverseIPv4Name> ui;
};
