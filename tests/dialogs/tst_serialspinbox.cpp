#include "dialogs/serialspinbox.h"
#include "tests/support/testmain.h"

#include <QLineEdit>
#include <QSignalSpy>

class TestSerialSpinBox : public QObject
{
    Q_OBJECT

private slots:
    void stepBy_atEitherEnd_staysInRange_data();
    void stepBy_atEitherEnd_staysInRange();
    void typing_digits_valueFollowsAndEnterShowsIt_data();
    void typing_digits_valueFollowsAndEnterShowsIt();
};

void TestSerialSpinBox::stepBy_atEitherEnd_staysInRange_data()
{
    QTest::addColumn<quint32>("start");
    QTest::addColumn<int>("steps");
    QTest::addColumn<quint32>("value");
    QTest::newRow("up from the top") << quint32(4294967295U) << 1 << quint32(4294967295U);
    QTest::newRow("big step over the top") << quint32(4294967290U) << 100 << quint32(4294967295U);
    QTest::newRow("up past the signed limit") << quint32(2147483647) << 1 << quint32(2147483648U);
    QTest::newRow("down from zero") << quint32(0) << -1 << quint32(0);
    QTest::newRow("down from above the signed limit")
        << quint32(3000000000U) << -10 << quint32(2999999990U);
}

void TestSerialSpinBox::stepBy_atEitherEnd_staysInRange()
{
    QFETCH(quint32, start);
    QFETCH(int, steps);
    QFETCH(quint32, value);
    SerialSpinBox box;
    box.setValue(start);
    box.stepBy(steps);
    QCOMPARE(box.value(), value);
    QCOMPARE(box.text(), QString::number(value));
}

// The field is cleared first; "changes" counts the valueChanged signals on the way.
void TestSerialSpinBox::typing_digits_valueFollowsAndEnterShowsIt_data()
{
    QTest::addColumn<QString>("keys");
    QTest::addColumn<quint32>("value");
    QTest::addColumn<int>("changes");
    QTest::newRow("largest serial") << "4294967295" << quint32(4294967295U) << 10;
    QTest::newRow("one too many is refused at the last digit")
        << "4294967296" << quint32(429496729U) << 9;
    QTest::newRow("eleventh digit is refused") << "12345678901" << quint32(1234567890U) << 10;
    QTest::newRow("letters and signs are refused") << "1a-2 +3" << quint32(123) << 3;
    QTest::newRow("cleared and left keeps the value") << "" << quint32(3000000000U) << 0;
    QTest::newRow("leading zeros dropped, the repeated 0 is no change")
        << "0042" << quint32(42) << 3;
}

void TestSerialSpinBox::typing_digits_valueFollowsAndEnterShowsIt()
{
    QFETCH(QString, keys);
    QFETCH(quint32, value);
    QFETCH(int, changes);
    SerialSpinBox box;
    box.setValue(3000000000U);
    QSignalSpy spy(&box, &SerialSpinBox::valueChanged);
    auto *edit = box.findChild<QLineEdit *>();
    edit->selectAll();
    QTest::keyClick(edit, Qt::Key_Backspace);
    QTest::keyClicks(edit, keys);
    QTest::keyClick(&box, Qt::Key_Return);

    QCOMPARE(box.value(), value);
    QCOMPARE(box.text(), QString::number(value));
    QCOMPARE(spy.count(), changes);
}

TAMZOR_TEST_MAIN(TestSerialSpinBox)
#include "tst_serialspinbox.moc"
