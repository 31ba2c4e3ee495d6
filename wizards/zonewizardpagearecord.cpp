#include "zonewizardpagearecord.h"

#include "common/validation.h"
#include "dialogs/arecordform.h"
#include "records/nsrecord.h"
#include "records/zone.h"
#include "wizards/zonewizard.h"

ZoneWizardPageARecord::ZoneWizardPageARecord(QWidget *parent)
    : RecordWizardPage(new ARecordForm, parent)
{
}

void ZoneWizardPageARecord::start(Zone *zone)
{
    RecordWizardPage::start(zone);
    form()->lockFields({QStringLiteral("lineEditName")});
}

void ZoneWizardPageARecord::initializePage()
{
    const PRecord address = record();
    const QString server = qobject_cast<ZoneWizard *>(wizard())
                               ->pageRecord(ZoneWizard::NSPage)
                               .dynamicCast<NSRecord>()
                               ->nsdName();
    address->setName(server);
    form()->fill(*address);
    form()->setEnabled(isInside(server, form()->zone()->name()));
    setSubTitle(holdsRecord() ? QString()
                              : tr("The name server %1 lies outside the zone: its address "
                                   "belongs in a zone of its own.")
                                    .arg(server));
}

bool ZoneWizardPageARecord::validatePage()
{
    return !holdsRecord() || RecordWizardPage::validatePage();
}

bool ZoneWizardPageARecord::holdsRecord() const
{
    return form()->isEnabled();
}
