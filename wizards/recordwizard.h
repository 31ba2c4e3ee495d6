#pragma once

#include "records/zone.h"
#include "wizards/changewizard.h"

#include <memory>

namespace Ui {
class RecordWizard;
}

// Composes one new record of a zone: a type on the first page, that type's form on the next. A
// zone has its one SOA record from its start, so that type is not offered.
class RecordWizard : public ChangeWizard
{
    Q_OBJECT

public:
    explicit RecordWizard(const PZone &zone, QWidget *parent = nullptr);
    ~RecordWizard() override;

    // The record of the form the user finished on.
    PRecord record() const;

private:
    const PZone m_zone;
    const std::unique_ptr<Ui::RecordWizard> ui;
};
