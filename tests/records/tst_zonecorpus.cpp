#include "common/errorstackexception.h"
#include "records/compilezone.h"
#include "records/record.h"
#include "tests/support/testmain.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>

// BIND's own zone files, read through the system and compared line by line with what BIND's
// compiler prints: whatever the server loads must come back unchanged when written out again.
class TestZoneCorpus : public QObject
{
    Q_OBJECT

private:
    QString m_zones;
    // Some files $INCLUDE "zones/inherit.db", relative to the server's working directory.
    QTemporaryDir m_workingDirectory;

    static QString originOf(const QString &file)
    {
        static const QHash<QString, QString> origins = {
            {QStringLiteral("crashzone.db"), QStringLiteral("dyn.example.net.")},
            {QStringLiteral("delegating-ns-address-below-dname.db"),
             QStringLiteral("example.com.")},
            {QStringLiteral("ns-address-below-dname.db"), QStringLiteral("example.com.")},
            {QStringLiteral("zone1.db"), QStringLiteral("zone1.com.")},
        };
        return origins.value(file, QStringLiteral("example."));
    }

    // True when the program ran in the working directory and ended with code 0.
    bool succeeds(QProcess &process, const QString &program, const QStringList &arguments)
    {
        process.setWorkingDirectory(m_workingDirectory.path());
        process.start(program, arguments);
        return process.waitForFinished(-1) && process.exitStatus() == QProcess::NormalExit &&
               process.exitCode() == 0;
    }

    // The compiler's lines with the padding between owner, ttl, class, type and data made one
    // space each; the data itself stays as printed.
    static QStringList normalisedRecordLines(const QByteArray &output)
    {
        static const QRegularExpression fields(
            QStringLiteral("^(\\S+)\\s+(\\S+)\\s+(\\S+)\\s+(\\S+)\\s(\\s*)(.*)$"));
        QStringList lines;
        const auto texts = QString::fromUtf8(output).split(QLatin1Char('\n'), Qt::SkipEmptyParts);
        for (const QString &text : texts) {
            if (text.startsWith(QLatin1Char(';')))
                continue;
            const QRegularExpressionMatch match = fields.match(text);
            if (!match.hasMatch()) {
                lines.append(QStringLiteral("(unexpected compiler line) ") + text);
                continue;
            }
            lines.append(QStringList{match.captured(1), match.captured(2), match.captured(3),
                                     match.captured(4), match.captured(6)}
                             .join(QLatin1Char(' ')));
        }
        return lines;
    }

private slots:
    void initTestCase()
    {
        m_zones = TestSupport::corpusDirectory() + QStringLiteral("/checkzone");
        if (!QDir(m_zones).exists()) {
            if (TestSupport::isCI())
                QFAIL(qPrintable(QStringLiteral("no corpus at ") + m_zones));
            QSKIP("BIND's test corpus is not there");
        }
        QVERIFY(m_workingDirectory.isValid());
        QVERIFY(QFile::link(m_zones, m_workingDirectory.filePath(QStringLiteral("zones"))));
    }

    void readZoneRecords_writesBackWhatTheCompilerPrints_data()
    {
        QTest::addColumn<QString>("file");
        const auto files = QDir(m_zones).entryList(QDir::Files, QDir::Name);
        for (const QString &file : files)
            QTest::newRow(qPrintable(file)) << file;
    }

    void readZoneRecords_writesBackWhatTheCompilerPrints()
    {
        QFETCH(QString, file);
        const QString origin = originOf(file);
        const QString path = QDir(m_zones).filePath(file);

        // named-compilezone refuses bad host names where named-checkzone only warns, as named
        // itself does for a master zone; most broken files fail both.
        QProcess compile;
        if (!succeeds(compile, QStringLiteral("/usr/bin/named-compilezone"),
                      {QStringLiteral("-s"), QStringLiteral("full"), QStringLiteral("-o"),
                       QStringLiteral("-"), origin, path}))
            QSKIP("named-compilezone refuses this zone");
        QProcess check;
        if (!succeeds(check, QStringLiteral("/usr/bin/named-checkzone"),
                      {QStringLiteral("-i"), QStringLiteral("full"), origin, path}))
            QSKIP("named-checkzone refuses this zone");
        const QStringList expected = normalisedRecordLines(compile.readAllStandardOutput());
        QVERIFY(!expected.isEmpty());

        PZone zone(new Zone);
        zone->setName(origin);
        zone->setFile(path);
        zone->setDirectory(m_workingDirectory.path());
        try {
            readZoneRecords(zone);
        } catch (const ErrorStackException &exception) {
            QFAIL(qPrintable(exception.text()));
        }

        QStringList lines;
        const auto records = zone->records();
        for (const PRecord &record : records)
            lines.append(record->toString());
        QCOMPARE(lines, expected);
    }
};

TAMZOR_TEST_MAIN(TestZoneCorpus)
#include "tst_zonecorpus.moc"
