#include "recordwizard.h"

#include "dialogs/recordform.h"
#include "wizards/aaaarecordwizardpage.h"
#include "wizards/arecordwizardpage.h"
#include "wizards/cnamerecordwizardpage.h"
#include "wizards/customrecordwizardpage.h"
#include "wizards/mxrecordwizardpage.h"
#include "wizards/nsrecordwizardpage.h"
#include "wizards/ptrrecordwizardpage.h"
#include "wizards/srvrecordwizardpage.h"
#include "wizards/txtrecordwizardpage.h"
#include "wizards/typerecordwizardpage.h"

#include "ui_recordwizard.h"

RecordWizard::RecordWizard(const PZone &zone, QWidget *parent)
    : ChangeWizard(parent), m_zone(zone), ui(new Ui::RecordWizard)
{
    ui->setupUi(this);
    auto *typePage = new TypeRecordWizardPage(this);
    typePage->setTitle(tr("New record in zone %1").arg(zone->name()));
    addPage(typePage);
    const QList<RecordWizardPage *> pages = {
        new ARecordWizardPage(this),     new PTRRecordWizardPage(this),
        new CNAMERecordWizardPage(this), new NSRecordWizardPage(this),
        new SRVRecordWizardPage(this),   new MXRecordWizardPage(this),
        new AAAARecordWizardPage(this),  new TXTRecordWizardPage(this),
        new CustomRecordWizardPage(this)};
    for (RecordWizardPage *page : pages) {
        page->start(zone.data());
        page->setSubTitle(tr("In zone %1").arg(zone->name()));
        typePage->offer(page->form()->newRecord()->type(), addPage(page));
    }
}

RecordWizard::~RecordWizard() = default;

PRecord RecordWizard::record() const
{
    const auto *page = qobject_cast<const RecordWizardPage *>(currentPage());
    return page ? page->record() : PRecord();
}
