#include "config/iscparser.h"
#include "config/isctype.h"
#include "tests/support/testmain.h"

#include <QDir>
#include <QTemporaryDir>

namespace {

// What a wrapper holds, in words a reader of the tables below can check at a glance.
QString describe(const PISCType &value)
{
    const ISCType *object = value.get();
    if (!object)
        return QStringLiteral("none");
    if (auto v = dynamic_cast<const ISCUInt32 *>(object))
        return QStringLiteral("uint32 %1").arg(v->value());
    if (auto v = dynamic_cast<const ISCUInt64 *>(object))
        return QStringLiteral("uint64 %1").arg(v->value());
    if (auto v = dynamic_cast<const ISCString *>(object))
        return QStringLiteral("string ") + v->value();
    if (auto v = dynamic_cast<const ISCBool *>(object))
        return v->value() ? QStringLiteral("bool yes") : QStringLiteral("bool no");
    if (auto v = dynamic_cast<const ISCSockAddr *>(object))
        return QStringLiteral("sockaddr ") + v->value().toString();
    if (auto v = dynamic_cast<const ISCNetPrefix *>(object))
        return QStringLiteral("netprefix ") + v->value().toString();
    if (auto v = dynamic_cast<const ISCList *>(object)) {
        QStringList items;
        for (const PISCType &item : v->items())
            items << describe(item);
        return "list " + items.join(", ");
    }
    return dynamic_cast<const ISCVoid *>(object) ? QStringLiteral("void") : QStringLiteral("other");
}

// The text of the exception a call throws, empty when it throws none.
template <class Call> QString thrownBy(Call call)
{
    try {
        call();
    } catch (const ErrorStackException &e) {
        return e.messages().join(QLatin1Char('\n'));
    }
    return QString();
}

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

    // "name file:line" of each zone statement.
    static QStringList zonesOf(const PISCType &zones)
    {
        QStringList seen;
        for (const PISCType &zone : iscCast<ISCList>(zones).items()) {
            const ISCTuple &statement = iscCast<ISCTuple>(zone);
            seen << QStringLiteral("%1 %2:%3")
                        .arg(iscCast<ISCString>(statement.get(QStringLiteral("name"))).value(),
                             statement.file())
                        .arg(statement.line());
        }
        return seen;
    }

private slots:
    void parse_unusableFile_throwsParsingFailed_data()
    {
        QTest::addColumn<QString>("setup");
        QTest::addColumn<QString>("message");
        const QString failed = QStringLiteral("named.conf parsing failed: ");

        QTest::newRow("missing file") << "missing" << failed + "file not found";
        QTest::newRow("dangling symlink") << "dangling" << failed + "file not found";
        QTest::newRow("directory in its place") << "directory" << failed + "not a file";
        QTest::newRow("syntax error") << "syntax" << failed + "failure";
        QTest::newRow("include of a missing file") << "include" << failed + "file not found";
    }

    void parse_unusableFile_throwsParsingFailed()
    {
        QFETCH(QString, setup);
        QFETCH(QString, message);
        const QString name = setup + QStringLiteral(".conf");
        const QString path = m_directory.filePath(name);
        if (setup == QLatin1String("dangling"))
            QVERIFY(QFile::link(m_directory.filePath(QStringLiteral("nowhere")), path));
        else if (setup == QLatin1String("directory"))
            QVERIFY(QDir().mkpath(path));
        else if (setup == QLatin1String("syntax"))
            write(name, "zone \"a\" { type master file \"a\"; };\n");
        else if (setup == QLatin1String("include"))
            write(name, "include \"" + m_directory.filePath("gone.conf").toUtf8() + "\";\n");

        QCOMPARE(thrownBy([&] { ISCParser().parse(path); }), message);
    }

