#include "recordsortfiltermodel.h"

#include "dnsorder.h"
#include "recordmodel.h"

#include <algorithm>
#include <numeric>

namespace {
const QString startOfAuthority = QStringLiteral("SOA");
const QLatin1Char haystackSeparator('\n');
// More changed records than this are sorted anew with the others.
const int mostChangedRecords = 64;

QByteArray nameKey(const Record &record)
{
    return DnsOrder::nameKey(record.fullName());
}

QByteArray dataKey(const Record &record)
{
    return DnsOrder::textKey(record.content());
}

// What the filter looks in: name, type and data, in lower case.
QString haystack(const Record &record)
{
    return QString(record.fullName() + haystackSeparator + record.type() + haystackSeparator +
                   record.content())
        .toLower();
}
} // namespace

RecordSortFilterModel::RecordSortFilterModel(QObject *parent) : QAbstractProxyModel(parent) {}

RecordSortFilterModel::~RecordSortFilterModel() = default;

void RecordSortFilterModel::setSourceModel(QAbstractItemModel *model)
{
    if (m_records)
        disconnect(m_records, nullptr, this, nullptr);
    beginResetModel();
    m_records = qobject_cast<RecordModel *>(model);
    QAbstractProxyModel::setSourceModel(m_records);
    if (m_records) {
        // Another zone's records start afresh; a record added or removed keeps the selection.
        connect(m_records, &QAbstractItemModel::modelAboutToBeReset, this,
                &RecordSortFilterModel::beginResetModel);
        connect(m_records, &QAbstractItemModel::modelReset, this, [this] {
            takeSource();
            endResetModel();
        });
        const auto about = [this] { beginRelayout(); };
        const auto done = [this] { finishRelayout(Source); };
        connect(m_records, &QAbstractItemModel::layoutAboutToBeChanged, this, about);
        connect(m_records, &QAbstractItemModel::rowsAboutToBeInserted, this, about);
        connect(m_records, &QAbstractItemModel::rowsAboutToBeRemoved, this, about);
        connect(m_records, &QAbstractItemModel::layoutChanged, this, done);
        connect(m_records, &QAbstractItemModel::rowsInserted, this, done);
        connect(m_records, &QAbstractItemModel::rowsRemoved, this, done);
        connect(m_records, &QAbstractItemModel::dataChanged, this,
                &RecordSortFilterModel::forwardDataChanged);
    }
    takeSource();
    endResetModel();
}

void RecordSortFilterModel::takeSource()
{
    const QVector<PRecord> previous = m_list;
    m_list = m_records ? m_records->records() : QVector<PRecord>();
    std::vector<int> oldRowOf;
    if (previous.isEmpty() || !align(previous, m_list, oldRowOf)) {
        m_nameKeys.clear();
        m_dataKeys.clear();
        m_haystacks.clear();
        m_sorted.resize(size_t(m_list.size()));
        std::iota(m_sorted.begin(), m_sorted.end(), 0);
        sortRows();
        filterRows(m_sorted);
        return;
    }
    carry(m_nameKeys, oldRowOf, nameKey);
    carry(m_dataKeys, oldRowOf, dataKey);
    carry(m_haystacks, oldRowOf, haystack);
    std::vector<int> newRowOf(size_t(previous.size()), -1);
    for (size_t row = 0; row < oldRowOf.size(); ++row) {
        if (oldRowOf[row] >= 0)
            newRowOf[size_t(oldRowOf[row])] = int(row);
    }
    std::vector<int> sorted;
    sorted.reserve(size_t(m_list.size()));
    for (const int row : m_sorted) {
        if (newRowOf[size_t(row)] >= 0)
            sorted.push_back(newRowOf[size_t(row)]);
    }
    for (int row = 0; row < m_list.size(); ++row) {
        if (oldRowOf[size_t(row)] < 0)
            sorted.insert(
                std::upper_bound(sorted.begin(), sorted.end(), row,
                                 [this](int left, int right) { return before(left, right); }),
                row);
    }
    m_sorted.swap(sorted);
    filterRows(m_sorted);
}

