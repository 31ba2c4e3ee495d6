#include "zonewizardpagereverseipv6name.h"

#include "common/errorstackexception.h"
#include "dialogs/validationreport.h"
#include "records/ipv6prefix.h"
#include "wizards/zonewizard.h"

#include "ui_zonewizardpagereverseipv6name.h"

ZoneWizardPageReverseIPv6Name::ZoneWizardPageReverseIPv6Name(QWidget *parent)
    : QWizardPage(parent), ui(new Ui::ZoneWizardPageReverseIPv6Name)
{
    ui->setupUi(this);
    registerField(networkField, ui->lineEditPrefix);
    connect(ui->lineEditPrefix, &QLineEdit::textChanged, this,
            &ZoneWizardPageReverseIPv6Name::updateZoneName);
}

ZoneWizardPageReverseIPv6Name::~ZoneWizardPageReverseIPv6Name() = default;

// The network's own complaint says more than that of the empty name it leaves.
bool ZoneWizardPageReverseIPv6Name::validatePage()
{
    try {
        IPv6Prefix(ui->lineEditPrefix->text());
    } catch (const ErrorStackException &error) {
        return reportValidation(this, {error.text()});
    }
    return qobject_cast<ZoneWizard *>(wizard())->takeZoneName(this, ui->lineEditName->text());
}

int ZoneWizardPageReverseIPv6Name::nextId() const
{
    return qobject_cast<const ZoneWizard *>(wizard())->pageAfterName();
}

void ZoneWizardPageReverseIPv6Name::updateZoneName()
{
    try {
        ui->lineEditName->setText(IPv6Prefix(ui->lineEditPrefix->text()).reverseZoneName());
    } catch (const ErrorStackException &) {
        ui->lineEditName->clear();
    }
}
