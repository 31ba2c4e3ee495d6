#include "tests/support/testmain.h"

#include <QDir>
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

private slots:
    void initTestCase()
    {
        m_zones = TestSupport::corpusDirectory() + QStringLiteral("/checkzone");
        if (!QDir(m_zones).exists()) {
            if (TestSupport::isCI())
                QFAIL(qPrintable("no corpus at " + m_zones));
            QSKIP("BIND's test corpus is not there");
        }
        QVERIFY(QFile::link(m_zones, m_workingDirectory.filePath(QStringLiteral("zones"))));
    }

    void readZoneRecords_writesBackWhatTheCompilerPrints_data()
    {
        QTest::addColumn<QString>("file");
        for (const QString &file : QDir(m_zones).entryList(QDir::Files, QDir::Name))
            QTest::newRow(qPrintable(file)) << file;
    }

    void readZoneRecords_writesBackWhatTheCompilerPrints()
    {
        QFETCH(QString, file);
        const QString origin = TestSupport::corpusZoneOrigin(file);
        const QString path = QDir(m_zones).filePath(file);
        // named-compilezone refuses bad host names where named-checkzone only warns, as named
        // itself does for a master zone; most broken files fail both.
        const QString directory = m_workingDirectory.path();
        const QByteArray compiled = TestSupport::outputOf(
            "/usr/bin/named-compilezone", {"-s", "full", "-o", "-", origin, path}, directory);
        if (compiled.isNull() || TestSupport::outputOf("/usr/bin/named-checkzone",
                                                       {"-i", "full", origin, path}, directory)
                                     .isNull())
            QSKIP("BIND refuses this zone");
        // The compiler pads between owner, ttl, class, type and data; the data stays as printed.
        static const QRegularExpression padding(
            QStringLiteral("^(\\S+)[ \t]+(\\S+)[ \t]+(\\S+)[ \t]+(\\S+)[ \t]+(.*)$"),
            QRegularExpression::MultilineOption);
        QStringList expected = QString::fromUtf8(compiled)
                                   .replace(padding, QStringLiteral("\\1 \\2 \\3 \\4 \\5"))
                                   .split('\n', Qt::SkipEmptyParts)
                                   .filter(QRegularExpression(QStringLiteral("^[^;]")));
        QVERIFY(!expected.isEmpty());

        QCOMPARE(TestSupport::recordsOnDisk(origin, path, directory), expected);
    }
};

TAMZOR_TEST_MAIN(TestZoneCorpus)
#include "tst_zonecorpus.moc"
