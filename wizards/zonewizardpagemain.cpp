#include "zonewizardpagemain.h"

#include "core/zoneblueprint.h"
#include "wizards/zonewizard.h"

#include "ui_zonewizardpagemain.h"

ZoneWizardPageMain::ZoneWizardPageMain(QWidget *parent)
    : QWizardPage(parent), ui(new Ui::ZoneWizardPageMain)
{
    ui->setupUi(this);
}

ZoneWizardPageMain::~ZoneWizardPageMain() = default;

QString ZoneWizardPageMain::zoneType() const
{
    return ui->comboBoxType->currentIndex() == 0 ? ZoneBlueprint::masterType()
                                                 : ZoneBlueprint::slaveType();
}

// In the order of the lookup types.
int ZoneWizardPageMain::nextId() const
{
    static const int namePages[] = {ZoneWizard::NamePage, ZoneWizard::ReverseNamePage,
                                    ZoneWizard::ReverseIPv6NamePage};
    return namePages[ui->comboBoxLookupType->currentIndex()];
}