    void optionValue_wrappedByKind_data()
    {
        QTest::addColumn<QByteArray>("clause");
        QTest::addColumn<QString>("expected");

        QTest::newRow("port") << QByteArray("port 5353") << "uint32 5353";
        QTest::newRow("size") << QByteArray("max-journal-size 4000000000000")
                              << "uint64 4000000000000";
        QTest::newRow("boolean") << QByteArray("recursion no") << "bool no";
        QTest::newRow("UTF-8 string") << QByteArray("directory \"/srv/z\xc3\xb6nes\"")
                                      << QString::fromUtf8("string /srv/z\xc3\xb6nes");
        QTest::newRow("IPv4 source")
            << QByteArray("notify-source 192.0.2.7") << "sockaddr 192.0.2.7";
        QTest::newRow("IPv6 source")
            << QByteArray("notify-source-v6 2001:db8::7") << "sockaddr 2001:db8::7";
        QTest::newRow("none of an optional string") << QByteArray("version none") << "void";
        QTest::newRow("duration has no wrapper") << QByteArray("max-cache-ttl 100") << "none";
        QTest::newRow("address match list in written order")
            << QByteArray("allow-query { 10.0.0.0/8; 2001:db8::/32; any; }")
            << "list netprefix 10.0.0.0, netprefix 2001:db8::, string any";
    }

    void optionValue_wrappedByKind()
    {
        QFETCH(QByteArray, clause);
        QFETCH(QString, expected);
        const PISCType options = get(parse("options { " + clause + "; };\n"), "options");
        QCOMPARE(describe(get(options, clause.split(' ').front().constData())), expected);
    }

    // A zone without a class word, a void option and a wrapper of another kind, as the zone
    // reader meets them.
    void absentValuesAndOtherKinds_defaultOrMessage()
    {
        const PISCType root = parse("options { version none; port 53; };\n"
                                    "zone \"e\" { type master; file \"db\"; };\n"
                                    "zone \"f\" IN { type master; file \"db\"; };\n");
        const PISCType optionsMap = get(root, "options");
        const ISCMap &options = iscCast<ISCMap>(optionsMap);
        const PISCType zones = get(root, "zone");
        const std::vector<PISCType> statements = iscCast<ISCList>(zones).items();
        const ISCTuple &bare = iscCast<ISCTuple>(statements.front());
        const ISCTuple &classed = iscCast<ISCTuple>(statements.back());
        PISCType fallback = ISCType::create(nullptr);
        PISCType port = options.get(QStringLiteral("port"));

        QVERIFY(!bare.contains(QStringLiteral("class")) && !options.contains("version"));
        QCOMPARE(QStringList({describe(bare.get(QStringLiteral("class"))),
                              thrownBy([&] { iscCast<ISCString>(bare.get("class")); }),
                              describe(bare.get(QStringLiteral("no-such-field"))),
                              describe(classed.get(QStringLiteral("class"), fallback)),
                              describe(options.get(QStringLiteral("version"), port)),
                              thrownBy([&] { iscCast<ISCMap>(zones); }),
                              thrownBy([&] { iscCast<ISCList>(root); }),
                              thrownBy([&] { iscCast<ISCTuple>(root); }),
                              thrownBy([&] { iscCast<ISCMap>(PISCType()); })}),
                 QStringList({"void", "Expected string", "none", "string IN", "uint32 53",
                              "Expected map", "Expected list", "Expected tuple", "Expected map"}));
    }

    void zoneList_includedStatementsInReadingOrder_nonAsciiPath()
    {
        const QString included = write(QString::fromUtf8("r\xc3\xa9pertoire/included.conf"),
                                       "zone \"b\" { type master; file \"b\"; };\n"
                                       "zone \"c\" { type master; file \"c\"; };\n");
        const QString main =
            write(QStringLiteral("named.conf"),
                  "zone \"a\" { type master; file \"a\"; };\ninclude \"" + included.toUtf8() +
                      "\";\n\nzone \"d\" { type master; file \"d\"; };\n");

        QCOMPARE(zonesOf(get(ISCParser().parse(main), "zone")),
                 QStringList({"a " + main + ":1", "b " + included + ":1", "c " + included + ":2",
                              "d " + main + ":4"}));
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

        QCOMPARE(zonesOf(zones),
                 QStringList({"first " + m_directory.filePath("first.conf") + ":1"}));
    }
};

TAMZOR_TEST_MAIN(TestISCParser)
#include "tst_iscparser.moc"
