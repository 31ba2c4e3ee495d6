#include "dialogs/serialspinbox.h"
#include "tests/support/testmain.h"

#include <QLineEdit>

class TestSerialSpinBox : public QObject
{
    Q_OBJECT

private slots:
    // An action "+n" or "-n" steps by n; anything else is typed into the cleared field, then Enter.
    void edit_stepOrDigits_valueStaysInRange_data()
    {
        QTest::addColumn<quint32>("start");
        QTest::addColumn<QString>("action");
        QTest::addColumn<quint32>("value");
        QTest::newRow("big step over the top") << 4294967290U << "+100" << 4294967295U;
        QTest::newRow("up past the signed limit") << 2147483647U << "+1" << 2147483648U;
        QTest::newRow("down from zero") << 0U << "-1" << 0U;
        QTest::newRow("one too many is refused at the last digit")
            << 0U << "4294967296" << 429496729U;
        QTest::newRow("letters and signs are refused") << 0U << "1a-2 +3" << 123U;
        QTest::newRow("cleared and left keeps the value") << 3000000000U << "" << 3000000000U;
        QTest::newRow("leading zeros dropped") << 7U << "0042" << 42U;
    }

    void edit_stepOrDigits_valueStaysInRange()
    {
        QFETCH(quint32, start);
        QFETCH(QString, action);
        QFETCH(quint32, value);
        SerialSpinBox box;
        box.setValue(start);
        auto *edit = box.findChild<QLineEdit *>();
        if (action.startsWith('+') || action.startsWith('-')) {
            box.stepBy(action.toInt());
        } else {
            edit->selectAll();
            QTest::keyClick(edit, Qt::Key_Backspace);
            QTest::keyClicks(edit, action);
            QTest::keyClick(&box, Qt::Key_Return);
        }

        QCOMPARE(box.value(), value);
        QCOMPARE(box.text(), QString::number(value));
    }
};

TAMZOR_TEST_MAIN(TestSerialSpinBox)
#include "tst_serialspinbox.moc"
