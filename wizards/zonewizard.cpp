#include "zonewizard.h"

#include "common/errorstackexception.h"
#include "common/validation.h"
#include "core/zoneblueprint.h"
#include "dialogs/validationreport.h"
#include "wizards/zonewizardpagearecord.h"
#include "wizards/zonewizardpagemain.h"
#include "wizards/zonewizardpagename.h"
#include "wizards/zonewizardpagensrecord.h"
#include "wizards/zonewizardpageptrrecord.h"
#include "wizards/zonewizardpagereverseipv4name.h"
#include "wizards/zonewizardpagesoarecord.h"

#include "ui_zonewizard.h"

ZoneWizard::ZoneWizard(QWidget *parent)
    : ChangeWizard(parent), m_zone(new Zone), ui(new Ui::ZoneWizard)
{
    ui->setupUi(this);
    mainPage = new ZoneWizardPageMain(this);
    setPage(MainPage, mainPage);
    setPage(NamePage, new ZoneWizardPageName(this));
    setPage(ReverseNamePage, new ZoneWizardPageReverseIPv4Name(this));
    const QList<QPair<PageId, RecordWizardPage *>> recordPages = {
        {SOAPage, new ZoneWizardPageSOARecord(this)},
        {NSPage, new ZoneWizardPageNSRecord(this)},
        {APage, new ZoneWizardPageARecord(this)},
        {PTRPage, new ZoneWizardPagePTRRecord(this)}};
    for (const auto &[id, page] : recordPages) {
        setPage(id, page);
        page->start(m_zone.data());
    }
}

ZoneWizard::~ZoneWizard() = default;

PZone ZoneWizard::zone()
{
    m_zone->setType(mainPage->zoneType());
    QList<PRecord> records{pageRecord(SOAPage), pageRecord(NSPage)};
    if (isReverseName(m_zone->name()))
        records.append(pageRecord(PTRPage));
    else if (qobject_cast<ZoneWizardPageARecord *>(page(APage))->holdsRecord())
        records.append(pageRecord(APage));
    m_zone->setRecords(records);
    return m_zone;
}

bool ZoneWizard::takeZoneName(QWidget *page, const QString &typed)
{
    const QString name = typed.trimmed();
    try {
        ZoneBlueprint::zoneName(name);
    } catch (const ErrorStackException &error) {
        return reportValidation(page, {error.text()});
    }
    m_zone->setName(name);
    return true;
}

PRecord ZoneWizard::pageRecord(PageId id) const
{
    return qobject_cast<const RecordWizardPage *>(page(id))->record();
}
