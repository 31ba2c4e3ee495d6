#pragma once

#include "records/record.h"
#include "records/zone.h"

class ServerZones;

#include <QAbstractTableModel>
#include <QList>

// The records of the selected zone: name, type and content, one row per record.
class RecordModel : public QAbstractTableModel
{
    Q_OBJECT

public:
    explicit RecordModel(QObject *parent = nullptr);
    ~RecordModel() override;

    int rowCount(const QModelIndex &parent = QModelIndex()) const override;
    int columnCount(const QModelIndex &parent = QModelIndex()) const override;
    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation,
                        int role = Qt::DisplayRole) const override;

    // A null handle for an index that names no row of this model.
    PRecord record(const QModelIndex &index) const;
    QList<PRecord> records() const { return m_records; }
    void setRecords(const QList<PRecord> &records);
    void appendRecord(const PRecord &record);
    void removeRecord(const QModelIndex &index);
    // Shows the records of one zone, or none, and keeps showing them as the core changes them.
    void showZone(const PZone &zone);
    PZone shownZone() const { return m_zone; }
    void follow(const ServerZones *zones);

private:
    enum Column { NameColumn, TypeColumn, ContentColumn, ColumnCount };

    bool isRow(const QModelIndex &index) const;
    // Records that named, a signer or a primary keep are shown greyed, with the reason as tip.
    QString readOnlyReason(const Record &record) const;
    QVariant displayText(const Record &record, int column) const;

    PZone m_zone;
    QList<PRecord> m_records;
};
