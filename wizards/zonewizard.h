#pragma once

#include "records/zone.h"
#include "wizards/changewizard.h"

#include <QStringList>

#include <memory>

class ZoneWizardPageMain;

namespace Ui {
class ZoneWizard;
}

// Composes a new zone: a master with its SOA and NS records and, where they lie in the zone, an
// address record for the name server or a pointer to it; a slave with the servers it transfers
// from.
class ZoneWizard : public ChangeWizard
{
    Q_OBJECT
    Q_PROPERTY(PZone zone READ zone)

public:
    enum PageId {
        MainPage,
        NamePage,
        ReverseNamePage,
        SOAPage,
        NSPage,
        APage,
        PTRPage,
        ReverseIPv6NamePage,
        PTRv6Page,
        PrimariesPage
    };

    explicit ZoneWizard(QWidget *parent = nullptr);
    ~ZoneWizard() override;

    // Assembles the zone from the pages; throws ErrorStackException for a slave the blueprint
    // refuses.
    PZone zone();
    // The views of the configuration, one of which the zone goes into; none without views.
    void setViews(const QStringList &views);

    QString zoneName() const { return m_zone->name(); }
    // Names the zone as typed on the page; false, with the reason shown over the page, for a
    // name that no zone can have.
    bool takeZoneName(QWidget *page, const QString &typed);
    // Takes the slave zone's servers as typed on the page, separated by semicolons; false, with
    // the reason shown over the page, when one of them does not fit or none is given.
    bool takePrimaries(QWidget *page, const QString &typed);
    // A slave's records come from its primaries; a master's are composed on the record pages.
    PageId pageAfterName() const;
    // The page for the record that leads from the name server to the zone's apex: its address in
    // a forward zone, a pointer in a reverse one.
    static PageId serverAddressPage(const QString &zoneName);
    // The record of one of the record pages, as typed so far.
    PRecord pageRecord(PageId id) const;

private:
    ZoneWizardPageMain *mainPage = nullptr;
    const PZone m_zone;
    QStringList m_primaries;
    const std::unique_ptr<Ui::ZoneWizard> ui;
};
