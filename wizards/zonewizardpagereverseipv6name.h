#pragma once

#include <QWizardPage>

#include <memory>

namespace Ui {
class ZoneWizardPageReverseIPv6Name;
}

// The name of a reverse zone under ip6.arpa, derived from the IPv6 network it serves.
class ZoneWizardPageReverseIPv6Name : public QWizardPage
{
    Q_OBJECT

public:
    // The wizard's field that holds the network as typed.
    static inline const QString networkField = QStringLiteral("ipv6Network");

    explicit ZoneWizardPageReverseIPv6Name(QWidget *parent = nullptr);
    ~ZoneWizardPageReverseIPv6Name() override;

    void initializePage() override {}
    void cleanupPage() override {}
    bool validatePage() override;
    int nextId() const override;

private:
    void updateZoneName();

    const std::unique_ptr<Ui::ZoneWizardPageReverseIPv6Name> ui;
};
