#include "platform/kivohostaddress.h"
#include "tests/support/testmain.h"

#include <QApplication>
#include <QClipboard>
#include <QLineEdit>
#include <QSignalSpy>
#include <QTest>

namespace {
// Types each key into whichever octet has the focus at that moment, as a user's keyboard does.
void typeKeys(const QString &keys)
{
    for (const QChar key : keys)
        QTest::keyClick(QApplication::focusWidget(), key.toLatin1());
}
} // namespace

class TestKivoHostAddress : public QObject
{
    Q_OBJECT

private slots:
    void newEntry_isEmptyAndNotValid();
    void setAddress_showsOctets_data();
    void setAddress_showsOctets();
    void setAddress_sameAddressTwice_signalsOnce();
    void addressChanged_followsEveryEdit();
    void typing_data();
    void typing();
    void backspaceAtOctetStart_deletesInPreviousOctet();
    void pastingDottedAddress_fillsAllOctets();
    void dynamicTextProperty_isTolerated();

private:
    // Shows the entry in an active window so that the octets can take the focus in turn.
    void showFocused(KivoHostAddress &entry);
};

void TestKivoHostAddress::showFocused(KivoHostAddress &entry)
{
    entry.show();
    entry.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&entry));
    entry.setFocus();
    QCOMPARE(QApplication::focusWidget(), entry.findChildren<QLineEdit *>().value(0));
}

void TestKivoHostAddress::newEntry_isEmptyAndNotValid()
{
    KivoHostAddress entry(nullptr);
    QVERIFY(!entry.isValid());
    QVERIFY(entry.address().isNull());
    QCOMPARE(entry.address().toString(), QString());
    QCOMPARE(entry.first(), QString());
    QCOMPARE(entry.second(), QString());
    QCOMPARE(entry.third(), QString());
}

void TestKivoHostAddress::setAddress_showsOctets_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QStringList>("octets");
    QTest::addColumn<bool>("valid");
    QTest::addColumn<QString>("address");

    const QStringList none = {QString(), QString(), QString(), QString()};
    QTest::newRow("complete address")
        << "192.0.2.10" << QStringList{"192", "0", "2", "10"} << true << "192.0.2.10";
    QTest::newRow("lowest and highest octets")
        << "0.255.0.255" << QStringList{"0", "255", "0", "255"} << true << "0.255.0.255";
    QTest::newRow("network of a reverse zone keeps the fourth octet empty")
        << "192.168.1" << QStringList{"192", "168", "1", ""} << false << "";
    QTest::newRow("trailing dot leaves the fourth octet empty")
        << "10.0.0." << QStringList{"10", "0", "0", ""} << false << "";
    QTest::newRow("leading zeros are dropped, never read as octal")
        << "010.001.000.9" << QStringList{"10", "1", "0", "9"} << true << "10.1.0.9";
    QTest::newRow("surrounding blanks are ignored")
        << " 198.51.100.7 " << QStringList{"198", "51", "100", "7"} << true << "198.51.100.7";
    QTest::newRow("empty text gives an empty entry") << "" << none << false << "";
    QTest::newRow("octet above 255 gives an empty entry") << "192.168.256.1" << none << false << "";
    QTest::newRow("five parts give an empty entry") << "1.2.3.4.5" << none << false << "";
    QTest::newRow("IPv6 address gives an empty entry") << "2001:db8::1" << none << false << "";
    QTest::newRow("signed octet gives an empty entry") << "1.+2.3.4" << none << false << "";
    QTest::newRow("words give an empty entry") << "localhost" << none << false << "";
}

void TestKivoHostAddress::setAddress_showsOctets()
{
    QFETCH(QString, text);
    QFETCH(QStringList, octets);
    QFETCH(bool, valid);
    QFETCH(QString, address);

    KivoHostAddress entry(nullptr);
    entry.setAddress(QStringLiteral("203.0.113.99"));
    entry.setAddress(text);
    QCOMPARE((QStringList{entry.first(), entry.second(), entry.third(), entry.fourth()}), octets);
    QCOMPARE(entry.isValid(), valid);
    QCOMPARE(entry.address().toString(), address);
}

