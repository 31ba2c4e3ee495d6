#pragma once

#include "records/record.h"

#include <QObject>

class QTableView;
class RecordModel;

// Follows the selection of the record table and hands out the selected record.
class RecordController : public QObject
{
    Q_OBJECT

public:
    explicit RecordController(QObject *parent = nullptr);

    // The view must already show the model: its selection model exists only from then on.
    void setup(RecordModel *model, QTableView *view);
    bool hasSelectedRecord() const;
    // A null handle when no record is selected.
    PRecord selectedRecord() const;

public slots:
    void removeSelectedRecord();

signals:
    void recordSelected();
    void recordNotSelected();

private slots:
    void onSelectionChange();

private:
    QModelIndex firstSelectedIndex() const;

    RecordModel *model = nullptr;
    QTableView *view = nullptr;
};
