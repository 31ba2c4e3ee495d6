#pragma once

#include <QCoreApplication>
#include <QHostAddress>
#include <QString>

// An IPv6 network as ADDRESS/LENGTH and the reverse zone under ip6.arpa that holds the pointers
// of its addresses: a label for each nibble of the network part, the last nibble first.
class IPv6Prefix
{
    Q_DECLARE_TR_FUNCTIONS(IPv6Prefix)

public:
    // Labels are whole nibbles, so a zone's network ends on one; a zone for the whole space or a
    // single address is no network anyone delegates.
    static constexpr int nibbleBits = 4;
    static constexpr int shortestLength = 4;
    static constexpr int longestLength = 124;

    // Throws ErrorStackException for text that is no such network, or that sets bits past its
    // length.
    explicit IPv6Prefix(const QString &text);

    QString network() const { return m_network.toString(); }
    int length() const { return m_length; }
    // Absolute, with the final dot.
    QString reverseZoneName() const;

private:
    QHostAddress m_network;
    int m_length = 0;
};
