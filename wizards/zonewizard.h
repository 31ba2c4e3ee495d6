#pragma once

#include "records/zone.h"
#include "wizards/changewizard.h"

#include <memory>

class ZoneWizardPageMain;

namespace Ui {
class ZoneWizard;
}

// Composes a new master zone with its SOA and NS records and, where they lie in the zone, an
// address record for the name server or a pointer to it.
class ZoneWizard : public ChangeWizard
{
    Q_OBJECT
    Q_PROPERTY(PZone zone READ zone)

public:
    enum PageId { MainPage, NamePage, ReverseNamePage, SOAPage, NSPage, APage, PTRPage };

    explicit ZoneWizard(QWidget *parent = nullptr);
    ~ZoneWizard() override;

    // Assembles the zone from the pages.
    PZone zone();

    QString zoneName() const { return m_zone->name(); }
    // Names the zone as typed on the page; false, with the reason shown over the page, for a
    // name that no zone can have.
    bool takeZoneName(QWidget *page, const QString &typed);
    // The record of one of the record pages, as typed so far.
    PRecord pageRecord(PageId id) const;

private:
    ZoneWizardPageMain *mainPage = nullptr;
    const PZone m_zone;
    const std::unique_ptr<Ui::ZoneWizard> ui;
};
