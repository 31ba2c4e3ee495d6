#include "zonewizardpagensrecord.h"

#include "common/validation.h"
#include "dialogs/nsrecordform.h"
#include "records/nsrecord.h"
#include "records/soarecord.h"
#include "records/zone.h"
#include "wizards/zonewizard.h"

ZoneWizardPageNSRecord::ZoneWizardPageNSRecord(QWidget *parent)
    : RecordWizardPage(new NSRecordForm, parent)
{
}

void ZoneWizardPageNSRecord::start(Zone *zone)
{
    RecordWizardPage::start(zone);
    form()->lockFields({QStringLiteral("lineEditName")});
}

void ZoneWizardPageNSRecord::initializePage()
{
    const auto *zoneWizard = qobject_cast<ZoneWizard *>(wizard());
    const QSharedPointer<NSRecord> ns = record().dynamicCast<NSRecord>();
    ns->setName(absoluteName(QStringLiteral("@"), zoneWizard->zoneName()));
    ns->setNsdName(zoneWizard->pageRecord(ZoneWizard::SOAPage).dynamicCast<SOARecord>()->mname());
    form()->fill(*ns);
}

int ZoneWizardPageNSRecord::nextId() const
{
    return ZoneWizard::serverAddressPage(form()->zone()->name());
}
