#include "zonedialog.h"

#include "common/errorstackexception.h"
#include "core/zoneblueprint.h"
#include "dialogs/validationreport.h"
#include "records/primaryserver.h"

#include "ui_zonedialog.h"

ZoneDialog::ZoneDialog(const PZone &zone, QWidget *parent)
    : QDialog(parent), zone(zone), ui(std::make_unique<Ui::ZoneDialog>())
{
    ui->setupUi(this);
    ui->lineEditName->setText(zone->name());
    // Class words are case-insensitive in named.conf; an unknown one leaves the first item.
    const int classIndex = ui->comboBoxClass->findText(zone->zoneClass(), Qt::MatchFixedString);
    if (classIndex >= 0)
        ui->comboBoxClass->setCurrentIndex(classIndex);
    ui->comboBoxType->setCurrentText(zone->type());
    ui->lineEditPrimaries->setText(PrimaryServer::line(zone->primaries()));
    showPrimaries();
    connect(ui->comboBoxType, &QComboBox::currentTextChanged, this, [this] {
        showPrimaries();
        if (takesPrimaries())
            ui->lineEditPrimaries->setFocus();
    });
}

ZoneDialog::~ZoneDialog() = default;

bool ZoneDialog::takesPrimaries() const
{
    return ui->comboBoxType->currentText() == ZoneBlueprint::slaveType();
}

void ZoneDialog::showPrimaries()
{
    ui->labelPrimaries->setEnabled(takesPrimaries());
    ui->lineEditPrimaries->setEnabled(takesPrimaries());
}

// A zone is named with or without the root's final dot; the name stays as typed. A master has no
// primaries, whatever the field still shows.
void ZoneDialog::accept()
{
    const QString name = ui->lineEditName->text().trimmed();
    const QString type = ui->comboBoxType->currentText();
    QStringList primaries;
    try {
        ZoneBlueprint::zoneName(name);
        if (takesPrimaries())
            primaries = ZoneBlueprint::checkedPrimaries(
                type, PrimaryServer::entries(ui->lineEditPrimaries->text()));
    } catch (const ErrorStackException &error) {
        reportValidation(this, {error.text()});
        return;
    }
    zone->setName(name);
    zone->setType(type);
    zone->setPrimaries(primaries);
    QDialog::accept();
}
