#pragma once

#include "records/record.h"

#include <QAbstractProxyModel>
#include <QByteArray>
#include <QString>
#include <QVector>

#include <vector>

class RecordModel;

// The record table's order and filter over the records of a zone: names in DNS order (the
// apex first, then label by label from the right, numbers by value) unless another column is
// chosen, and only the records whose name, type or data holds the filter text. A zone's worth of
// records is sorted and filtered at once, and every change shows as one new layout, which keeps
// the selection: row by row a hundred thousand records take far too long.
class RecordSortFilterModel : public QAbstractProxyModel
{
    Q_OBJECT

public:
    explicit RecordSortFilterModel(QObject *parent = nullptr);
    ~RecordSortFilterModel() override;

    // Takes a RecordModel only.
    void setSourceModel(QAbstractItemModel *model) override;
    QModelIndex mapToSource(const QModelIndex &proxyIndex) const override;
    QModelIndex mapFromSource(const QModelIndex &sourceIndex) const override;
    QModelIndex index(int row, int column,
                      const QModelIndex &parent = QModelIndex()) const override;
    QModelIndex parent(const QModelIndex &child) const override;
    int rowCount(const QModelIndex &parent = QModelIndex()) const override;
    int columnCount(const QModelIndex &parent = QModelIndex()) const override;
    QVariant headerData(int section, Qt::Orientation orientation,
                        int role = Qt::DisplayRole) const override;
    void sort(int column, Qt::SortOrder order = Qt::AscendingOrder) override;

    QString filterText() const { return m_filter; }
    void setFilterText(const QString &text);

signals:
    void filterChanged();

private:
    // Reads the source's records and sorts and filters them.
    void takeSource();
    void forwardDataChanged(const QModelIndex &topLeft, const QModelIndex &bottomRight,
                            const QVector<int> &roles);
    enum Change { Sort, Filter, Narrow, Source };
    // Sorts or filters again, as one change of the layout that keeps the persistent indexes,
    // which follow their records.
    void relayout(Change change);
    void beginRelayout();
    void finishRelayout(Change change);
    void sortRows();
    // Whether the left source row comes before the right one in the chosen order.
    bool before(int left, int right) const;
    // For each row of the new list, its row in the old one, or -1 for a record it brings; false
    // when the lists differ in more than a few records.
    static bool align(const QVector<PRecord> &before, const QVector<PRecord> &after,
                      std::vector<int> &oldRowOf);
    // The cached values of the records both lists hold; the others are made anew.
    template <typename Value>
    void carry(std::vector<Value> &cache, const std::vector<int> &oldRowOf,
               Value (*make)(const Record &)) const;
    // The rows that hold the filter text, out of the given ones in their order.
    void filterRows(const std::vector<int> &candidates);
    bool less(int left, int right) const;
    const std::vector<QByteArray> &keys(int column) const;
    const std::vector<QString> &haystacks() const;

    RecordModel *m_records = nullptr;
    QVector<PRecord> m_list;
    int m_sortColumn = 0;
    Qt::SortOrder m_order = Qt::AscendingOrder;
    QString m_filter;
    // Source rows in sort order, the shown ones among them, and each source row's shown row or -1.
    std::vector<int> m_sorted;
    std::vector<int> m_shown;
    std::vector<int> m_shownRow;
    QModelIndexList m_persistent;
    QVector<PRecord> m_persistentRecords;
    mutable std::vector<QByteArray> m_nameKeys;
    mutable std::vector<QByteArray> m_dataKeys;
    mutable std::vector<QString> m_haystacks;
};
