#include "dialogs/serialspinbox.h"
#include "tests/support/testmain.h"

#include <QLineEdit>
#include <QSignalSpy>

class TestSerialSpinBox : public QObject
{
    Q_OBJECT

private slots:
    void setValue_anyUnsigned32_shownAndReturned_data();
    void setValue_anyUnsigned32_shownAndReturned();
    void typing_digits_valueFollows_data();
    void typing_digits_valueFollows();
    void stepBy_atEitherEnd_staysInRange_data();
    void stepBy_atEitherEnd_staysInRange();
    void editingFinished_clearedOrPadded_showsPlainValue();
    void typing_overSameValue_emitsOnlyTheChange();
};

void TestSerialSpinBox::setValue_anyUnsigned32_shownAndReturned_data()
{
    QTest::addColumn<quint32>("value");
    QTest::addColumn<QString>("text");
    QTest::newRow("zero") << quint32(0) << QStringLiteral("0");
    QTest::newRow("largest signed int") << quint32(2147483647) << QStringLiteral("2147483647");
    QTest::newRow("just above signed int") << quint32(2147483648U) << QStringLiteral("2147483648");
    QTest::newRow("date serial") << quint32(2024010101U) << QStringLiteral("2024010101");
    QTest::newRow("largest serial") << quint32(4294967295U) << QStringLiteral("4294967295");
}

void TestSerialSpinBox::setValue_anyUnsigned32_shownAndReturned()
{
    QFETCH(quint32, value);
    QFETCH(QString, text);
    SerialSpinBox box;
    box.setValue(value);
    QCOMPARE(box.value(), value);
    QCOMPARE(box.text(), text);
}

void TestSerialSpinBox::typing_digits_valueFollows_data()
{
    QTest::addColumn<QString>("keys");
    QTest::addColumn<quint32>("value");
    QTest::addColumn<QString>("text");
    QTest::newRow("largest serial") << "4294967295" << quint32(4294967295U) << "4294967295";
    QTest::newRow("one too many is refused at the last digit")
        << "4294967296" << quint32(429496729U) << "429496729";
    QTest::newRow("eleventh digit is refused")
        << "12345678901" << quint32(1234567890U) << "1234567890";
    QTest::newRow("letters and signs are refused") << "1a-2 +3" << quint32(123) << "123";
}

void TestSerialSpinBox::typing_digits_valueFollows()
{
    QFETCH(QString, keys);
    QFETCH(quint32, value);
    QFETCH(QString, text);
    SerialSpinBox box;
    box.setValue(77);
    auto *edit = box.findChild<QLineEdit *>();
    QVERIFY(edit);
    edit->selectAll();
    QTest::keyClicks(edit, keys);
    QCOMPARE(box.value(), value);
    QCOMPARE(box.text(), text);
}

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

void TestSerialSpinBox::editingFinished_clearedOrPadded_showsPlainValue()
{
    SerialSpinBox box;
    box.setValue(3000000000U);
    auto *edit = box.findChild<QLineEdit *>();
    edit->selectAll();
    QTest::keyClick(edit, Qt::Key_Backspace);
    QCOMPARE(box.value(), 3000000000U);
    QTest::keyClick(&box, Qt::Key_Return);
    QCOMPARE(box.text(), QStringLiteral("3000000000"));

    edit->selectAll();
    QTest::keyClicks(edit, QStringLiteral("0042"));
    QTest::keyClick(&box, Qt::Key_Return);
    QCOMPARE(box.value(), 42U);
    QCOMPARE(box.text(), QStringLiteral("42"));
}

void TestSerialSpinBox::typing_overSameValue_emitsOnlyTheChange()
{
    SerialSpinBox box;
    box.setValue(5);
    QSignalSpy spy(&box, &SerialSpinBox::valueChanged);
    auto *edit = box.findChild<QLineEdit *>();
    edit->selectAll();
    QTest::keyClicks(edit, QStringLiteral("56"));
    QCOMPARE(spy.count(), 1);
    QCOMPARE(spy.at(0).at(0).value<quint32>(), 56U);
}

TAMZOR_TEST_MAIN(TestSerialSpinBox)
#include "tst_serialspinbox.moc"
