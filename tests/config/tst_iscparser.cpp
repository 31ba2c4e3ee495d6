#include "config/iscparser.h"
#include "config/isctype.h"
#include "tests/support/testmain.h"

#include <QDir>
#include <QTemporaryDir>

namespace {

// What a wrapper holds, in words a reader of the lists below can check at a glance.
QString describe(const PISCType &value)
{
    if (!value)
        return QStringLiteral("none");
    if (auto string = dynamic_cast<const ISCString *>(value.get()))
        return QStringLiteral("string ") + string->value();
    return dynamic_cast<const ISCVoid *>(value.get()) ? QStringLiteral("void")
                                                      : QStringLiteral("other");
}

using TestSupport::failureOf;

PISCType get(const PISCType &map, const char *key)
{
    return iscCast<ISCMap>(map).get(QString::fromUtf8(key));
}

} // namespace

class TestISCParser : public QObject
{
    Q_OBJECT

private:
    QTemporaryDir m_directory;

    QString write(const QString &name, const QByteArray &text)
    {
        Sandbox::writeFile(m_directory.filePath(name), text);
        return m_directory.filePath(name);
    }

    PISCType parse(const QByteArray &text)
    {
        return ISCParser().parse(write(QStringLiteral("named.conf"), text));
    }

private slots:
    void parse_unusableFile_throwsParsingFailed_data()
    {
        QTest::addColumn<QString>("setup");
        QTest::addColumn<QString>("message");
        const QString failed = QStringLiteral("named.conf parsing failed: ");

        QTest::newRow("missing file") << "missing" << failed + "file not found";
        QTest::newRow("directory in its place") << "directory" << failed + "not a file";
        QTest::newRow("include of a missing file") << "include" << failed + "file not found";
    }

    void parse_unusableFile_throwsParsingFailed()
    {
        QFETCH(QString, setup);
        QFETCH(QString, message);
        const QString name = setup + QStringLiteral(".conf");
        const QString path = m_directory.filePath(name);
        if (setup == QLatin1String("directory"))
            QVERIFY(QDir().mkpath(path));
        else if (setup == QLatin1String("include"))
            write(name, "include \"" + m_directory.filePath("gone.conf").toUtf8() + "\";\n");

        QCOMPARE(failureOf([&] { ISCParser().parse(path); }), message);
    }

    // The values the zone reader looks up, as it meets them: a UTF-8 string, an option that is
    // none or has no wrapper, a zone without and with a class word, and wrappers of another kind.
    void lookups_valueDefaultOrMessage()
    {
        const PISCType root = parse("options { directory \"/srv/z\xc3\xb6nes\"; version none; "
                                    "max-cache-ttl 100; };\n"
                                    "zone \"e\" { type master; file \"db\"; };\n"
                                    "zone \"f\" IN { type master; file \"db\"; };\n");
        const PISCType optionsMap = get(root, "options");
        const ISCMap &options = iscCast<ISCMap>(optionsMap);
        const std::vector<PISCType> statements = iscCast<ISCList>(get(root, "zone")).items();
        const ISCTuple &bare = iscCast<ISCTuple>(statements.front());
        PISCType fallback = ISCType::create(nullptr);
        PISCType other = parse("options { directory \"x\"; };\n");

        QVERIFY(!bare.contains(QStringLiteral("class")) && !options.contains("version"));
        QCOMPARE(QStringList({describe(options.get("directory")), describe(options.get("version")),
                              describe(options.get("max-cache-ttl")),
                              describe(options.get("version", other)),
                              describe(bare.get(QStringLiteral("class"))),
                              failureOf([&] { iscCast<ISCString>(bare.get("class")); }),
                              describe(bare.get(QStringLiteral("no-such-field"))),
                              describe(iscCast<ISCTuple>(statements.back()).get("class", fallback)),
                              failureOf([&] { iscCast<ISCTuple>(root); }),
                              failureOf([&] { iscCast<ISCMap>(PISCType()); })}),
                 QStringList({QString::fromUtf8("string /srv/z\xc3\xb6nes"), "void", "none",
                              "other", "void", "Expected string", "none", "string IN",
                              "Expected tuple", "Expected map"}));
        QVERIFY(!other);
    }

    // The wrappers keep the library's tree alive: nothing dangles once the parser and the root
    // are gone, and a second parse does not disturb the first tree.
    void parse_partOfTreeOutlivesParserAndRoot_stillReadable()
    {
        PISCType zones;
        {
            ISCParser parser;
            zones = get(parser.parse(write(QStringLiteral("first.conf"),
                                           "zone \"first\" { type master; file \"a\"; };\n")),
                        "zone");
        }
        parse("zone \"other\" { type master; file \"o\"; };\n");

        const std::vector<PISCType> items = iscCast<ISCList>(zones).items();
        QCOMPARE(describe(iscCast<ISCTuple>(items.front()).get(QStringLiteral("name"))),
                 QStringLiteral("string first"));
    }
};

TAMZOR_TEST_MAIN(TestISCParser)
#include "tst_iscparser.moc"
