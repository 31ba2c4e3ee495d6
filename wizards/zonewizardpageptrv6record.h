#pragma once

#include "wizards/zonewizardpageptrrecord.h"

// The pointer from the name server's IPv6 address to its name, for a reverse zone under ip6.arpa:
// the address starts as the zone's network, to be completed.
class ZoneWizardPagePTRv6Record : public ZoneWizardPagePTRRecord
{
    Q_OBJECT

public:
    using ZoneWizardPagePTRRecord::ZoneWizardPagePTRRecord;

    void initializePage() override;
};
