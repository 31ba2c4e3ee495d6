#include "ipv6prefix.h"

#include "common/errorstackexception.h"
#include "common/validation.h"

#include <QStringList>

namespace {
const QLatin1Char lengthSeparator('/');
const QLatin1Char labelSeparator('.');
const QString reverseSuffix = QStringLiteral("ip6.arpa.");
} // namespace

IPv6Prefix::IPv6Prefix(const QString &text)
{
    const QString trimmed = text.trimmed();
    const int separator = trimmed.lastIndexOf(lengthSeparator);
    const QString address = separator < 0 ? trimmed : trimmed.left(separator);
    if (!isValidIPv6(address))
        throw ErrorStackException(tr("%1 is not an IPv6 address").arg(address));
    bool number = false;
    m_length = separator < 0 ? 0 : trimmed.mid(separator + 1).toInt(&number);
    if (!number || m_length < shortestLength || m_length > longestLength ||
        m_length % nibbleBits != 0)
        throw ErrorStackException(
            tr("%1 needs a prefix length after a slash that is a multiple of %2 from %3 to %4, "
               "such as %5/48: reverse zones are cut at whole hexadecimal digits")
                .arg(trimmed)
                .arg(nibbleBits)
                .arg(shortestLength)
                .arg(longestLength)
                .arg(address));
    m_network = QHostAddress(address);
    const QHostAddress network =
        QHostAddress::parseSubnet(QStringLiteral("%1/%2").arg(address).arg(m_length)).first;
    if (network != m_network)
        throw ErrorStackException(tr("%1 sets bits past its first %2: the network is %3/%2")
                                      .arg(trimmed)
                                      .arg(m_length)
                                      .arg(network.toString()));
}

QString IPv6Prefix::reverseZoneName() const
{
    const Q_IPV6ADDR bytes = m_network.toIPv6Address();
    QStringList labels;
    for (int nibble = m_length / nibbleBits - 1; nibble >= 0; --nibble) {
        const quint8 byte = bytes[nibble / 2];
        labels.append(QString::number(nibble % 2 == 0 ? byte >> 4 : byte & 0x0f, 16));
    }
    labels.append(reverseSuffix);
    return labels.join(labelSeparator);
}
