#include "recordwizard.h"

#include "wizards/aaaarecordwizardpage.h"
#include "wizards/arecordwizardpage.h"
#include "wizards/cnamerecordwizardpage.h"
#include "wizards/customrecordwizardpage.h"
#include "wizards/mxrecordwizardpage.h"
#include "wizards/nsrecordwizardpage.h"
#include "wizards/ptrrecordwizardpage.h"
#include "wizards/soarecordwizardpage.h"
#include "wizards/srvrecordwizardpage.h"
#include "wizards/txtrecordwizardpage.h"
#include "wizards/typerecordwizardpage.h"

#include "ui_recordwizard.h"

RecordWizard::RecordWizard(QWidget *parent) : QWizard(parent), ui(new Ui::RecordWizard)
{
    ui->setupUi(this);
    typePage = new TypeRecordWizardPage(this);
    aPage = new ARecordWizardPage(this);
    ptrPage = new PTRRecordWizardPage(this);
    cnamePage = new CNAMERecordWizardPage(this);
    nsPage = new NSRecordWizardPage(this);
    srvPage = new SRVRecordWizardPage(this);
    mxPage = new MXRecordWizardPage(this);
    aaaaPage = new AAAARecordWizardPage(this);
    txtPage = new TXTRecordWizardPage(this);
    soaPage = new SOARecordWizardPage(this);
    customPage = new CustomRecordWizardPage(this);

    setPage(TypePage, typePage);
    setPage(APage, aPage);
    setPage(PTRPage, ptrPage);
    setPage(CNAMEPage, cnamePage);
    setPage(NSPage, nsPage);
    setPage(SRVPage, srvPage);
    setPage(MXPage, mxPage);
    setPage(AAAAPage, aaaaPage);
    setPage(TXTPage, txtPage);
    setPage(SOAPage, soaPage);
    setPage(CustomPage, customPage);
}

RecordWizard::~RecordWizard() = default;

PRecord RecordWizard::record()
{
    switch (currentId()) {
    case APage:
        return aPage->record();
    case PTRPage:
        return ptrPage->record();
    case CNAMEPage:
        return cnamePage->record();
    case NSPage:
        return nsPage->record();
    case SRVPage:
        return srvPage->record();
    case MXPage:
        return mxPage->record();
    case AAAAPage:
        return aaaaPage->record();
    case TXTPage:
        return txtPage->record();
    case SOAPage:
        return soaPage->record();
    case CustomPage:
        return customPage->record();
    default:
        return {};
    }
}
