#include "dialogs/recordspinbox.h"
#include "tests/support/testmain.h"

class TestRecordSpinBox : public QObject
{
    Q_OBJECT

private slots:
    // The forms' TTL editor, 0 to 2147483647 seconds, holding 5000000000, which it may not reach
    // itself. An action is an arrow key, "clear" (empty the field and press Enter) or digits.
    void recordValue_userAction_givesShownValue_data()
    {
        QTest::addColumn<QString>("action");
        QTest::addColumn<QString>("shown");
        QTest::newRow("arrow up, above the top, keeps it") << QString("up") << "5000000000 s";
        QTest::newRow("arrow down") << QString("down") << "2147483646 s";
        QTest::newRow("cleared and left comes back") << QString("clear") << "5000000000 s";
        QTest::newRow("typing a number") << QString("300") << "300 s";
        QTest::newRow("typing the maximum itself") << QString("2147483647") << "2147483647 s";
    }

    void recordValue_userAction_givesShownValue()
    {
        QFETCH(QString, action);
        QFETCH(QString, shown);
        RecordSpinBox box;
        box.setMaximum(2147483647);
        box.setSuffix(QStringLiteral(" s"));
        box.setRecordValue(5000000000ULL);

        if (action == QLatin1String("up") || action == QLatin1String("down")) {
            QTest::keyClick(&box, action == QLatin1String("up") ? Qt::Key_Up : Qt::Key_Down);
        } else {
            box.selectAll();
            QTest::keyClick(&box, Qt::Key_Delete);
            QTest::keyClicks(&box, action == QLatin1String("clear") ? QString() : action);
            QTest::keyClick(&box, Qt::Key_Return);
        }

        QCOMPARE(box.text(), shown);
        QCOMPARE(QString::number(box.recordValue()) + " s", shown);
    }
};

TAMZOR_TEST_MAIN(TestRecordSpinBox)
#include "tst_recordspinbox.moc"
