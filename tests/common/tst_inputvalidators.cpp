#include "common/inputvalidators.h"
#include "tests/support/testmain.h"

#include <QRegularExpressionValidator>

using Validator = QRegularExpressionValidator *(*)();
Q_DECLARE_METATYPE(Validator)

class TestInputValidators : public QObject
{
    Q_OBJECT

private slots:
    void validate_data()
    {
        QTest::addColumn<Validator>("validator");
        QTest::addColumn<QString>("input");
        QTest::addColumn<QValidator::State>("state");

        const Validator printable = printableValidator;
        const Validator domain = domainCharsValidator;
        const Validator ipv6 = ipv6Validator;
        const auto acceptable = QValidator::Acceptable;
        const auto intermediate = QValidator::Intermediate;
        const auto invalid = QValidator::Invalid;

        QTest::newRow("printable: empty") << printable << "" << acceptable;
        QTest::newRow("printable: blank to tilde")
            << printable << R"( "v=spf1 -all" ~{})" << acceptable;
        QTest::newRow("printable: tab") << printable << "a\tb" << invalid;
        QTest::newRow("printable: non-ASCII letter")
            << printable << QString::fromUtf8("\xc3\xa9") << invalid;
        QTest::newRow("domain: host name") << domain << "www.example-1.com." << acceptable;
        QTest::newRow("domain: underscore") << domain << "_sip" << invalid;
        QTest::newRow("domain: blank") << domain << "a b" << invalid;
        QTest::newRow("domain: wildcard") << domain << "*" << invalid;
        QTest::newRow("domain: at sign") << domain << "@" << invalid;
        QTest::newRow("ipv6: compressed") << ipv6 << "2001:db8::1" << acceptable;
        QTest::newRow("ipv6: zone index") << ipv6 << "fe80::1%eth0" << acceptable;
        QTest::newRow("ipv6: dotted quad") << ipv6 << "192.0.2.1" << acceptable;
        QTest::newRow("ipv6: empty can still become one") << ipv6 << "" << intermediate;
        QTest::newRow("ipv6: two groups typed") << ipv6 << "2001:db8" << intermediate;
        QTest::newRow("ipv6: zone index still to come") << ipv6 << "fe80::1%" << intermediate;
        QTest::newRow("ipv6: five hex digits") << ipv6 << "12345" << invalid;
        QTest::newRow("ipv6: not hexadecimal") << ipv6 << "2001:dbg" << invalid;
        QTest::newRow("ipv6: second double colon") << ipv6 << "2001::db8::" << invalid;
    }

    void validate()
    {
        QFETCH(Validator, validator);
        QFETCH(QString, input);
        QFETCH(QValidator::State, state);

        int position = input.size();
        QCOMPARE(validator()->validate(input, position), state);
    }

    void validators_areSharedObjects()
    {
        QCOMPARE(printableValidator(), printableValidator());
        QVERIFY(printableValidator() != domainCharsValidator());
        QVERIFY(domainCharsValidator() != ipv6Validator());
    }
};

TAMZOR_TEST_MAIN(TestInputValidators)
#include "tst_inputvalidators.moc"
