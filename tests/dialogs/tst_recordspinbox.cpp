#include "dialogs/recordspinbox.h"
#include "tests/support/testmain.h"

class TestRecordSpinBox : public QObject
{
    Q_OBJECT

private slots:
    void recordValue_userAction_givesShownValue_data();
    void recordValue_userAction_givesShownValue();
};

// The forms' TTL editor, 0 to 2147483647 seconds, holding a value it may not reach itself.
// An action is an arrow key, "clear" (empty the field and press Enter), digits to type, or none.
void TestRecordSpinBox::recordValue_userAction_givesShownValue_data()
{
    QTest::addColumn<quint64>("held");
    QTest::addColumn<QString>("action");
    QTest::addColumn<quint64>("value");
    QTest::newRow("the maximum, untouched") << quint64(2147483647) << "" << quint64(2147483647);
    QTest::newRow("one above the maximum, untouched")
        << quint64(2147483648U) << "" << quint64(2147483648U);
    QTest::newRow("largest 64-bit, untouched")
        << quint64(18446744073709551615ULL) << "" << quint64(18446744073709551615ULL);
    QTest::newRow("arrow up, above the top, keeps it")
        << quint64(5000000000ULL) << "up" << quint64(5000000000ULL);
    QTest::newRow("arrow down") << quint64(5000000000ULL) << "down" << quint64(2147483646);
    QTest::newRow("cleared and left comes back")
        << quint64(5000000000ULL) << "clear" << quint64(5000000000ULL);
    QTest::newRow("typing a number") << quint64(5000000000ULL) << "300" << quint64(300);
    QTest::newRow("typing the maximum itself")
        << quint64(5000000000ULL) << "2147483647" << quint64(2147483647);
}

void TestRecordSpinBox::recordValue_userAction_givesShownValue()
{
    QFETCH(quint64, held);
    QFETCH(QString, action);
    QFETCH(quint64, value);
    RecordSpinBox box;
    box.setMaximum(2147483647);
    box.setSuffix(QStringLiteral(" s"));
    box.setRecordValue(held);

    if (action == QLatin1String("up") || action == QLatin1String("down")) {
        QTest::keyClick(&box, action == QLatin1String("up") ? Qt::Key_Up : Qt::Key_Down);
    } else if (!action.isEmpty()) {
        box.selectAll();
        QTest::keyClick(&box, Qt::Key_Delete);
        QTest::keyClicks(&box, action == QLatin1String("clear") ? QString() : action);
        QTest::keyClick(&box, Qt::Key_Return);
    }

    QCOMPARE(box.recordValue(), value);
    QCOMPARE(box.text(), QString::number(value) + " s");
}

TAMZOR_TEST_MAIN(TestRecordSpinBox)
#include "tst_recordspinbox.moc"
