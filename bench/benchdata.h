#pragma once

#include <QString>

// Zone text and configurations that the benchmark generates, accepted by BIND's checkers.
namespace BenchData {
// A zone of `records` records of mixed types (A, AAAA, MX, TXT with spaces, SRV, CNAME) after
// its SOA and NS records, for the origin "bench.example.".
QByteArray bigZone(int records);
// `zones` small zones of `records` records each in `directory`, and a named.conf declaring them
// all as master zones; returns the configuration's path.
QString manyZonesConfiguration(const QString &directory, int zones, int records);
QString zoneName(int index);
// The file of the small zone `index`, relative to the configuration's directory.
QString zoneFile(int index);
} // namespace BenchData
