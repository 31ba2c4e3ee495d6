#include "zonewizardpagereverseipv4name.h"

#include "common/validation.h"
#include "wizards/zonewizard.h"

#include "ui_zonewizardpagereverseipv4name.h"

ZoneWizardPageReverseIPv4Name::ZoneWizardPageReverseIPv4Name(QWidget *parent)
    : QWizardPage(parent), ui(new Ui::ZoneWizardPageReverseIPv4Name)
{
    ui->setupUi(this);
    connect(ui->kivoHostAddress, &KivoHostAddress::addressChanged, this,
            &ZoneWizardPageReverseIPv4Name::updateZoneName);
}

ZoneWizardPageReverseIPv4Name::~ZoneWizardPageReverseIPv4Name() = default;

bool ZoneWizardPageReverseIPv4Name::validatePage()
{
    return qobject_cast<ZoneWizard *>(wizard())->takeZoneName(this, ui->lineEditName->text());
}

int ZoneWizardPageReverseIPv4Name::nextId() const
{
    return qobject_cast<const ZoneWizard *>(wizard())->pageAfterName();
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
