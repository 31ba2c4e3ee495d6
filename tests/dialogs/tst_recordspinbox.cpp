#include "dialogs/recordspinbox.h"
#include "tests/support/testmain.h"

#include <QLineEdit>

namespace {
// The forms' TTL editor: 0 to 2147483647 seconds.
void makeTtlBox(RecordSpinBox &box, quint64 value)
{
    box.setMaximum(2147483647);
    box.setSuffix(QStringLiteral(" s"));
    box.setRecordValue(value);
}
} // namespace

class TestRecordSpinBox : public QObject
{
    Q_OBJECT

private slots:
    void setRecordValue_anyValue_shownAndGivenBack_data();
    void setRecordValue_anyValue_shownAndGivenBack();
    void heldValue_userAction_givesShownValue_data();
    void heldValue_userAction_givesShownValue();
    void heldValue_fieldClearedAndLeft_comesBack();
};

void TestRecordSpinBox::setRecordValue_anyValue_shownAndGivenBack_data()
{
    QTest::addColumn<quint64>("value");
    QTest::addColumn<QString>("text");
    QTest::newRow("zero") << quint64(0) << "0 s";
    QTest::newRow("the maximum") << quint64(2147483647) << "2147483647 s";
    QTest::newRow("one above the maximum") << quint64(2147483648U) << "2147483648 s";
    QTest::newRow("beyond 32 bits") << quint64(5000000000ULL) << "5000000000 s";
    QTest::newRow("largest 64-bit") << quint64(18446744073709551615ULL) << "18446744073709551615 s";
}

void TestRecordSpinBox::setRecordValue_anyValue_shownAndGivenBack()
{
    QFETCH(quint64, value);
    QFETCH(QString, text);
    RecordSpinBox box;
    makeTtlBox(box, value);
    QCOMPARE(box.text(), text);
    QCOMPARE(box.recordValue(), value);
}

void TestRecordSpinBox::heldValue_userAction_givesShownValue_data()
{
    QTest::addColumn<int>("key");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<quint64>("value");
    QTest::newRow("arrow up, already at the top, keeps it")
        << int(Qt::Key_Up) << "" << quint64(5000000000ULL);
    QTest::newRow("arrow down") << int(Qt::Key_Down) << "" << quint64(2147483646);
    QTest::newRow("typing a number") << 0 << "300" << quint64(300);
    QTest::newRow("typing the maximum itself") << 0 << "2147483647" << quint64(2147483647);
}

void TestRecordSpinBox::heldValue_userAction_givesShownValue()
{
    QFETCH(int, key);
    QFETCH(QString, typed);
    QFETCH(quint64, value);
    RecordSpinBox box;
    makeTtlBox(box, 5000000000ULL);

    if (key)
        QTest::keyClick(&box, Qt::Key(key));
    if (!typed.isEmpty()) {
        box.selectAll();
        QTest::keyClicks(&box, typed);
    }

    QCOMPARE(box.recordValue(), value);
    QCOMPARE(box.text().remove(QStringLiteral(" s")), QString::number(value));
}

void TestRecordSpinBox::heldValue_fieldClearedAndLeft_comesBack()
{
    RecordSpinBox box;
    makeTtlBox(box, 5000000000ULL);
    box.selectAll();
    QTest::keyClick(&box, Qt::Key_Delete);
    QTest::keyClick(&box, Qt::Key_Return);
    QCOMPARE(box.recordValue(), quint64(5000000000ULL));
    QCOMPARE(box.text(), QStringLiteral("5000000000 s"));
}

TAMZOR_TEST_MAIN(TestRecordSpinBox)
#include "tst_recordspinbox.moc"
