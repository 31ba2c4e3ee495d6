#pragma once

#include "records/zone.h"

#include <QWizard>

#include <memory>

class ZoneWizardPageARecord;
class ZoneWizardPageMain;
class ZoneWizardPageName;
class ZoneWizardPageNSRecord;
class ZoneWizardPagePTRRecord;
class ZoneWizardPageReverseIPv4Name;
class ZoneWizardPageSOARecord;

namespace Ui {
class ZoneWizard;
}

// Composes a new master zone with its SOA and NS records and an address or pointer record for
// the name server.
class ZoneWizard : public QWizard
{
    Q_OBJECT
    Q_PROPERTY(PZone zone READ zone)
    Q_PROPERTY(QString zoneName READ zoneName WRITE setZoneName)

public:
    enum PageId { MainPage, NamePage, ReverseNamePage, SOAPage, NSPage, APage, PTRPage };

    // The pages share the zone's name through this property.
    static constexpr const char *zoneNameProperty = "zoneName";

    explicit ZoneWizard(QWidget *parent = nullptr);
    ~ZoneWizard() override;

    // Assembles the zone from the pages; call it once, after exec() returned Accepted.
    PZone zone();

    QString zoneName() const;
    void setZoneName(const QString &name);

private:
    ZoneWizardPageMain *mainPage = nullptr;
    ZoneWizardPageName *namePage = nullptr;
    ZoneWizardPageReverseIPv4Name *reverseNamePage = nullptr;
    ZoneWizardPageSOARecord *soaPage = nullptr;
    ZoneWizardPageNSRecord *nsPage = nullptr;
    ZoneWizardPageARecord *aPage = nullptr;
    ZoneWizardPagePTRRecord *ptrPage = nullptr;
    const PZone m_zone;
    const std::unique_ptr<Ui::ZoneWizard> ui;
};
