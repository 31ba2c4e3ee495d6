#include "common/validation.h"
#include "tests/dialogs/formdriver.h"
#include "tests/support/testmain.h"

using FormDriver::notQualified;

class TestValidation : public QObject
{
    Q_OBJECT

private slots:
    void validate_data()
    {
        QTest::addColumn<bool>("isService");
        QTest::addColumn<QString>("input");
        QTest::addColumn<QString>("message"); // empty: valid
        const auto row = [](const char *name, bool isService, const QString &input,
                            const QString &message) {
            QTest::newRow(name) << isService << input << message;
        };
        const bool domain = false;
        const bool service = true;
        const QString a63(63, 'a'), a64(64, 'a');
        const QString name254 = QStringList{a63, a63, a63, QString(61, 'b'), ""}.join('.');

        row("name: 254 characters, 63-character label", domain, name254, "");
        row("name: leading dot", domain, ".x.", "Domain name should not start with dot");
        row("name: empty", domain, "", "Domain name should not be empty");
        row("name: double dot", domain, "w..x.", "Domain name should not contain double dots");
        row("name: relative, placeholder not expanded", domain, "a%2b", notQualified("a%2b"));
        row("name: 255 characters", domain, "x" + name254, "Domain name exceeds the maximum size");
        row("name: 64-character label", domain, a64 + ".example.",
            "Domain label " + a64 + " exceeds the maximum size");
        row("name: first bad label is named", domain, "ok._a.-c.", "Domain label _a is invalid");
        row("name: non-ASCII", domain, "\xc3\xbc.example.", "Domain label \xc3\xbc is invalid");
        row("name: line feed in a label", domain, "w\n.x.", "Domain label w\n is invalid");
        row("name: line feed after the dot", domain, "w.x.\n", notQualified("w.x.\n"));
        row("service: empty", service, "", "should not be empty");
        row("service: no underscore", service, "tcp", "should start with underscore");
        row("service: double underscore", service, "__tcp", "should not contain double underscore");
        row("service: trailing hyphen", service, "_tcp-", "is invalid");
        row("service: trailing line feed", service, "_tcp\n", "is invalid");
    }

    void validate()
    {
        QFETCH(bool, isService);
        QFETCH(QString, input);
        QFETCH(QString, message);
        const ValidationResult result = isService ? validateServiceLabel(input)
                                                  : validateDomainName(input, QStringLiteral("."));
        QCOMPARE(result.message, message);
        QCOMPARE(result.valid, message.isEmpty());
    }

    void isValidAddress_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("ipv4");
        QTest::addColumn<bool>("ipv6");

        QTest::newRow("dotted quad, also taken as IPv6") << "192.0.2.1" << true << true;
        QTest::newRow("octet 256") << "256.1.1.1" << false << false;
        QTest::newRow("zone index") << "fe80::1%eth0" << false << true;
        QTest::newRow("two double colons") << "2001::db8::1" << false << false;
        QTest::newRow("IPv4 with trailing line feed") << "1.2.3.4\n" << false << false;
        QTest::newRow("IPv6 with trailing line feed") << "::1\n" << false << false;
    }

    void isValidAddress()
    {
        QFETCH(QString, text);
        QFETCH(bool, ipv4);
        QFETCH(bool, ipv6);
        QCOMPARE(isValidIPv4(text), ipv4);
        QCOMPARE(isValidIPv6(text), ipv6);
    }

    void reverseNames_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<bool>("isReverse");
        QTest::addColumn<QString>("address");

        QTest::newRow("IPv4 host") << "10.1.168.192.in-addr.arpa." << true << "192.168.1.10";
        QTest::newRow("without final dot") << "1.168.192.in-addr.arpa" << true << "192.168.1";
        QTest::newRow("IPv6 nibbles") << "b.a.9.8.ip6.arpa." << true << "8.9.a.b";
        QTest::newRow("suffix without a label") << "in-addr.arpa." << false << "";
    }

    void reverseNames()
    {
        QFETCH(QString, name);
        QFETCH(bool, isReverse);
        QFETCH(QString, address);
        QCOMPARE(isReverseName(name), isReverse);
        QCOMPARE(addressFromReverseName(name), address);
    }

    void reverseNameFromAddress_skipsEmptyParts()
    {
        QCOMPARE(reverseNameFromAddress("192..168.1."), QStringLiteral("1.168.192.in-addr.arpa."));
    }
};

TAMZOR_TEST_MAIN(TestValidation)
#include "tst_validation.moc"
