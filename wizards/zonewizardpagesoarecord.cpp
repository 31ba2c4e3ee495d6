#include "zonewizardpagesoarecord.h"

#include "common/validation.h"
#include "core/zoneblueprint.h"
#include "dialogs/soarecordform.h"
#include "records/soarecord.h"
#include "wizards/zonewizard.h"

namespace {
const QString defaultNameServer = QStringLiteral("ns1");
const QString defaultMailbox = QStringLiteral("hostmaster");
} // namespace

ZoneWizardPageSOARecord::ZoneWizardPageSOARecord(QWidget *parent)
    : RecordWizardPage(new SOARecordForm, parent)
{
}

void ZoneWizardPageSOARecord::start(Zone *zone)
{
    form()->setZone(zone);
    const PRecord soa = form()->newRecord();
    ZoneBlueprint::startOfAuthority(dynamic_cast<SOARecord &>(*soa));
    form()->fill(*soa);
}

// A forward zone is offered its own ns1 and hostmaster, as tamzorctl add-zone gives it.
void ZoneWizardPageSOARecord::initializePage()
{
    const QSharedPointer<SOARecord> soa = record().dynamicCast<SOARecord>();
    const QString zone = form()->zone()->name();
    if (isReverseName(zone) || !soa->mname().isEmpty() || !soa->rname().isEmpty())
        return;
    soa->setMname(absoluteName(defaultNameServer, zone));
    soa->setRname(absoluteName(defaultMailbox, zone));
    form()->fill(*soa);
}

int ZoneWizardPageSOARecord::nextId() const
{
    return ZoneWizard::NSPage;
}
