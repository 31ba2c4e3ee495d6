#include "zonedialog.h"

#include "common/inputvalidators.h"
#include "common/validation.h"

#include "ui_zonedialog.h"

#include <QMessageBox>

ZoneDialog::ZoneDialog(const PZone &zone, QWidget *parent)
    : QDialog(parent), zone(zone), ui(std::make_unique<Ui::ZoneDialog>())
{
    ui->setupUi(this);
    ui->lineEditName->setValidator(domainCharsValidator());

    ui->lineEditName->setText(zone->name());
    // Class words are case-insensitive in named.conf; an unknown one leaves the first item.
    const int classIndex = ui->comboBoxClass->findText(zone->zoneClass(), Qt::MatchFixedString);
    if (classIndex >= 0)
        ui->comboBoxClass->setCurrentIndex(classIndex);
    ui->comboBoxType->setCurrentText(zone->type());
}

ZoneDialog::~ZoneDialog() = default;

void ZoneDialog::accept()
{
    const QString name = ui->lineEditName->text();
    const ValidationResult result = validateDomainName(name, QStringLiteral("."));
    if (!result.valid) {
        QMessageBox::critical(this, tr("Validation failed"), result.message);
        return;
    }
    zone->setName(name);
    zone->setType(ui->comboBoxType->currentText());
    QDialog::accept();
}
