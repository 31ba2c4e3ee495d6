#include "benchdata.h"

#include <QDir>
#include <QFile>

namespace {

QByteArray header(const QByteArray &origin)
{
    return "$TTL 3600\n" + origin + " 3600 IN SOA ns1." + origin + " hostmaster." + origin +
           " 2024010101 7200 3600 1209600 300\n" + origin + " 3600 IN NS ns1." + origin + "\n" +
           "ns1." + origin + " 3600 IN A 192.0.2.1\n";
}

QByteArray recordLine(const QByteArray &origin, int index)
{
    const QByteArray n = QByteArray::number(index);
    const QByteArray host = "host" + n + '.' + origin;
    switch (index % 6) {
    case 0:
        return host + " 3600 IN A 10." + QByteArray::number((index >> 16) & 255) + '.' +
               QByteArray::number((index >> 8) & 255) + '.' + QByteArray::number(index & 255) +
               '\n';
    case 1:
        return host + " 3600 IN AAAA 2001:db8::" + QByteArray::number(index >> 16, 16) + ':' +
               QByteArray::number(index & 0xffff, 16) + '\n';
    case 2:
        return host + " 3600 IN MX 10 host" + QByteArray::number(index - 2) + '.' + origin + '\n';
    case 3:
        return host + " 3600 IN TXT \"record number " + n + " with spaces\"\n";
    case 4:
        return "_sip._tcp.host" + n + '.' + origin + " 3600 IN SRV 10 20 5060 host" +
               QByteArray::number(index - 4) + '.' + origin + '\n';
    default:
        return "alias" + n + '.' + origin + " 3600 IN CNAME host" + QByteArray::number(index - 5) +
               '.' + origin + '\n';
    }
}

QByteArray zoneText(const QByteArray &origin, int records)
{
    QByteArray text = header(origin);
    text.reserve(records * 64);
    for (int index = 0; index < records; ++index)
        text += recordLine(origin, index);
    return text;
}

void write(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size())
        qFatal("cannot write %s", qPrintable(path));
}

} // namespace

namespace BenchData {

QByteArray bigZone(int records)
{
    return zoneText("bench.example.", records);
}

QString zoneName(int index)
{
    return QStringLiteral("zone%1.example.").arg(index);
}

QString zoneFile(int index)
{
    return QStringLiteral("zone%1.db").arg(index);
}

QString manyZonesConfiguration(const QString &directory, int zones, int records)
{
    QByteArray configuration = "options { directory \"" + QFile::encodeName(directory) + "\"; };\n";
    for (int index = 0; index < zones; ++index) {
        const QByteArray name = zoneName(index).toUtf8();
        const QByteArray file = zoneFile(index).toUtf8();
        write(QDir(directory).filePath(zoneFile(index)), zoneText(name, records));
        configuration += "zone \"" + name + "\" { type master; file \"" + file + "\"; };\n";
    }
    const QString path = QDir(directory).filePath(QStringLiteral("named.conf"));
    write(path, configuration);
    return path;
}

} // namespace BenchData
