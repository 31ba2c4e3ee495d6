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

        QTest::newRow("printable: ASCII") << printable << R"( "v" ~)" << QValidator::Acceptable;
        QTest::newRow("printable: tab") << printable << "a\tb" << QValidator::Invalid;
        QTest::newRow("printable: non-ASCII") << printable << "\xc3\xa9" << QValidator::Invalid;
        QTest::newRow("domain: host name") << domain << "www.ex-1.com." << QValidator::Acceptable;
        QTest::newRow("domain: underscore") << domain << "_sip" << QValidator::Invalid;
        QTest::newRow("ipv6: two groups typed") << ipv6 << "2001:db8" << QValidator::Intermediate;
        QTest::newRow("ipv6: zone index to come") << ipv6 << "fe80::1%" << QValidator::Intermediate;
    }

    void validate()
    {
        QFETCH(Validator, validator);
        QFETCH(QString, input);
        QFETCH(QValidator::State, state);
        int position = input.size();
        QCOMPARE(validator()->validate(input, position), state);
    }
};

TAMZOR_TEST_MAIN(TestInputValidators)
#include "tst_inputvalidators.moc"
