#include "zonewizardpagemain.h"

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
    if (ui->comboBoxType->currentIndex() == 0)
        return QStringLiteral("master");
    return QStringLiteral("slave");
}

int ZoneWizardPageMain::nextId() const
{
    if (ui->comboBoxLookupType->currentIndex() == 0)
        return ZoneWizard::NamePage;
    return ZoneWizard::ReverseNamePage;
}
