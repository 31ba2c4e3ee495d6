#pragma once

#include <QByteArray>
#include <QString>

// Sort keys that put names in the order a DNS administrator reads them: byte-wise comparison of
// two keys (compare()) gives the order.
namespace DnsOrder {
// Label by label from the right, so that a zone's apex comes first and each name is followed by
// the names below it; numbers by value, so that host2 comes before host10 and a reverse zone's
// names in address order; case ignored.
QByteArray nameKey(const QString &name);
// Any other text: numbers by value, case ignored.
QByteArray textKey(const QString &text);
// Below zero, zero or above zero, as memcmp.
int compare(const QByteArray &left, const QByteArray &right);
} // namespace DnsOrder
