#include "config/iscparser.h"
#include "config/isctype.h"
#include "tests/support/testmain.h"

#include <QFile>
#include <QMap>
#include <QTemporaryDir>

namespace {

// What a wrapper holds, in words a reader of the table below can check at a glance.
QString describe(const PISCType &value)
{
    if (!value)
        return QStringLiteral("none");
    const ISCType *object = value.get();
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
    if (dynamic_cast<const ISCVoid *>(object))
        return QStringLiteral("void");
    if (dynamic_cast<const ISCMap *>(object))
        return QStringLiteral("map");
    if (dynamic_cast<const ISCTuple *>(object))
        return QStringLiteral("tuple");
    if (dynamic_cast<const ISCList *>(object))
        return QStringLiteral("list");
    return QStringLiteral("unknown");
}

enum class Cast { ToMap, ToList, ToTuple, ToString };

void castTo(Cast cast, const PISCType &value)
{
    switch (cast) {
    case Cast::ToMap:
        iscCast<ISCMap>(value);
        break;
    case Cast::ToList:
        iscCast<ISCList>(value);
        break;
    case Cast::ToTuple:
        iscCast<ISCTuple>(value);
        break;
    case Cast::ToString:
        iscCast<ISCString>(value);
        break;
    }
}

} // namespace

Q_DECLARE_METATYPE(Cast)

class TestISCType : public QObject
{
    Q_OBJECT

private:
    QTemporaryDir m_directory;

