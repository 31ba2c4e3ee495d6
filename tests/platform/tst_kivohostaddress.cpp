#include "platform/kivohostaddress.h"
#include "tests/support/testmain.h"

#include <QClipboard>
#include <QLineEdit>

namespace {
const int set = 0, typed = 1, pasted = 2; // how the entry is given its input

template <typename... Values> void row(const char *name, const Values &...values)
{
    (QTest::newRow(name) << ... << values);
}

// Types each key into whichever octet has the focus at that moment, as a user's keyboard does;
// "\b" is the backspace key.
void typeKeys(const QString &keys)
{
    for (const QChar key : keys)
        QTest::keyClick(QApplication::focusWidget(), key.toLatin1());
}

// Shows the entry in an active window so that the octets can take the focus in turn.
bool showFocused(KivoHostAddress &entry)
{
    entry.show();
    entry.activateWindow();
    entry.setFocus();
    return QTest::qWaitForWindowActive(&entry) &&
           QApplication::focusWidget() == entry.findChildren<QLineEdit *>().value(0);
}
} // namespace

class TestKivoHostAddress : public QObject
{
    Q_OBJECT

private slots:
    void entry_data()
    {
        QTest::addColumn<int>("how");
        QTest::addColumn<QString>("input");
        QTest::addColumn<QString>("octets");
        QTest::addColumn<bool>("valid");

        row("set: complete address", set, "192.0.2.10", "192.0.2.10", true);
        row("set: leading zeros are not octal", set, "010.001.000.9", "10.1.0.9", true);
        row("set: octet above 255", set, "192.168.256.1", "...", false);
        row("set: signed octet", set, "1.+2.3.4", "...", false);
        row("typed: dot or comma moves on, not twice", typed, "192,0.2.10", "192.0.2.10", true);
        row("typed: a full octet moves on", typed, "19216801", "192.168.0.1", true);
        row("typed: a digit that would pass 255 moves on", typed, "2567", "25.67..", false);
        row("typed: leading zero moves on", typed, "01.2", "0.1.2.", false);
        row("typed: letters and signs are refused", typed, "1a-b.2x", "1.2..", false);
        row("typed: extra digits in the last octet", typed, "1.2.3.2555", "1.2.3.255", true);
        row("typed: backspace at an octet start", typed, "10.20.\b5.7", "10.25.7.", false);
        row("pasted: blanks and line feed dropped", pasted, " 10.0.0.2\n", "10.0.0.2", true);
    }

    void entry()
    {
        QFETCH(int, how);
        QFETCH(QString, input);
        QFETCH(QString, octets);
        QFETCH(bool, valid);

        KivoHostAddress entry(nullptr);
        QVERIFY(showFocused(entry));
        if (how == typed) {
            typeKeys(input);
        } else if (how == pasted) {
            QApplication::clipboard()->setText(input);
            QTest::keySequence(QApplication::focusWidget(), QKeySequence::Paste);
        } else {
            entry.setAddress(QStringLiteral("203.0.113.99")); // to be replaced in full
            entry.setAddress(input);
        }
        // The octets as shown, joined by dots: "192.168.1." for an empty fourth octet.
        QCOMPARE(
            QStringList({entry.first(), entry.second(), entry.third(), entry.fourth()}).join('.'),
            octets);
        QCOMPARE(entry.isValid(), valid);
        QCOMPARE(entry.address().toString(), valid ? octets : QString());
    }

    void addressChanged_followsEveryChange()
    {
        KivoHostAddress entry(nullptr);
        QVERIFY(showFocused(entry));
        QStringList signalled;
        connect(&entry, &KivoHostAddress::addressChanged,
                [&](const QHostAddress &address) { signalled.append(address.toString()); });
        typeKeys(QStringLiteral("10.1.2.3\b"));
        entry.setAddress(QStringLiteral("10.1.2")); // as shown already
        entry.setAddress(QStringLiteral("192.0.2.10"));
        QCOMPARE(signalled, QStringList({"", "", "", "", "10.1.2.3", "", "192.0.2.10"}));
    }
};

TAMZOR_TEST_MAIN(TestKivoHostAddress)
#include "tst_kivohostaddress.moc"
