#pragma once

#include "records/zone.h"

#include <QObject>

class QTableView;
class ZoneModel;

// Follows the selection of the zone table and hands out the selected zone.
class ZoneController : public QObject
{
    Q_OBJECT

public:
    explicit ZoneController(QObject *parent = nullptr);

    // The view must already show the model: its selection model exists only from then on.
    void setup(ZoneModel *model, QTableView *view);
    bool hasSelectedZone() const;
    // A null handle when no zone is selected.
    PZone selectedZone() const;

public slots:
    void removeSelectedZone();

signals:
    void zoneSelected();
    void zoneNotSelected();

private slots:
    void onSelectionChange();

private:
    QModelIndex firstSelectedIndex() const;

    ZoneModel *model = nullptr;
    QTableView *view = nullptr;
};
