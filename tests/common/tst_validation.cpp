#include "common/validation.h"
#include "tests/support/testmain.h"

Q_DECLARE_METATYPE(NameRule)

class TestValidation : public QObject
{
    Q_OBJECT

private slots:
    void validate_data()
    {
        QTest::addColumn<NameRule>("rule");
        QTest::addColumn<QString>("input");
        QTest::addColumn<QString>("message"); // empty: valid
        const auto row = [](const char *name, NameRule rule, const QString &input,
                            const QString &message) {
            QTest::newRow(name) << rule << input << message;
        };
        const QString a63(63, 'a'), a64(64, 'a');
        const QString name254 = QStringList{a63, a63, a63, QString(61, 'b'), ""}.join('.');

        row("254 characters, 63-character label", NameRule::Host, name254, "");
        row("255 characters", NameRule::Host, "x" + name254,
            "Domain name exceeds the maximum size");
        row("64-character label", NameRule::Host, a64 + ".example.",
            "Domain label " + a64 + " exceeds the maximum size");
        row("without the final dot", NameRule::Host, "example.com", "");
        row("the root", NameRule::Host, ".", "");
        row("leading dot", NameRule::Host, ".x.", "Domain name should not start with dot");
        row("empty", NameRule::Any, "", "Domain name should not be empty");
        row("double dot", NameRule::Any, "w..x.", "Domain name should not contain double dots");
        row("wildcard owner of a text", NameRule::AnyOwner, "*._tcp.example.", "");
        row("wildcard as a target", NameRule::Host, "*.example.", "Domain label * is invalid");
        row("non-ASCII", NameRule::Any, "\xc3\xbc.example.", "Domain label \xc3\xbc is invalid");
        row("line feed in a label", NameRule::Any, "w\n.x.", "Domain label w\n is invalid");
        row("line feed after the dot", NameRule::Any, "w.x.\n", "Domain label \n is invalid");
    }

    void validate()
    {
        QFETCH(NameRule, rule);
        QFETCH(QString, input);
        QFETCH(QString, message);
        const ValidationResult result = validateDomainName(input, rule);
        QCOMPARE(result.message, message);
        QCOMPARE(result.valid, message.isEmpty());
    }

    // As BIND reads A and AAAA records.
    void isValidAddress_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("ipv4");
        QTest::addColumn<bool>("ipv6");

        QTest::newRow("octet 256") << "256.1.1.1" << false << false;
        QTest::newRow("three octets") << "192.0.2" << false << false;
        QTest::newRow("two double colons") << "2001::db8::1" << false << false;
        QTest::newRow("double colon for no group") << "1::2:3:4:5:6:7:8" << false << false;
        QTest::newRow("IPv4 with trailing line feed") << "1.2.3.4\n" << false << false;
        QTest::newRow("IPv6 with a blank") << "::1 " << false << false;
    }

    void isValidAddress()
    {
        QFETCH(QString, text);
        QFETCH(bool, ipv4);
        QFETCH(bool, ipv6);
        QCOMPARE(isValidIPv4(text), ipv4);
        QCOMPARE(isValidIPv6(text), ipv6);
    }

    // A name typed in the zone, the absolute name it stands for, and how that is shown there.
    void namesInZone_data()
    {
        QTest::addColumn<QString>("zone");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("absolute");
        QTest::addColumn<QString>("shown");
        QTest::addColumn<bool>("inside");
        const auto row = [](const char *name, const char *zone, const char *typed,
                            const char *absolute, const char *shown, bool inside) {
            QTest::newRow(name) << QString(zone) << QString(typed) << QString(absolute)
                                << QString(shown) << inside;
        };
        row("relative, blanks around", "shop.test", " www ", "www.shop.test.", "www", true);
        row("apex, zone with final dot", "shop.test.", "@", "shop.test.", "@", true);
        row("absolute inside, other case", "shop.test", "WWW.Shop.Test.", "WWW.Shop.Test.", "WWW",
            true);
        row("suffix without a dot before it", "shop.test", "myshop.test.", "myshop.test.",
            "myshop.test.", false);
        row("root zone", ".", "www.example", "www.example.", "www.example", true);
        row("empty", "shop.test", "", "", "", false);
    }

    void namesInZone()
    {
        QFETCH(QString, zone);
        QFETCH(QString, typed);
        QFETCH(QString, absolute);
        QFETCH(QString, shown);
        QFETCH(bool, inside);
        QCOMPARE(absoluteName(typed, zone), absolute);
        QCOMPARE(relativeName(absolute, zone), shown);
        QCOMPARE(isInside(absolute, zone), inside);
    }

    void reverseNames_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<bool>("isReverse");
        QTest::addColumn<QString>("address");

        QTest::newRow("IPv4 host") << "10.1.168.192.in-addr.arpa." << true << "192.168.1.10";
        QTest::newRow("IPv4 network") << "1.168.192.in-addr.arpa" << true << "";
        QTest::newRow("IPv6 host")
            << "1.0.0.0.0.0.0.0.0.0.0.0.0.0.0.0.0.0.0.0.0.0.0.0.8.B.D.0.1.0.0.2.ip6.arpa." << true
            << "2001:db8::1";
        QTest::newRow("IPv6 network") << "b.a.9.8.ip6.arpa." << true << "";
        QTest::newRow("suffix without a label") << "in-addr.arpa." << false << "";
    }

    void reverseNames()
    {
        QFETCH(QString, name);
        QFETCH(bool, isReverse);
        QFETCH(QString, address);
        QCOMPARE(isReverseName(name), isReverse);
        QCOMPARE(addressOfReverseName(name), address);
        if (!address.isEmpty())
            QCOMPARE(reverseNameFromAddress(address), name.toLower());
    }

    void reverseNameFromAddress_skipsEmptyParts()
    {
        QCOMPARE(reverseNameFromAddress("192..168.1."), QStringLiteral("1.168.192.in-addr.arpa."));
    }
};

TAMZOR_TEST_MAIN(TestValidation)
#include "tst_validation.moc"
