#include "config/iscparser.h"
#include "config/isctype.h"
#include "tests/support/testmain.h"

#include <QDir>
#include <QFile>
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

} // namespace

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

    PISCType parse(const QByteArray &text)
    {
        return ISCParser().parse(write(QStringLiteral("named.conf"), text));
    }

    static PISCType get(const PISCType &map, const char *key)
    {
        return iscCast<ISCMap>(map).get(QString::fromUtf8(key));
    }

    static PISCType firstZone(const PISCType &root)
    {
        return std::move(iscCast<ISCList>(get(root, "zone")).items().front());
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
        QTest::newRow("directory in its place") << "directory"
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

        QTest::newRow("port is a 32-bit unsigned") << QByteArray("port 5353") << "uint32 5353";
        QTest::newRow("size is a 64-bit unsigned")
            << QByteArray("max-journal-size 4000000000000") << "uint64 4000000000000";
        QTest::newRow("no is a boolean") << QByteArray("recursion no") << "bool no";
        QTest::newRow("string is decoded as UTF-8")
            << QByteArray("directory \"/srv/z\xc3\xb6nes\"")
            << QString::fromUtf8("string /srv/z\xc3\xb6nes");
        QTest::newRow("IPv4 source")
            << QByteArray("notify-source 192.0.2.7") << "sockaddr 192.0.2.7";
        QTest::newRow("IPv6 source")
            << QByteArray("notify-source-v6 2001:db8::7") << "sockaddr 2001:db8::7";
        QTest::newRow("none of an optional string is void") << QByteArray("version none") << "void";
        QTest::newRow("duration has no wrapper") << QByteArray("max-cache-ttl 100") << "none";
    }

    void optionValue_wrappedByKind()
    {
        QFETCH(QByteArray, clause);
        QFETCH(QString, expected);

        const PISCType options = get(parse("options { " + clause + "; };\n"), "options");
        QCOMPARE(describe(get(options, clause.split(' ').front().constData())), expected);
    }

    void addressMatchList_itemsInWrittenOrder()
    {
        const PISCType root =
            parse("options { allow-query { 10.0.0.0/8; 2001:db8::/32; any; }; };\n");

        QStringList items;
        for (const PISCType &item :
             iscCast<ISCList>(get(get(root, "options"), "allow-query")).items())
            items << describe(item);
        QCOMPARE(items, QStringList({"netprefix 10.0.0.0", "netprefix 2001:db8::", "string any"}));
    }

    void zoneClass_absentIsVoid_presentIsString()
    {
        const PISCType bare = firstZone(parse("zone \"e\" { type master; file \"db\"; };\n"));
        const ISCTuple &statement = iscCast<ISCTuple>(bare);
        QVERIFY(!statement.contains(QStringLiteral("class")));
        const PISCType absent = statement.get(QStringLiteral("class"));
        QCOMPARE(describe(absent), QStringLiteral("void"));
        QCOMPARE(thrownBy([&] { iscCast<ISCString>(absent); }), QStringLiteral("Expected string"));
        // A field the zone grammar does not have is absent rather than fatal.
        QVERIFY(!statement.get(QStringLiteral("no-such-field")));

        const PISCType classed = firstZone(parse("zone \"e\" IN { type master; file \"db\"; };\n"));
        PISCType fallback = ISCType::create(nullptr);
        QCOMPARE(describe(iscCast<ISCTuple>(classed).get(QStringLiteral("class"), fallback)),
                 QStringLiteral("string IN"));
    }

    void mapKeyWithVoidValue_absent_defaultTakenOver()
    {
        const PISCType options = get(parse("options { version none; port 53; };\n"), "options");
        const ISCMap &map = iscCast<ISCMap>(options);

        PISCType fallback = map.get(QStringLiteral("port"));
        const ISCType *fallbackWrapper = fallback.get();
        QVERIFY(!map.contains(QStringLiteral("version")));
        QCOMPARE(map.get(QStringLiteral("version"), fallback).get(), fallbackWrapper);
        QVERIFY(!fallback);
    }

    void iscCast_checksExactKind()
    {
        const PISCType root = parse("zone \"example\" { type master; file \"db\"; };\n");
        const PISCType list = get(root, "zone");
        const PISCType tuple = firstZone(root);

        QCOMPARE(thrownBy([&] { iscCast<ISCMap>(list); }), QStringLiteral("Expected map"));
        QCOMPARE(thrownBy([&] { iscCast<ISCList>(list); }), QString());
        QCOMPARE(thrownBy([&] { iscCast<ISCList>(root); }), QStringLiteral("Expected list"));
        QCOMPARE(thrownBy([&] { iscCast<ISCTuple>(root); }), QStringLiteral("Expected tuple"));
        QCOMPARE(thrownBy([&] { iscCast<ISCString>(tuple); }), QStringLiteral("Expected string"));
        QCOMPARE(thrownBy([&] { iscCast<ISCMap>(PISCType()); }), QStringLiteral("Expected map"));
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
        const PISCType root = ISCParser().parse(main);

        QStringList seen;
        for (const PISCType &zone : iscCast<ISCList>(get(root, "zone")).items()) {
            const ISCTuple &statement = iscCast<ISCTuple>(zone);
            seen << QStringLiteral("%1 %2:%3")
                        .arg(iscCast<ISCString>(statement.get(QStringLiteral("name"))).value(),
                             statement.file())
                        .arg(statement.line());
        }
        QCOMPARE(seen, QStringList({"a " + main + ":1", "b " + included + ":1",
                                    "c " + included + ":2", "d " + main + ":4"}));
    }

    // The wrappers keep the library's tree alive: nothing dangles once the parser and the root
    // are gone, and a second parse does not disturb the first tree.
    void parse_partOfTreeOutlivesParserAndRoot_stillReadable()
    {
        PISCType firstZones;
        {
            ISCParser parser;
            firstZones = get(parser.parse(write(QStringLiteral("first.conf"),
                                                "zone \"first\" { type master; file \"a\"; };\n"
                                                "zone \"second\" { type slave; file \"b\"; };\n")),
                             "zone");
        }
        const PISCType other = parse("zone \"other\" { type master; file \"o\"; };\n");

        QStringList names;
        for (const PISCType &zone : iscCast<ISCList>(firstZones).items())
            names
                << iscCast<ISCString>(iscCast<ISCTuple>(zone).get(QStringLiteral("name"))).value();
        QCOMPARE(names, QStringList({"first", "second"}));
    }
};

TAMZOR_TEST_MAIN(TestISCParser)
#include "tst_iscparser.moc"
