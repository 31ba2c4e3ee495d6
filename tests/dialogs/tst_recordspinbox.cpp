#include "dialogs/recordspinbox.h"
#include "tests/support/testmain.h"

#include <QLineEdit>

class TestRecordSpinBox : public QObject
{
    Q_OBJECT

private slots:
    // A box up to 2147483647 (a TTL's range) starts at the value. An action "+n" or "-n" steps by
    // n; anything else is typed into the cleared field, then Enter.
    void edit_stepOrDigits_givesValue_data()
    {
        QTest::addColumn<quint64>("start");
        QTest::addColumn<QString>("action");
        QTest::addColumn<quint64>("value");
        const auto row = [](const char *name, quint64 start, const char *action, quint64 value) {
            QTest::newRow(name) << start << QString(action) << value;
        };
        row("a big step stops at the top", 2147483640, "+100", 2147483647);
        row("down from zero", 0, "-1", 0);
        row("a value above the top stays until stepped", 5000000000, "-1", 2147483646);
        row("typed above the top is kept, for the record to refuse", 0, "2147483648", 2147483648);
        row("typed as large as 64 bits hold", 0, "9999999999999999999", 9999999999999999999ULL);
        row("a twentieth digit is refused", 0, "99999999999999999999", 9999999999999999999ULL);
        row("letters and signs are refused", 0, "1a-2 +3", 123);
        row("cleared and left keeps the value", 3000000000, "", 3000000000);
        row("leading zeros dropped", 7, "0042", 42);
    }

    void edit_stepOrDigits_givesValue()
    {
        QFETCH(quint64, start);
        QFETCH(QString, action);
        QFETCH(quint64, value);
        RecordSpinBox box;
        box.setMaximum(2147483647);
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

TAMZOR_TEST_MAIN(TestRecordSpinBox)
#include "tst_recordspinbox.moc"
