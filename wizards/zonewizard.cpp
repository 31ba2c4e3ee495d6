#include "zonewizard.h"

#include "common/errorstackexception.h"
#include "common/validation.h"
#include "core/zoneblueprint.h"
#include "dialogs/validationreport.h"
#include "records/primaryserver.h"
#include "wizards/zonewizardpagearecord.h"
#include "wizards/zonewizardpagemain.h"
#include "wizards/zonewizardpagename.h"
#include "wizards/zonewizardpagensrecord.h"
#include "wizards/zonewizardpageprimaries.h"
#include "wizards/zonewizardpageptrrecord.h"
#include "wizards/zonewizardpageptrv6record.h"
#include "wizards/zonewizardpagereverseipv4name.h"
#include "wizards/zonewizardpagereverseipv6name.h"
#include "wizards/zonewizardpagesoarecord.h"

#include "ui_zonewizard.h"

namespace {
const QString ipv6ReverseSuffix = QStringLiteral("ip6.arpa");
} // namespace

ZoneWizard::ZoneWizard(QWidget *parent)
    : ChangeWizard(parent), m_zone(new Zone), ui(new Ui::ZoneWizard)
{
    ui->setupUi(this);
    mainPage = new ZoneWizardPageMain(this);
    setPage(MainPage, mainPage);
    setPage(NamePage, new ZoneWizardPageName(this));
    setPage(ReverseNamePage, new ZoneWizardPageReverseIPv4Name(this));
    setPage(ReverseIPv6NamePage, new ZoneWizardPageReverseIPv6Name(this));
    setPage(PrimariesPage, new ZoneWizardPagePrimaries(this));
    const QList<QPair<PageId, RecordWizardPage *>> recordPages = {
        {SOAPage, new ZoneWizardPageSOARecord(this)},
        {NSPage, new ZoneWizardPageNSRecord(this)},
        {APage, new ZoneWizardPageARecord(this)},
        {PTRPage, new ZoneWizardPagePTRRecord(this)},
        {PTRv6Page, new ZoneWizardPagePTRv6Record(this)}};
    for (const auto &[id, page] : recordPages) {
        setPage(id, page);
        page->start(m_zone.data());
    }
}

ZoneWizard::~ZoneWizard() = default;

void ZoneWizard::setViews(const QStringList &views)
{
    mainPage->setViews(views);
}

PZone ZoneWizard::zone()
{
    if (mainPage->zoneType() == ZoneBlueprint::slaveType()) {
        ZoneBlueprint secondary;
        secondary.name = m_zone->name();
        secondary.type = ZoneBlueprint::slaveType();
        secondary.primaries = m_primaries;
        return secondary.build();
    }
    m_zone->setType(mainPage->zoneType());
    m_zone->setView(mainPage->view());
    QVector<PRecord> records{pageRecord(SOAPage), pageRecord(NSPage)};
    const PageId addressPage = serverAddressPage(m_zone->name());
    if (addressPage != APage || qobject_cast<ZoneWizardPageARecord *>(page(APage))->holdsRecord())
        records.append(pageRecord(addressPage));
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

bool ZoneWizard::takePrimaries(QWidget *page, const QString &typed)
{
    try {
        m_primaries = ZoneBlueprint::checkedPrimaries(ZoneBlueprint::slaveType(),
                                                      PrimaryServer::entries(typed));
    } catch (const ErrorStackException &error) {
        return reportValidation(page, {error.text()});
    }
    return true;
}

ZoneWizard::PageId ZoneWizard::pageAfterName() const
{
    return mainPage->zoneType() == ZoneBlueprint::slaveType() ? PrimariesPage : SOAPage;
}

ZoneWizard::PageId ZoneWizard::serverAddressPage(const QString &zoneName)
{
    if (!isReverseName(zoneName))
        return APage;
    return Zone::nameKey(zoneName).endsWith(ipv6ReverseSuffix) ? PTRv6Page : PTRPage;
}

PRecord ZoneWizard::pageRecord(PageId id) const
{
    return qobject_cast<const RecordWizardPage *>(page(id))->record();
}
