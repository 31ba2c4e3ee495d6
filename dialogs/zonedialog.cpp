#include "zonedialog.h"

#include "common/errorstackexception.h"
#include "core/zoneblueprint.h"
#include "dialogs/validationreport.h"

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
}

ZoneDialog::~ZoneDialog() = default;

// A zone is named with or without the root's final dot; the name stays as typed.
void ZoneDialog::accept()
{
    const QString name = ui->lineEditName->text().trimmed();
    try {
        ZoneBlueprint::zoneName(name);
    } catch (const ErrorStackException &error) {
        reportValidation(this, {error.text()});
        return;
    }
    zone->setName(name);
    zone->setType(ui->comboBoxType->currentText());
    QDialog::accept();
}
