#include "zonewizardpageptrv6record.h"

#include "common/validation.h"
#include "dialogs/recordform.h"
#include "records/ipv6prefix.h"
#include "records/zone.h"
#include "wizards/zonewizardpagereverseipv6name.h"

void ZoneWizardPagePTRv6Record::initializePage()
{
    ZoneWizardPagePTRRecord::initializePage();
    const PRecord pointer = record();
    // An address typed earlier stays while it lies in the zone's network.
    if (isInside(pointer->name(), form()->zone()->name()))
        return;
    const IPv6Prefix network(field(ZoneWizardPageReverseIPv6Name::networkField).toString());
    pointer->setName(reverseNameFromAddress(network.network()));
    form()->fill(*pointer);
}
