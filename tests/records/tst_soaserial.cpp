#include "records/soaserial.h"
#include "tests/support/testmain.h"

// The serial after a change, on 6 December 2026, and the first serial of a new zone that day.
class TestSoaSerial : public QObject
{
    Q_OBJECT

private:
    const QDate today{2026, 12, 6};

private slots:
    void next_onAFixedDay_higherInSerialArithmetic_data()
    {
        QTest::addColumn<quint32>("serial");
        QTest::addColumn<quint32>("next");
        QTest::newRow("counter counts on") << 1u << 2u;
        QTest::newRow("counter below the top") << 4294967294u << 4294967295u;
        QTest::newRow("counter at the top wraps to zero") << 4294967295u << 0u;
        QTest::newRow("zero is a counter") << 0u << 1u;
        QTest::newRow("date of an earlier day becomes today's first") << 2024010101u << 2026120600u;
        QTest::newRow("yesterday's last becomes today's first") << 2026120599u << 2026120600u;
        QTest::newRow("today's date counts on") << 2026120600u << 2026120601u;
        QTest::newRow("today's hundredth change runs into tomorrow") << 2026120699u << 2026120700u;
        QTest::newRow("date from the future counts on") << 2099010101u << 2099010102u;
        QTest::newRow("date beyond half the serial space counts on") << 4000010100u << 4000010101u;
        QTest::newRow("month 13 is no date, a counter") << 2024130101u << 2024130102u;
        QTest::newRow("30 February is no date, a counter") << 2024023001u << 2024023002u;
    }

    void next_onAFixedDay_higherInSerialArithmetic()
    {
        QFETCH(quint32, serial);
        QFETCH(quint32, next);
        const SoaSerial raised = SoaSerial(serial).next(today);
        QCOMPARE(raised.value(), next);
        QVERIFY(SoaSerial(serial).precedes(raised));
        QVERIFY(!raised.precedes(SoaSerial(serial)));
    }

    void precedes_rfc1982_data()
    {
        QTest::addColumn<quint32>("first");
        QTest::addColumn<quint32>("second");
        QTest::addColumn<bool>("precedes");
        QTest::newRow("smaller") << 1u << 2u << true;
        QTest::newRow("equal") << 7u << 7u << false;
        QTest::newRow("larger") << 2u << 1u << false;
        QTest::newRow("top before zero") << 4294967295u << 0u << true;
        QTest::newRow("just under half the space ahead") << 0u << 2147483647u << true;
        QTest::newRow("half the space ahead is undefined") << 0u << 2147483648u << false;
    }

    void precedes_rfc1982()
    {
        QFETCH(quint32, first);
        QFETCH(quint32, second);
        QFETCH(bool, precedes);
        QCOMPARE(SoaSerial(first).precedes(SoaSerial(second)), precedes);
    }

    void firstOf_newZone_todaysFirstChange()
    {
        QCOMPARE(SoaSerial::firstOf(today).value(), 2026120601u);
    }
};

TAMZOR_TEST_MAIN(TestSoaSerial)
#include "tst_soaserial.moc"
