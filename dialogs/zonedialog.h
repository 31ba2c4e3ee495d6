#pragma once

#include "records/zone.h"

#include <QDialog>

#include <memory>

namespace Ui {
class ZoneDialog;
}

// A zone's name and type and, for a slave, the servers it transfers from.
class ZoneDialog : public QDialog
{
    Q_OBJECT

public:
    explicit ZoneDialog(const PZone &zone, QWidget *parent = nullptr);
    ~ZoneDialog() override;

public slots:
    void accept() override;

private:
    bool takesPrimaries() const;
    void showPrimaries();

    PZone zone;
    std::unique_ptr<Ui::ZoneDialog> ui;
};
