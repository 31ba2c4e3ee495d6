#include "config/hparser.h"
#include "config/iscparser.h"
#include "records/record.h"
#include "tests/support/testmain.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QSignalSpy>

#include <algorithm>

namespace {

const QString compilerProgram = QStringLiteral("/usr/bin/named-compilezone");
const QString checkerProgram = QStringLiteral("/usr/bin/named-checkconf");

struct Reading
{
    QList<PZone> zones;
    QStringList errors;
};

Reading readConfiguration(const QString &path)
{
    HParser reader;
    QSignalSpy errors(&reader, &HParser::error);
    const PISCType root = ISCParser().parse(path);
    Reading reading{reader.parseZones(root)->zones(), {}};
    for (const QList<QVariant> &arguments : errors)
        reading.errors << arguments.at(0).toString();
    return reading;
}

// "name class view type" lines of `named-checkconf -l`; its warnings ("file:line: text") go to
// the same stream and are skipped.
QStringList listedByChecker(const QString &path)
{
    QProcess checker;
    checker.setWorkingDirectory(QFileInfo(path).path());
    checker.start(checkerProgram, {QStringLiteral("-l"), path});
    if (!checker.waitForFinished(-1))
        qFatal("%s did not run", qPrintable(checkerProgram));
    static const QRegularExpression zoneLine(QStringLiteral("^(\\S+) (\\S+) (\\S+) (\\S+)$"));
    QStringList zones;
    const QStringList lines = QString::fromUtf8(checker.readAllStandardOutput()).split('\n');
    for (const QString &line : lines) {
        const QRegularExpressionMatch match = zoneLine.match(line);
        if (match.hasMatch() && !match.captured(1).endsWith(QLatin1Char(':')))
            zones << line;
    }
    return zones;
}

// True when every line of `part` is in `whole`, in the same order.
bool isInOrderWithin(const QStringList &part, const QStringList &whole)
{
    auto next = whole.cbegin();
    for (const QString &line : part) {
        next = std::find(next, whole.cend(), line);
        if (next == whole.cend())
            return false;
        ++next;
    }
    return true;
}

} // namespace

class TestBindConfigurations : public QObject
{
    Q_OBJECT

private slots:
    void init() { Sandbox::reset(); }

    void debianDefaults_fourMasterZonesWithRecords()
    {
        Sandbox::installDebianDefaults();
        const Reading reading = readConfiguration(QStringLiteral("/etc/bind/named.conf"));

        QVERIFY2(reading.errors.isEmpty(), qPrintable(reading.errors.join('\n')));
        QStringList zones;
        for (const PZone &zone : reading.zones) {
            zones << QStringList{zone->name(), zone->zoneClass(), zone->type(), zone->file(),
                                 zone->conf()}
                         .join(QLatin1Char(' '));
            QVERIFY2(!zone->records().isEmpty(), qPrintable(zone->name()));
            QCOMPARE(zone->directory(), QStringLiteral("/var/cache/bind"));
        }
        const QString conf = QStringLiteral(" /etc/bind/named.conf.default-zones");
        QCOMPARE(zones, QStringList({
                            QStringLiteral("localhost IN master /etc/bind/db.local") + conf,
                            QStringLiteral("127.in-addr.arpa IN master /etc/bind/db.127") + conf,
                            QStringLiteral("0.in-addr.arpa IN master /etc/bind/db.0") + conf,
                            QStringLiteral("255.in-addr.arpa IN master /etc/bind/db.255") + conf,
                        }));

        QStringList localhost;
        for (const PRecord &record : reading.zones.first()->records())
            localhost << record->type() + QLatin1Char(' ') + record->content();
        QCOMPARE(localhost.size(), 4);
        QCOMPARE(localhost.at(2), QStringLiteral("A 127.0.0.1"));
        QCOMPARE(localhost.at(3), QStringLiteral("AAAA ::1"));
    }

    void corpusConfiguration_zonesAgreeWithChecker_data()
    {
        QTest::addColumn<QString>("fileName");

        const QDir corpus(TestSupport::corpusDirectory() + QStringLiteral("/checkconf"));
        const QStringList files = corpus.entryList({QStringLiteral("good*.conf")}, QDir::Files);
        if (files.isEmpty())
            QSKIP("the corpus of BIND's configurations is not there");
        for (const QString &file : files)
            QTest::newRow(qPrintable(file)) << corpus.filePath(file);
    }

    // The corpus writes the type words primary and secondary, which the reader leaves out, and
    // names zone files that do not exist. So each file is copied with master and slave written
    // instead, and a stand-in compiler accepts every zone file with no records: what is compared
    // is the list of zone statements, not the zone files.
    void corpusConfiguration_zonesAgreeWithChecker()
    {
        QFETCH(QString, fileName);

        const QString compiled =
            QDir(Sandbox::scratchDirectory()).filePath(QStringLiteral("compiled"));
        Sandbox::replaceProgram(compilerProgram,
                                "#!/bin/sh\necho \"$5\" >> '" + compiled.toUtf8() + "'\n");

        QFile original(fileName);
        QVERIFY(original.open(QIODevice::ReadOnly));
        QString text = QString::fromUtf8(original.readAll());
        text.replace(QRegularExpression(QStringLiteral("\\btype(\\s+)primary\\s*;")),
                     QStringLiteral("type\\1master;"));
        text.replace(QRegularExpression(QStringLiteral("\\btype(\\s+)secondary\\s*;")),
                     QStringLiteral("type\\1slave;"));
        const QString copy =
            QDir(Sandbox::scratchDirectory()).filePath(QFileInfo(fileName).fileName());
        Sandbox::writeFile(copy, text.toUtf8());

        // Top-level zones are the checker's `_default` view; it prints the type word as written.
        QStringList expected;
        for (const QString &line : listedByChecker(copy)) {
            const QStringList fields = line.split(QLatin1Char(' '));
            const QString type = fields.at(3);
            if (fields.at(2) == QLatin1String("_default") &&
                (type == QLatin1String("master") || type == QLatin1String("slave")))
                expected << QStringList{fields.at(0), fields.at(1).toUpper(), type}.join(' ');
        }

        Reading reading;
        try {
            reading = readConfiguration(copy);
        } catch (const ErrorStackException &e) {
            QFAIL(qPrintable(e.text()));
        }

        QStringList listed;
        QStringList compiledNames;
        for (const PZone &zone : reading.zones) {
            listed << QStringList{zone->name(), zone->zoneClass().toUpper(), zone->type()}.join(
                ' ');
            compiledNames << zone->name();
            QCOMPARE(zone->conf(), copy);
        }
        // A statement that the reader cannot use is reported instead of listed; in this corpus
        // only a secondary zone without a file may be.
        for (const QString &error : reading.errors)
            QCOMPARE(error, QStringLiteral("Failed to parse zone. Expected file key"));
        QCOMPARE(listed.size() + reading.errors.size(), expected.size());
        QVERIFY2(isInOrderWithin(listed, expected), qPrintable(listed.join(", ")));
        // Several compilers run at once, so they may start in any order.
        QStringList log = QString::fromUtf8(Sandbox::readFile(compiled))
                              .split(QLatin1Char('\n'), Qt::SkipEmptyParts);
        log.sort();
        compiledNames.sort();
        QCOMPARE(log, compiledNames);
    }
};

TAMZOR_SANDBOX_TEST_MAIN(TestBindConfigurations)
#include "tst_bindconfigurations.moc"
