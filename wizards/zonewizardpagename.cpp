#include "zonewizardpagename.h"

#include "wizards/zonewizard.h"

#include "ui_zonewizardpagename.h"

ZoneWizardPageName::ZoneWizardPageName(QWidget *parent)
    : QWizardPage(parent), ui(new Ui::ZoneWizardPageName)
{
    ui->setupUi(this);
}

ZoneWizardPageName::~ZoneWizardPageName() = default;

bool ZoneWizardPageName::validatePage()
{
    return qobject_cast<ZoneWizard *>(wizard())->takeZoneName(this, ui->lineEditName->text());
}

int ZoneWizardPageName::nextId() const
{
    return qobject_cast<const ZoneWizard *>(wizard())->pageAfterName();
}
