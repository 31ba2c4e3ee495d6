#pragma once

#include "records/zone.h"

#include <QDialog>

#include <memory>

namespace Ui {
class ZoneDialog;
}

class ZoneDialog : public QDialog
{
    Q_OBJECT

public:
    explicit ZoneDialog(const PZone &zone, QWidget *parent = nullptr);
    ~ZoneDialog() override;

public slots:
    void accept() override;

private:
    PZone zone;
    std::unique_ptr<Ui::ZoneDialog> ui;
};
