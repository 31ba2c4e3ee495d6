#include "zonewizardpagemain.h"

#include "core/zoneblueprint.h"
#include "wizards/zonewizard.h"

#include "ui_zonewizardpagemain.h"

ZoneWizardPageMain::ZoneWizardPageMain(QWidget *parent)
    : QWizardPage(parent), ui(new Ui::ZoneWizardPageMain)
{
    ui->setupUi(this);
    setViews({});
}

void ZoneWizardPageMain::setViews(const QStringList &views)
{
    ui->comboBoxView->clear();
    ui->comboBoxView->addItems(views);
    ui->labelView->setVisible(!views.isEmpty());
    ui->comboBoxView->setVisible(!views.isEmpty());
}

QString ZoneWizardPageMain::view() const
{
    return ui->comboBoxView->currentText();
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
