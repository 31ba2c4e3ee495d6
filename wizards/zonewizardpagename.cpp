#include "zonewizardpagename.h"

#include "common/inputvalidators.h"
#include "common/validation.h"
#include "wizards/validationreport.h"
#include "wizards/zonewizard.h"

#include "ui_zonewizardpagename.h"

#include <QRegularExpressionValidator>

ZoneWizardPageName::ZoneWizardPageName(QWidget *parent)
    : QWizardPage(parent), ui(new Ui::ZoneWizardPageName)
{
    ui->setupUi(this);
    ui->lineEditName->setValidator(domainCharsValidator());
}

ZoneWizardPageName::~ZoneWizardPageName() = default;

bool ZoneWizardPageName::validatePage()
{
    const QString name = ui->lineEditName->text();
    const ValidationResult result = validateDomainName(name, QStringLiteral("."));
    if (!result.valid)
        return reportValidation(this, tr("Validation failed"), {result.message});
    wizard()->setProperty(ZoneWizard::zoneNameProperty, name);
    return true;
}

int ZoneWizardPageName::nextId() const
{
    return ZoneWizard::SOAPage;
}
