#include "zonewizard.h"

#include "common/validation.h"
#include "wizards/zonewizardpagearecord.h"
#include "wizards/zonewizardpagemain.h"
#include "wizards/zonewizardpagename.h"
#include "wizards/zonewizardpagensrecord.h"
#include "wizards/zonewizardpageptrrecord.h"
#include "wizards/zonewizardpagereverseipv4name.h"
#include "wizards/zonewizardpagesoarecord.h"

#include "ui_zonewizard.h"

ZoneWizard::ZoneWizard(QWidget *parent) : QWizard(parent), m_zone(new Zone), ui(new Ui::ZoneWizard)
{
    ui->setupUi(this);
    mainPage = new ZoneWizardPageMain(this);
    namePage = new ZoneWizardPageName(this);
    reverseNamePage = new ZoneWizardPageReverseIPv4Name(this);
    soaPage = new ZoneWizardPageSOARecord(this);
    nsPage = new ZoneWizardPageNSRecord(this);
    aPage = new ZoneWizardPageARecord(this);
    ptrPage = new ZoneWizardPagePTRRecord(this);

    setPage(MainPage, mainPage);
    setPage(NamePage, namePage);
    setPage(ReverseNamePage, reverseNamePage);
    setPage(SOAPage, soaPage);
    setPage(NSPage, nsPage);
    setPage(APage, aPage);
    setPage(PTRPage, ptrPage);
}

ZoneWizard::~ZoneWizard() = default;

PZone ZoneWizard::zone()
{
    m_zone->setType(mainPage->zoneType());
    QList<PRecord> records{soaPage->record(), nsPage->record()};
    records.append(isReverseName(m_zone->name()) ? ptrPage->record() : aPage->record());
    m_zone->setRecords(records);
    return m_zone;
}

QString ZoneWizard::zoneName() const
{
    return m_zone->name();
}

void ZoneWizard::setZoneName(const QString &name)
{
    m_zone->setName(name);
}