    QString write(const QString &name, const QByteArray &text)
    {
        const QString path = m_directory.filePath(name);
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

    // The value of a clause inside `options { ... }`.
    PISCType option(const PISCType &root, const QString &key)
    {
        const PISCType options = iscCast<ISCMap>(root).get(QStringLiteral("options"));
        return iscCast<ISCMap>(options).get(key);
    }

    PISCType firstZone(const PISCType &root)
    {
        const PISCType zones = iscCast<ISCMap>(root).get(QStringLiteral("zone"));
        return std::move(iscCast<ISCList>(zones).items().front());
    }

private slots:
    void optionValue_wrappedByKind_data()
    {
        QTest::addColumn<QByteArray>("clause");
        QTest::addColumn<QString>("key");
        QTest::addColumn<QString>("expected");

        QTest::newRow("port number is a 32-bit unsigned") << QByteArray("port 5353;") << "port"
                                                          << "uint32 5353";
        QTest::newRow("size is a 64-bit unsigned")
            << QByteArray("max-journal-size 4000000000000;") << "max-journal-size"
            << "uint64 4000000000000";
        QTest::newRow("yes is a boolean") << QByteArray("recursion yes;") << "recursion"
                                          << "bool yes";
        QTest::newRow("no is a boolean") << QByteArray("recursion no;") << "recursion"
                                         << "bool no";
        QTest::newRow("quoted text is a string")
            << QByteArray("directory \"/var/cache/bind\";") << "directory"
            << "string /var/cache/bind";
        QTest::newRow("string text is decoded as UTF-8")
            << QByteArray("directory \"/srv/z\xc3\xb6nes\";") << "directory"
            << QString::fromUtf8("string /srv/z\xc3\xb6nes");
        QTest::newRow("IPv4 source is a socket address")
            << QByteArray("notify-source 192.0.2.7;") << "notify-source"
            << "sockaddr 192.0.2.7";
        QTest::newRow("IPv6 source is a socket address")
            << QByteArray("notify-source-v6 2001:db8::7;") << "notify-source-v6"
            << "sockaddr 2001:db8::7";
        QTest::newRow("none of an optional string is void")
            << QByteArray("version none;") << "version"
            << "void";
        QTest::newRow("duration has no wrapper")
            << QByteArray("max-cache-ttl 100;") << "max-cache-ttl"
            << "none";
    }

    void optionValue_wrappedByKind()
    {
        QFETCH(QByteArray, clause);
        QFETCH(QString, key);
        QFETCH(QString, expected);

        const PISCType root = parse("options { " + clause + " };\n");
        QCOMPARE(describe(option(root, key)), expected);
    }

    void addressMatchList_itemsInWrittenOrder()
    {
        const PISCType root =
            parse("options { allow-query { 10.0.0.0/8; 2001:db8::/32; any; }; };\n");
        const PISCType list = option(root, QStringLiteral("allow-query"));

        QStringList items;
        for (const PISCType &item : iscCast<ISCList>(list).items())
            items << describe(item);
        QCOMPARE(items, QStringList({QStringLiteral("netprefix 10.0.0.0"),
                                     QStringLiteral("netprefix 2001:db8::"),
                                     QStringLiteral("string any")}));
    }

    void zoneWithoutClass_classAbsentVoid_castThrowsExpectedString()
    {
        const PISCType root = parse("zone \"example\" { type master; file \"db\"; };\n");
        const PISCType zone = firstZone(root);
        const ISCTuple &statement = iscCast<ISCTuple>(zone);

        QVERIFY(!statement.contains(QStringLiteral("class")));
        const PISCType zoneClass = statement.get(QStringLiteral("class"));
        QCOMPARE(describe(zoneClass), QStringLiteral("void"));
        try {
            iscCast<ISCString>(zoneClass);
            QFAIL("a void class was taken for a string");
        } catch (const ErrorStackException &e) {
            QCOMPARE(e.messages(), QStringList(QStringLiteral("Expected string")));
        }
    }

    void tupleGet_fieldWithDefault()
    {
        const PISCType root = parse("zone \"example\" IN { type master; file \"db\"; };\n");
        const PISCType zone = firstZone(root);
        const ISCTuple &statement = iscCast<ISCTuple>(zone);

        QVERIFY(statement.contains(QStringLiteral("class")));
        PISCType fallback = ISCType::create(nullptr);
        QCOMPARE(describe(statement.get(QStringLiteral("class"), fallback)),
                 QStringLiteral("string IN"));
        // A field the zone grammar does not have is absent rather than fatal.
        QVERIFY(!statement.contains(QStringLiteral("no-such-field")));
        QVERIFY(!statement.get(QStringLiteral("no-such-field")));
    }

    void mapKeyWithVoidValue_absent_defaultReturned()
    {
        const PISCType root = parse("options { version none; port 53; };\n");
        const PISCType options = iscCast<ISCMap>(root).get(QStringLiteral("options"));
        const ISCMap &map = iscCast<ISCMap>(options);

        PISCType fallback = map.get(QStringLiteral("port"));
        const ISCType *fallbackWrapper = fallback.get();
        QVERIFY(!map.contains(QStringLiteral("version")));
        const PISCType version = map.get(QStringLiteral("version"), fallback);
        QCOMPARE(version.get(), fallbackWrapper);
        QVERIFY(!fallback);
    }

    void mapGet_presentKey_valueReturnedDefaultKept()
    {
        const PISCType root = parse("options { directory \"/x\"; port 53; };\n");
        const PISCType options = iscCast<ISCMap>(root).get(QStringLiteral("options"));
        const ISCMap &map = iscCast<ISCMap>(options);

        PISCType fallback = map.get(QStringLiteral("port"));
        QCOMPARE(describe(map.get(QStringLiteral("directory"), fallback)),
                 QStringLiteral("string /x"));
        QCOMPARE(describe(fallback), QStringLiteral("uint32 53"));
    }

    void mapGet_absentKey_emptyHandle()
    {
        const PISCType root = parse("options { directory \"/x\"; };\n");
        const ISCMap &map = iscCast<ISCMap>(root);
        QVERIFY(!map.contains(QStringLiteral("zone")));
        QVERIFY(!map.get(QStringLiteral("zone")));
    }

    void iscCast_checksExactKind_data()
    {
        QTest::addColumn<QString>("what");
        QTest::addColumn<Cast>("cast");
        QTest::addColumn<QString>("message");

        QTest::newRow("list as map throws") << "list" << Cast::ToMap << "Expected map";
        QTest::newRow("list as list succeeds") << "list" << Cast::ToList << "";
        QTest::newRow("map as list throws") << "map" << Cast::ToList << "Expected list";
        QTest::newRow("map as tuple throws") << "map" << Cast::ToTuple << "Expected tuple";
        QTest::newRow("tuple as string throws") << "tuple" << Cast::ToString << "Expected string";
        QTest::newRow("empty handle as map throws") << "empty" << Cast::ToMap << "Expected map";
    }

    void iscCast_checksExactKind()
    {
        QFETCH(QString, what);
        QFETCH(Cast, cast);
        QFETCH(QString, message);

        const PISCType root = parse("zone \"example\" { type master; file \"db\"; };\n");
        const PISCType list = iscCast<ISCMap>(root).get(QStringLiteral("zone"));
        const PISCType tuple = firstZone(root);
        const PISCType empty;
        const QMap<QString, const PISCType *> values = {{QStringLiteral("map"), &root},
                                                        {QStringLiteral("list"), &list},
                                                        {QStringLiteral("tuple"), &tuple},
                                                        {QStringLiteral("empty"), &empty}};
        QString thrown;
        try {
            castTo(cast, *values.value(what));
        } catch (const ErrorStackException &e) {
            thrown = e.text();
        }
        QCOMPARE(thrown, message);
    }

    void zoneList_includedStatementsInReadingOrder()
    {
        const QString included =
            write(QStringLiteral("included.conf"), "zone \"b\" { type master; file \"b\"; };\n"
                                                   "zone \"c\" { type master; file \"c\"; };\n");
        const QString main =
            write(QStringLiteral("named.conf"), "zone \"a\" { type master; file \"a\"; };\n"
                                                "include \"" +
                                                    included.toUtf8() +
                                                    "\";\n"
                                                    "\n"
                                                    "zone \"d\" { type master; file \"d\"; };\n");
        const PISCType root = ISCParser().parse(main);
        const PISCType zones = iscCast<ISCMap>(root).get(QStringLiteral("zone"));

        QStringList seen;
        for (const PISCType &zone : iscCast<ISCList>(zones).items()) {
            const ISCTuple &statement = iscCast<ISCTuple>(zone);
            seen << QStringLiteral("%1 %2:%3")
                        .arg(iscCast<ISCString>(statement.get(QStringLiteral("name"))).value(),
                             statement.file())
                        .arg(statement.line());
        }
        QCOMPARE(seen, QStringList({QStringLiteral("a ") + main + QStringLiteral(":1"),
                                    QStringLiteral("b ") + included + QStringLiteral(":1"),
                                    QStringLiteral("c ") + included + QStringLiteral(":2"),
                                    QStringLiteral("d ") + main + QStringLiteral(":4")}));
    }
};

TAMZOR_TEST_MAIN(TestISCType)
#include "tst_isctype.moc"
