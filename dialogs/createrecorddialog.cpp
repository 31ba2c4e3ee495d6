#include "createrecorddialog.h"

#include "dialogs/aaaarecorddialog.h"
#include "dialogs/arecorddialog.h"
#include "dialogs/cnamerecorddialog.h"
#include "dialogs/customrecorddialog.h"
#include "dialogs/mxrecorddialog.h"
#include "dialogs/nsrecorddialog.h"
#include "dialogs/ptrrecorddialog.h"
#include "dialogs/ptrv6recorddialog.h"
#include "dialogs/soarecorddialog.h"
#include "dialogs/srvrecorddialog.h"
#include "dialogs/txtrecorddialog.h"
#include "records/aaaarecord.h"
#include "records/arecord.h"
#include "records/cnamerecord.h"
#include "records/customrecord.h"
#include "records/mxrecord.h"
#include "records/nsrecord.h"
#include "records/ptrrecord.h"
#include "records/soarecord.h"
#include "records/srvrecord.h"
#include "records/txtrecord.h"

namespace {
std::unique_ptr<RecordDialog> createPointerDialog(PTRRecord *record)
{
    if (record->isIPv4())
        return std::make_unique<PTRRecordDialog>(record);
    return std::make_unique<PTRv6RecordDialog>(record);
}
} // namespace

std::unique_ptr<RecordDialog> createRecordDialog(Record &record)
{
    if (auto *aaaa = dynamic_cast<AAAARecord *>(&record))
        return std::make_unique<AAAARecordDialog>(aaaa);
    if (auto *a = dynamic_cast<ARecord *>(&record))
        return std::make_unique<ARecordDialog>(a);
    if (auto *cname = dynamic_cast<CNAMERecord *>(&record))
        return std::make_unique<CNAMERecordDialog>(cname);
    if (auto *custom = dynamic_cast<CustomRecord *>(&record))
        return std::make_unique<CustomRecordDialog>(custom);
    if (auto *mx = dynamic_cast<MXRecord *>(&record))
        return std::make_unique<MXRecordDialog>(mx);
    if (auto *ns = dynamic_cast<NSRecord *>(&record))
        return std::make_unique<NSRecordDialog>(ns);
    if (auto *ptr = dynamic_cast<PTRRecord *>(&record))
        return createPointerDialog(ptr);
    if (auto *soa = dynamic_cast<SOARecord *>(&record))
        return std::make_unique<SOARecordDialog>(soa);
    if (auto *srv = dynamic_cast<SRVRecord *>(&record))
        return std::make_unique<SRVRecordDialog>(srv);
    // Text records are all that is left; a class without a dialog throws std::bad_cast here.
    return std::make_unique<TXTRecordDialog>(&dynamic_cast<TXTRecord &>(record));
}
