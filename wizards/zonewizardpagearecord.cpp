#include "zonewizardpagearecord.h"

#include "dialogs/arecordform.h"
#include "records/nsrecord.h"
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
    address->setName(qobject_cast<ZoneWizard *>(wizard())
                         ->pageRecord(ZoneWizard::NSPage)
                         .dynamicCast<NSRecord>()
                         ->nsdName());
    form()->fill(*address);
}