void TestKivoHostAddress::setAddress_sameAddressTwice_signalsOnce()
{
    KivoHostAddress entry(nullptr);
    QSignalSpy spy(&entry, &KivoHostAddress::addressChanged);
    entry.setAddress(QStringLiteral("192.0.2.10"));
    entry.setAddress(QStringLiteral("192.0.2.10"));
    QCOMPARE(spy.count(), 1);
    QCOMPARE(spy.at(0).at(0).value<QHostAddress>().toString(), QStringLiteral("192.0.2.10"));

    entry.setAddress(QString());
    QCOMPARE(spy.count(), 2);
    QVERIFY(spy.at(1).at(0).value<QHostAddress>().isNull());
}

void TestKivoHostAddress::addressChanged_followsEveryEdit()
{
    KivoHostAddress entry(nullptr);
    showFocused(entry);
    QSignalSpy spy(&entry, &KivoHostAddress::addressChanged);

    typeKeys(QStringLiteral("10.1.2.3"));
    QCOMPARE(spy.count(), 5);
    QVERIFY(spy.at(3).at(0).value<QHostAddress>().isNull());
    QCOMPARE(spy.last().at(0).value<QHostAddress>().toString(), QStringLiteral("10.1.2.3"));

    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Backspace);
    QCOMPARE(spy.count(), 6);
    QVERIFY(spy.last().at(0).value<QHostAddress>().isNull());
    QCOMPARE(entry.third(), QStringLiteral("2"));
}

void TestKivoHostAddress::typing_data()
{
    QTest::addColumn<QString>("keys");
    QTest::addColumn<QStringList>("octets");

    QTest::newRow("dots move to the next octet")
        << "192.0.2.10" << QStringList{"192", "0", "2", "10"};
    QTest::newRow("a full octet moves on by itself")
        << "19216801" << QStringList{"192", "168", "0", "1"};
    QTest::newRow("dot after a full octet is not a second move")
        << "192.168.0.1" << QStringList{"192", "168", "0", "1"};
    QTest::newRow("a digit that would pass 255 starts the next octet")
        << "2567" << QStringList{"25", "67", "", ""};
    QTest::newRow("leading zero moves on at once") << "01.2" << QStringList{"0", "1", "2", ""};
    QTest::newRow("letters and signs are refused") << "1a-b.2x" << QStringList{"1", "2", "", ""};
    QTest::newRow("dot in an empty octet does nothing") << ".1" << QStringList{"1", "", "", ""};
    QTest::newRow("extra digits in the last octet are refused")
        << "1.2.3.2555" << QStringList{"1", "2", "3", "255"};
    QTest::newRow("comma works like a dot") << "10,20,30,40" << QStringList{"10", "20", "30", "40"};
}

void TestKivoHostAddress::typing()
{
    QFETCH(QString, keys);
    QFETCH(QStringList, octets);

    KivoHostAddress entry(nullptr);
    showFocused(entry);
    typeKeys(keys);
    QCOMPARE((QStringList{entry.first(), entry.second(), entry.third(), entry.fourth()}), octets);
}

void TestKivoHostAddress::backspaceAtOctetStart_deletesInPreviousOctet()
{
    KivoHostAddress entry(nullptr);
    showFocused(entry);
    typeKeys(QStringLiteral("10.20."));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Backspace);
    typeKeys(QStringLiteral("5.7"));
    QCOMPARE((QStringList{entry.first(), entry.second(), entry.third(), entry.fourth()}),
             (QStringList{"10", "25", "7", ""}));
}

void TestKivoHostAddress::pastingDottedAddress_fillsAllOctets()
{
    KivoHostAddress entry(nullptr);
    showFocused(entry);
    QApplication::clipboard()->setText(QStringLiteral(" 198.51.100.20\n"));
    QTest::keySequence(QApplication::focusWidget(), QKeySequence::Paste);
    QCOMPARE(entry.address().toString(), QStringLiteral("198.51.100.20"));
}

void TestKivoHostAddress::dynamicTextProperty_isTolerated()
{
    KivoHostAddress entry(nullptr);
    entry.setAddress(QStringLiteral("192.0.2.1"));
    entry.setProperty("text1", QVariant(QString()));
    QCOMPARE(entry.property("text1"), QVariant(QString()));
    QCOMPARE(entry.address().toString(), QStringLiteral("192.0.2.1"));
}

TAMZOR_TEST_MAIN(TestKivoHostAddress)
#include "tst_kivohostaddress.moc"