// A change to a zone replaces, adds or removes a few records, its new SOA record among them, and
// leaves the others in their order: those keep their keys and their place.
bool RecordSortFilterModel::align(const QVector<PRecord> &before, const QVector<PRecord> &after,
                                  std::vector<int> &oldRowOf)
{
    oldRowOf.assign(size_t(after.size()), -1);
    int changes = 0;
    int row = 0;
    int oldRow = 0;
    while (row < after.size() && oldRow < before.size()) {
        if (after.at(row) == before.at(oldRow)) {
            oldRowOf[size_t(row++)] = oldRow++;
            continue;
        }
        if (++changes > mostChangedRecords)
            return false;
        if (oldRow + 1 < before.size() && after.at(row) == before.at(oldRow + 1))
            ++oldRow;
        else if (row + 1 < after.size() && after.at(row + 1) == before.at(oldRow))
            ++row;
        else {
            ++row;
            ++oldRow;
        }
    }
    changes += (after.size() - row) + (before.size() - oldRow);
    return changes <= mostChangedRecords;
}

template <typename Value>
void RecordSortFilterModel::carry(std::vector<Value> &cache, const std::vector<int> &oldRowOf,
                                  Value (*make)(const Record &)) const
{
    if (cache.empty())
        return;
    std::vector<Value> carried;
    carried.reserve(oldRowOf.size());
    for (size_t row = 0; row < oldRowOf.size(); ++row)
        carried.push_back(oldRowOf[row] >= 0 ? std::move(cache[size_t(oldRowOf[row])])
                                             : make(*m_list.at(int(row))));
    cache.swap(carried);
}

void RecordSortFilterModel::forwardDataChanged(const QModelIndex &topLeft,
                                               const QModelIndex &bottomRight,
                                               const QVector<int> &roles)
{
    for (int row = topLeft.row(); row <= bottomRight.row(); ++row) {
        const int shown = m_shownRow.at(size_t(row));
        if (shown >= 0)
            emit dataChanged(index(shown, topLeft.column()), index(shown, bottomRight.column()),
                             roles);
    }
}

QModelIndex RecordSortFilterModel::mapToSource(const QModelIndex &proxyIndex) const
{
    if (!m_records || !proxyIndex.isValid() || proxyIndex.model() != this ||
        proxyIndex.row() >= int(m_shown.size()))
        return QModelIndex();
    return m_records->index(m_shown[size_t(proxyIndex.row())], proxyIndex.column());
}

QModelIndex RecordSortFilterModel::mapFromSource(const QModelIndex &sourceIndex) const
{
    if (!m_records || !sourceIndex.isValid() || sourceIndex.model() != m_records ||
        sourceIndex.row() >= int(m_shownRow.size()))
        return QModelIndex();
    const int row = m_shownRow[size_t(sourceIndex.row())];
    return row < 0 ? QModelIndex() : index(row, sourceIndex.column());
}

QModelIndex RecordSortFilterModel::index(int row, int column, const QModelIndex &parent) const
{
    if (!hasIndex(row, column, parent))
        return QModelIndex();
    return createIndex(row, column);
}

QModelIndex RecordSortFilterModel::parent(const QModelIndex &) const
{
    return QModelIndex();
}

int RecordSortFilterModel::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : int(m_shown.size());
}

int RecordSortFilterModel::columnCount(const QModelIndex &parent) const
{
    return parent.isValid() || !m_records ? 0 : m_records->columnCount();
}

// The base class finds a column's header through the first row, which a filter may hide.
QVariant RecordSortFilterModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation == Qt::Horizontal && m_records)
        return m_records->headerData(section, orientation, role);
    return QAbstractProxyModel::headerData(section, orientation, role);
}

void RecordSortFilterModel::sort(int column, Qt::SortOrder order)
{
    if (column < 0 || (column == m_sortColumn && order == m_order))
        return;
    m_sortColumn = column;
    m_order = order;
    relayout(Sort);
}

void RecordSortFilterModel::setFilterText(const QString &text)
{
    if (text == m_filter)
        return;
    const bool narrower = !m_filter.isEmpty() && text.contains(m_filter, Qt::CaseInsensitive);
    m_filter = text;
    relayout(narrower ? Narrow : Filter);
    emit filterChanged();
}

