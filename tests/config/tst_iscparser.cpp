#include "config/iscparser.h"
#include "config/isctype.h"
#include "tests/support/testmain.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

class TestISCParser : public QObject
{
    Q_OBJECT

private:
    QTemporaryDir m_directory;

    QString write(const QString &name, const QByteArray &text)
    {
        const QString path = m_directory.filePath(name);
        QDir().mkpath(QFileInfo(path).path());
        QFile file(path);
        if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) ||
            file.write(text) != text.size())
            qFatal("cannot write %s", qPrintable(path));
        return path;
    }

    static QString zoneName(const PISCType &zone)
    {
        return iscCast<ISCString>(iscCast<ISCTuple>(zone).get(QStringLiteral("name"))).value();
    }

private slots:
    void parse_unusableFile_throwsParsingFailed_data()
    {
        QTest::addColumn<QString>("setup");
        QTest::addColumn<QString>("message");

        QTest::newRow("missing file") << "missing"
                                      << "named.conf parsing failed: file not found";
        QTest::newRow("dangling symlink") << "dangling"
                                          << "named.conf parsing failed: file not found";
        QTest::newRow("directory in the file's place") << "directory"
                                                       << "named.conf parsing failed: not a file";
        QTest::newRow("syntax error") << "syntax"
                                      << "named.conf parsing failed: failure";
        QTest::newRow("include of a missing file") << "include"
                                                   << "named.conf parsing failed: file not found";
    }

    void parse_unusableFile_throwsParsingFailed()
    {
        QFETCH(QString, setup);
        QFETCH(QString, message);

        const QString path = m_directory.filePath(setup + QStringLiteral(".conf"));
        if (setup == QLatin1String("dangling"))
            QVERIFY(QFile::link(m_directory.filePath(QStringLiteral("nowhere")), path));
        else if (setup == QLatin1String("directory"))
            QVERIFY(QDir().mkpath(path));
        else if (setup == QLatin1String("syntax"))
            write(QFileInfo(path).fileName(), "zone \"a\" { type master file \"a\"; };\n");
        else if (setup == QLatin1String("include"))
            write(QFileInfo(path).fileName(),
                  "include \"" + m_directory.filePath(QStringLiteral("gone.conf")).toUtf8() +
                      "\";\n");

        QStringList messages;
        try {
            ISCParser().parse(path);
        } catch (const ErrorStackException &e) {
            messages = e.messages();
        }
        QCOMPARE(messages, QStringList(message));
    }

    void parse_nonAsciiPath_readAndNamed()
    {
        const QString path = write(QString::fromUtf8("r\xc3\xa9pertoire/named.conf"),
                                   "zone \"a\" { type master; file \"a\"; };\n");
        const PISCType root = ISCParser().parse(path);
        const PISCType zones = iscCast<ISCMap>(root).get(QStringLiteral("zone"));
        QCOMPARE(iscCast<ISCList>(zones).items().front()->file(), path);
    }

    // The wrappers keep the library's tree alive: nothing dangles once the parser and the root
    // are gone, and a second parse does not disturb the first tree.
    void parse_partOfTreeOutlivesParserAndRoot_stillReadable()
    {
        PISCType firstZones;
        {
            ISCParser parser;
            const PISCType root = parser.parse(write(
                QStringLiteral("first.conf"), "zone \"first\" { type master; file \"a\"; };\n"
                                              "zone \"second\" { type slave; file \"b\"; };\n"));
            firstZones = iscCast<ISCMap>(root).get(QStringLiteral("zone"));
        }
        const PISCType other = ISCParser().parse(
            write(QStringLiteral("other.conf"), "zone \"other\" { type master; file \"o\"; };\n"));

        QStringList names;
        for (const PISCType &zone : iscCast<ISCList>(firstZones).items())
            names << zoneName(zone);
        QCOMPARE(names, QStringList({QStringLiteral("first"), QStringLiteral("second")}));
    }

    void parse_repeatedly_eachTreeBuiltAndReleased()
    {
        const QString path =
            write(QStringLiteral("repeat.conf"), "options { directory \"/tmp\"; };\n"
                                                 "zone \"a\" { type master; file \"a\"; };\n");
        for (int i = 0; i < 200; ++i) {
            const PISCType root = ISCParser().parse(path);
            QVERIFY(iscCast<ISCMap>(root).contains(QStringLiteral("zone")));
        }
    }
};

TAMZOR_TEST_MAIN(TestISCParser)
#include "tst_iscparser.moc"
