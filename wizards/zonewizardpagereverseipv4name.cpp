#include "zonewizardpagereverseipv4name.h"

#include "common/inputvalidators.h"
#include "common/validation.h"
#include "wizards/validationreport.h"
#include "wizards/zonewizard.h"

#include "ui_zonewizardpagereverseipv4name.h"

#include <QRegularExpressionValidator>

ZoneWizardPageReverseIPv4Name::ZoneWizardPageReverseIPv4Name(QWidget *parent)
    : QWizardPage(parent), ui(new Ui::ZoneWizardPageReverseIPv4Name)
{
    ui->setupUi(this);
    ui->lineEditName->setValidator(domainCharsValidator());
    connect(ui->kivoHostAddress, &KivoHostAddress::addressChanged, this,
            &ZoneWizardPageReverseIPv4Name::updateZoneName);
}

ZoneWizardPageReverseIPv4Name::~ZoneWizardPageReverseIPv4Name() = default;

bool ZoneWizardPageReverseIPv4Name::validatePage()
{
    const QString name = ui->lineEditName->text();
    const ValidationResult result = validateDomainName(name, QStringLiteral("."));
    if (!result.valid)
        return reportValidation(this, tr("Validation failed"), {result.message});
    wizard()->setProperty(ZoneWizard::zoneNameProperty, name);
    return true;
}

int ZoneWizardPageReverseIPv4Name::nextId() const
{
    return ZoneWizard::SOAPage;
}

void ZoneWizardPageReverseIPv4Name::updateZoneName()
{
    // The zone covers the network of the first three octets. Only the octets before the first
    // empty one count: skipping a gap would name the zone of another network.
    QStringList network;
    for (const QString &octet : {ui->kivoHostAddress->first(), ui->kivoHostAddress->second(),
                                 ui->kivoHostAddress->third()}) {
        if (octet.isEmpty())
            break;
        network.append(octet);
    }
    ui->lineEditName->setText(network.isEmpty() ? QString() : reverseNameFromParts(network));
}
