#include "common/validation.h"
#include "tests/support/testmain.h"

namespace {

QString notFullyQualified(const QString &name)
{
    return QStringLiteral("Domain name is not fully qualified.\nA fully qualified domain name "
                          "consists of a list of domain labels representing the hierarchy from "
                          "the lowest relevant level in the DNS to the top-level domain. The DNS "
                          "root is unnamed, expressed as the empty label terminated by the "
                          "dot.\nDomain name ") +
           name + QStringLiteral(" doesn't ends with \".\".");
}

QString repeated(char letter, int count)
{
    return QString(count, QLatin1Char(letter));
}

} // namespace

class TestValidation : public QObject
{
    Q_OBJECT

private slots:
    void validateDomainName_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("message"); // empty: valid

        const QString label63 = repeated('a', 63);
        const QString name254 =
            QStringList{label63, label63, label63, repeated('b', 61), ""}.join('.');
        const QString name255 =
            QStringList{label63, label63, label63, repeated('b', 62), ""}.join('.');
        QCOMPARE(name254.size(), 254);
        QCOMPARE(name255.size(), 255);

        QTest::newRow("single label with the final dot is valid") << "example."
                                                                  << "";
        QTest::newRow("host name with inner hyphen is valid") << "my-host.example.com."
                                                              << "";
        QTest::newRow("upper-case letters and digits are valid") << "WWW2.Example.COM."
                                                                 << "";
        QTest::newRow("254 characters are valid") << name254 << "";
        QTest::newRow("63-character label is valid") << label63 + ".example."
                                                     << "";
        QTest::newRow("empty name") << ""
                                    << "Domain name should not be empty";
        QTest::newRow("root alone starts with a dot") << "."
                                                      << "Domain name should not start with dot";
        QTest::newRow("leading dot") << ".example.com."
                                     << "Domain name should not start with dot";
        QTest::newRow("double dot") << "www..example."
                                    << "Domain name should not contain double dots";
        QTest::newRow("double dot is reported before the missing final dot")
            << "www..example"
            << "Domain name should not contain double dots";
        QTest::newRow("relative name is not fully qualified")
            << "www.example" << notFullyQualified("www.example");
        QTest::newRow("at sign for the apex is not fully qualified")
            << "@" << notFullyQualified("@");
        QTest::newRow("placeholder in the name is not expanded again")
            << "a%2b" << notFullyQualified("a%2b");
        QTest::newRow("255 characters exceed the maximum size")
            << name255 << "Domain name exceeds the maximum size";
        QTest::newRow("length is reported before a bad label")
            << "_" + name255.mid(1) << "Domain name exceeds the maximum size";
        QTest::newRow("64-character label exceeds the maximum size")
            << repeated('a', 64) + ".example."
            << "Domain label " + repeated('a', 64) + " exceeds the maximum size";
        QTest::newRow("label length is reported before its bad characters")
            << "_" + repeated('a', 63) + ".example."
            << "Domain label _" + repeated('a', 63) + " exceeds the maximum size";
        QTest::newRow("label starting with a hyphen") << "-www.example."
                                                      << "Domain label -www is invalid";
        QTest::newRow("label ending with a hyphen") << "www-.example."
                                                    << "Domain label www- is invalid";
        QTest::newRow("underscore label") << "_dmarc.example.com."
                                          << "Domain label _dmarc is invalid";
        QTest::newRow("wildcard label") << "*.example."
                                        << "Domain label * is invalid";
        QTest::newRow("inner space") << "my host.example."
                                     << "Domain label my host is invalid";
        QTest::newRow("non-ASCII letter") << QString::fromUtf8("b\xc3\xbc"
                                                               "cher.example.")
                                          << QString::fromUtf8("Domain label b\xc3\xbc"
                                                               "cher is invalid");
        QTest::newRow("first bad label ends the check") << "ok.a_b.-c."
                                                        << "Domain label a_b is invalid";
        QTest::newRow("line feed before the final dot is refused")
            << "www\n.example."
            << "Domain label www\n is invalid";
        QTest::newRow("line feed after the final dot is not fully qualified")
            << "www.example.\n"
            << notFullyQualified("www.example.\n");
    }

    void validateDomainName()
    {
        QFETCH(QString, name);
        QFETCH(QString, message);

        const ValidationResult result = ::validateDomainName(name, QStringLiteral("."));

        QCOMPARE(result.message, message);
        QCOMPARE(result.valid, message.isEmpty());
    }

    void validateServiceLabel_data()
    {
        QTest::addColumn<QString>("label");
        QTest::addColumn<QString>("message");

        QTest::newRow("protocol label") << "_tcp"
                                        << "";
        QTest::newRow("service with inner hyphen") << "_sip-tls"
                                                   << "";
        QTest::newRow("length is not limited") << "_" + repeated('s', 100) << "";
        QTest::newRow("empty") << ""
                               << "should not be empty";
        QTest::newRow("no leading underscore") << "tcp"
                                               << "should start with underscore";
        QTest::newRow("leading double underscore") << "__tcp"
                                                   << "should not contain double underscore";
        QTest::newRow("inner double underscore") << "_a__b"
                                                 << "should not contain double underscore";
        QTest::newRow("lone underscore leaves nothing") << "_"
                                                        << "is invalid";
        QTest::newRow("second underscore inside") << "_a_b"
                                                  << "is invalid";
        QTest::newRow("hyphen after the underscore") << "_-tcp"
                                                     << "is invalid";
        QTest::newRow("trailing hyphen") << "_tcp-"
                                         << "is invalid";
        QTest::newRow("dot inside") << "_sip.tcp"
                                    << "is invalid";
        QTest::newRow("trailing line feed") << "_tcp\n"
                                            << "is invalid";
    }

    void validateServiceLabel()
    {
        QFETCH(QString, label);
        QFETCH(QString, message);

        const ValidationResult result = ::validateServiceLabel(label);

        QCOMPARE(result.message, message);
        QCOMPARE(result.valid, message.isEmpty());
    }

    void isValidIPv4_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("valid");

        QTest::newRow("documentation address") << "192.0.2.1" << true;
        QTest::newRow("all zero") << "0.0.0.0" << true;
        QTest::newRow("all 255") << "255.255.255.255" << true;
        QTest::newRow("octet 256") << "256.1.1.1" << false;
        QTest::newRow("three octets") << "192.168.1" << false;
        QTest::newRow("five octets") << "1.2.3.4.5" << false;
        QTest::newRow("empty") << "" << false;
        QTest::newRow("leading space") << " 1.2.3.4" << false;
        QTest::newRow("trailing line feed") << "1.2.3.4\n" << false;
        QTest::newRow("IPv6 address") << "::1" << false;
    }

    void isValidIPv4()
    {
        QFETCH(QString, text);
        QFETCH(bool, valid);

        QCOMPARE(::isValidIPv4(text), valid);
    }

    void isValidIPv6_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("valid");

        QTest::newRow("eight full groups") << "2001:0db8:0000:0000:0000:ff00:0042:8329" << true;
        QTest::newRow("compressed") << "2001:db8::1" << true;
        QTest::newRow("loopback") << "::1" << true;
        QTest::newRow("all-zero address") << "::" << true;
        QTest::newRow("trailing double colon") << "2001:db8::" << true;
        QTest::newRow("link-local with zone index") << "fe80::1%eth0" << true;
        QTest::newRow("plain dotted quad passes") << "10.0.0.1" << true;
        QTest::newRow("nine groups") << "1:2:3:4:5:6:7:8:9" << false;
        QTest::newRow("two double colons") << "2001::db8::1" << false;
        QTest::newRow("triple colon") << "2001:db8:::1" << false;
        QTest::newRow("five hex digits") << "12345::1" << false;
        QTest::newRow("not hexadecimal") << "2001:db8::g" << false;
        QTest::newRow("empty") << "" << false;
        QTest::newRow("trailing line feed") << "::1\n" << false;
    }

    void isValidIPv6()
    {
        QFETCH(QString, text);
        QFETCH(bool, valid);

        QCOMPARE(::isValidIPv6(text), valid);
    }

    void reverseNames_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<bool>("isReverse");
        QTest::addColumn<QString>("address");

        QTest::newRow("IPv4 host") << "10.1.168.192.in-addr.arpa." << true << "192.168.1.10";
        QTest::newRow("IPv4 network without final dot")
            << "1.168.192.in-addr.arpa" << true << "192.168.1";
        QTest::newRow("IPv6 nibbles come back in opposite order")
            << "b.a.9.8.ip6.arpa." << true << "8.9.a.b";
        QTest::newRow("forward name") << "example.com." << false << "";
        QTest::newRow("suffix without a label before it") << "in-addr.arpa." << false << "";
    }

    void reverseNames()
    {
        QFETCH(QString, name);
        QFETCH(bool, isReverse);
        QFETCH(QString, address);

        QCOMPARE(isReverseName(name), isReverse);
        QCOMPARE(addressFromReverseName(name), address);
    }

    void reverseNameFromAddress_data()
    {
        QTest::addColumn<QString>("address");
        QTest::addColumn<QString>("name");

        QTest::newRow("three-part network") << "192.168.1"
                                            << "1.168.192.in-addr.arpa.";
        QTest::newRow("whole address") << "192.0.2.10"
                                       << "10.2.0.192.in-addr.arpa.";
        QTest::newRow("one part") << "10"
                                  << "10.in-addr.arpa.";
        QTest::newRow("doubled dot is skipped") << "192..168"
                                                << "168.192.in-addr.arpa.";
        QTest::newRow("trailing dot is skipped") << "172.16."
                                                 << "16.172.in-addr.arpa.";
    }

    void reverseNameFromAddress()
    {
        QFETCH(QString, address);
        QFETCH(QString, name);

        QCOMPARE(::reverseNameFromAddress(address), name);
    }

    void reverseNameFromParts_skipsEmptyParts()
    {
        QCOMPARE(reverseNameFromParts({QStringLiteral("10"), QString(), QStringLiteral("20")}),
                 QStringLiteral("20.10.in-addr.arpa."));
    }
};

TAMZOR_TEST_MAIN(TestValidation)
#include "tst_validation.moc"