void RecordSortFilterModel::relayout(Change change)
{
    beginRelayout();
    finishRelayout(change);
}

void RecordSortFilterModel::beginRelayout()
{
    emit layoutAboutToBeChanged();
    m_persistent = persistentIndexList();
    m_persistentRecords.clear();
    for (const QModelIndex &index : qAsConst(m_persistent))
        m_persistentRecords.append(m_list.at(m_shown.at(size_t(index.row()))));
}

void RecordSortFilterModel::finishRelayout(Change change)
{
    if (change == Source)
        takeSource();
    else if (change == Sort)
        sortRows();
    // A longer filter text only ever drops rows.
    if (change != Source)
        filterRows(change == Narrow ? std::vector<int>(m_shown) : m_sorted);
    QModelIndexList after;
    after.reserve(m_persistent.size());
    for (int i = 0; i < m_persistent.size(); ++i) {
        const int sourceRow = m_list.indexOf(m_persistentRecords.at(i));
        const int row = sourceRow < 0 ? -1 : m_shownRow.at(size_t(sourceRow));
        after.append(row < 0 ? QModelIndex() : index(row, m_persistent.at(i).column()));
    }
    changePersistentIndexList(m_persistent, after);
    m_persistent.clear();
    m_persistentRecords.clear();
    emit layoutChanged();
}

void RecordSortFilterModel::sortRows()
{
    std::stable_sort(m_sorted.begin(), m_sorted.end(),
                     [this](int left, int right) { return before(left, right); });
}

bool RecordSortFilterModel::before(int left, int right) const
{
    return m_order == Qt::AscendingOrder ? less(left, right) : less(right, left);
}

void RecordSortFilterModel::filterRows(const std::vector<int> &candidates)
{
    m_shownRow.assign(m_sorted.size(), -1);
    std::vector<int> shown;
    if (m_filter.isEmpty()) {
        shown = candidates;
    } else {
        const QString needle = m_filter.toLower();
        const std::vector<QString> &texts = haystacks();
        shown.reserve(candidates.size());
        for (const int row : candidates) {
            if (texts[size_t(row)].contains(needle))
                shown.push_back(row);
        }
    }
    m_shown.swap(shown);
    for (size_t row = 0; row < m_shown.size(); ++row)
        m_shownRow[size_t(m_shown[row])] = int(row);
}

bool RecordSortFilterModel::less(int left, int right) const
{
    const Record &a = *m_list.at(left);
    const Record &b = *m_list.at(right);
    switch (m_sortColumn) {
    case RecordModel::NameColumn:
    case RecordModel::DataColumn: {
        const std::vector<QByteArray> &sortKeys = keys(m_sortColumn);
        const int order = DnsOrder::compare(sortKeys[size_t(left)], sortKeys[size_t(right)]);
        if (order != 0 || m_sortColumn == RecordModel::DataColumn)
            return order < 0;
        // A name's start of authority heads its records.
        return a.type() == startOfAuthority && b.type() != startOfAuthority;
    }
    case RecordModel::TtlColumn:
        return a.ttl() < b.ttl();
    case RecordModel::ClassColumn:
        return a.recordClass().compare(b.recordClass(), Qt::CaseInsensitive) < 0;
    case RecordModel::TypeColumn:
        return a.type() < b.type();
    default:
        return false;
    }
}

const std::vector<QByteArray> &RecordSortFilterModel::keys(int column) const
{
    const bool names = column == RecordModel::NameColumn;
    std::vector<QByteArray> &cached = names ? m_nameKeys : m_dataKeys;
    if (cached.empty()) {
        cached.reserve(size_t(m_list.size()));
        for (const PRecord &record : m_list)
            cached.push_back(names ? nameKey(*record) : dataKey(*record));
    }
    return cached;
}

const std::vector<QString> &RecordSortFilterModel::haystacks() const
{
    if (m_haystacks.empty()) {
        m_haystacks.reserve(size_t(m_list.size()));
        for (const PRecord &record : m_list)
            m_haystacks.push_back(haystack(*record));
    }
    return m_haystacks;
}
