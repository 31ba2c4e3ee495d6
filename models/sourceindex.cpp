#include "sourceindex.h"

#include <QAbstractProxyModel>

QModelIndex sourceIndex(QModelIndex index)
{
    while (const auto *proxy = qobject_cast<const QAbstractProxyModel *>(index.model()))
        index = proxy->mapToSource(index);
    return index;
}
