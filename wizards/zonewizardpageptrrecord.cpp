#include "zonewizardpageptrrecord.h"

#include "dialogs/ptrrecordform.h"
#include "records/nsrecord.h"
#include "records/ptrrecord.h"
#include "wizards/zonewizard.h"

ZoneWizardPagePTRRecord::ZoneWizardPagePTRRecord(QWidget *parent)
    : RecordWizardPage(new PTRRecordForm, parent)
{
}

void ZoneWizardPagePTRRecord::start(Zone *zone)
{
    RecordWizardPage::start(zone);
    form()->lockFields({QStringLiteral("lineEditPTRDName")});
}

void ZoneWizardPagePTRRecord::initializePage()
{
    const QSharedPointer<PTRRecord> pointer = record().dynamicCast<PTRRecord>();
    pointer->setPtrdName(qobject_cast<ZoneWizard *>(wizard())
                             ->pageRecord(ZoneWizard::NSPage)
                             .dynamicCast<NSRecord>()
                             ->nsdName());
    form()->fill(*pointer);
}
