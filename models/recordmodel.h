#pragma once

#include "records/record.h"
#include "records/zone.h"

class ServerZones;

#include <QAbstractTableModel>
#include <QList>
#include <QVector>

// The records of the selected zone, one row per record, in the zone's order.
class RecordModel : public QAbstractTableModel
{
    Q_OBJECT

public:
    // The class is shown only for a record outside the Internet class, which few zones hold.
    enum Column { NameColumn, TtlColumn, ClassColumn, TypeColumn, DataColumn, ColumnCount };

    explicit RecordModel(QObject *parent = nullptr);
    ~RecordModel() override;

    int rowCount(const QModelIndex &parent = QModelIndex()) const override;
    int columnCount(const QModelIndex &parent = QModelIndex()) const override;
    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation,
                        int role = Qt::DisplayRole) const override;

    // A null handle for an index that names no row of this model.
    PRecord record(const QModelIndex &index) const;
    // -1 when the record is not listed.
    int rowOf(const PRecord &record) const { return m_records.indexOf(record); }
    QVector<PRecord> records() const { return m_records; }
    void setRecords(const QVector<PRecord> &records);
    void appendRecord(const PRecord &record);
    void removeRecord(const QModelIndex &index);
    // Shows the records of one zone, or none, and keeps showing them as the core changes them.
    void showZone(const PZone &zone);
    PZone shownZone() const { return m_zone; }
    void follow(const ServerZones *zones);
    // Whether any record lies outside the Internet class, so that the class is worth a column.
    bool hasOtherClasses() const;

private:
    bool isRow(const QModelIndex &index) const;
    // Records that named, a signer or a primary keep are shown greyed, with the reason as tip.
    QString readOnlyReason(const Record &record) const;
    QVariant displayText(const Record &record, int column) const;

    PZone m_zone;
    QVector<PRecord> m_records;
};
