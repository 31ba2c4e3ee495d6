#include "common/errorstackexception.h"
#include "tests/support/testmain.h"

#include <memory>

class TestErrorStackException : public QObject
{
    Q_OBJECT

private slots:
    void text_newestMessageFirst()
    {
        ErrorStackException exception;
        QCOMPARE(exception.text(), QString());
        exception.push(QStringLiteral("m1"));
        exception.push(QStringLiteral("m2"));
        exception.push(QStringLiteral("m3"));
        QCOMPARE(exception.text(), QStringLiteral("m3\nm2\nm1"));
        QCOMPARE(exception.messages(), QStringList({"m1", "m2", "m3"}));
    }

    void copies_carryTheMessages_andStayIndependent()
    {
        ErrorStackException source(QStringLiteral("cause"));
        ErrorStackException copy(source);
        std::unique_ptr<ErrorStackException> clone(source.clone());
        copy.push(QStringLiteral("copy"));
        clone->push(QStringLiteral("clone"));
        QCOMPARE(source.text(), QStringLiteral("cause"));
        QCOMPARE(copy.text(), QStringLiteral("copy\ncause"));
        QCOMPARE(clone->text(), QStringLiteral("clone\ncause"));
        try {
            static_cast<const QException &>(copy).raise();
            QFAIL("raise() returned");
        } catch (const ErrorStackException &caught) {
            QCOMPARE(caught.text(), QStringLiteral("copy\ncause"));
        }
    }
};

TAMZOR_TEST_MAIN(TestErrorStackException)
#include "tst_errorstackexception.moc"
