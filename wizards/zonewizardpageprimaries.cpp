#include "zonewizardpageprimaries.h"

#include "wizards/zonewizard.h"

#include "ui_zonewizardpageprimaries.h"

ZoneWizardPagePrimaries::ZoneWizardPagePrimaries(QWidget *parent)
    : QWizardPage(parent), ui(new Ui::ZoneWizardPagePrimaries)
{
    ui->setupUi(this);
}

ZoneWizardPagePrimaries::~ZoneWizardPagePrimaries() = default;

bool ZoneWizardPagePrimaries::validatePage()
{
    return qobject_cast<ZoneWizard *>(wizard())->takePrimaries(this, ui->lineEditPrimaries->text());
}
