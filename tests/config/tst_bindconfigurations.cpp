#include "config/hparser.h"
#include "config/iscparser.h"
#include "records/record.h"
#include "tests/support/testmain.h"

#include <QDir>
#include <QProcess>
#include <QRegularExpression>
#include <QSignalSpy>

#include <algorithm>

namespace {

struct Reading
{
    QStringList zones; // "name class type conf"
    QStringList errors;
};

Reading readConfiguration(const QString &path)
{
    HParser reader;
    QSignalSpy errors(&reader, &HParser::error);
    Reading reading;
    for (const PZone &zone : reader.parseZones(ISCParser().parse(path))->zones())
        reading.zones << QStringList{zone->name(), zone->zoneClass().toUpper(), zone->type(),
                                     zone->conf()}
                             .join(' ');
    for (const QList<QVariant> &arguments : errors)
        reading.errors << arguments.at(0).toString();
    return reading;
}

} // namespace

class TestBindConfigurations : public QObject
{
    Q_OBJECT

private slots:
    void init() { Sandbox::reset(); }

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
        Sandbox::replaceProgram(QStringLiteral("/usr/bin/named-compilezone"), "#!/bin/sh\n");
        QString text = QString::fromUtf8(Sandbox::readFile(fileName));
        text.replace(QRegularExpression(QStringLiteral("\\btype(\\s+)primary\\s*;")),
                     QStringLiteral("type\\1master;"));
        text.replace(QRegularExpression(QStringLiteral("\\btype(\\s+)secondary\\s*;")),
                     QStringLiteral("type\\1slave;"));
        const QString copy = Sandbox::scratchDirectory() + '/' + QFileInfo(fileName).fileName();
        Sandbox::writeFile(copy, text.toUtf8());

        // "name class view type" lines; the checker's warnings ("file:line: text") are skipped.
        // Top-level zones are its `_default` view; it prints the type word as written.
        QProcess checker;
        checker.setWorkingDirectory(Sandbox::scratchDirectory());
        checker.start(QStringLiteral("/usr/bin/named-checkconf"), {QStringLiteral("-l"), copy});
        QVERIFY(checker.waitForFinished(-1));
        static const QRegularExpression zoneLine(
            QStringLiteral("^([^ :]+) (\\S+) _default (master|slave)$"));
        QStringList expected;
        for (const QString &line : QString::fromUtf8(checker.readAllStandardOutput()).split('\n')) {
            const QRegularExpressionMatch match = zoneLine.match(line);
            if (match.hasMatch())
                expected << QStringList{match.captured(1), match.captured(2).toUpper(),
                                        match.captured(3), copy}
                                .join(' ');
        }

        Reading reading;
        QCOMPARE(TestSupport::failureOf([&] { reading = readConfiguration(copy); }), QString());
        // A statement that the reader cannot use is reported instead of listed; in this corpus
        // only a secondary zone without a file may be.
        for (const QString &error : reading.errors)
            QCOMPARE(error, QStringLiteral("Failed to parse zone. Expected file key"));
        QCOMPARE(reading.zones.size() + reading.errors.size(), expected.size());
        auto next = expected.cbegin();
        for (const QString &zone : reading.zones) {
            next = std::find(next, expected.cend(), zone);
            QVERIFY2(next != expected.cend(), qPrintable(zone + " missing or out of order"));
            ++next;
        }
    }
};

TAMZOR_SANDBOX_TEST_MAIN(TestBindConfigurations)
#include "tst_bindconfigurations.moc"
