#include "common/errorstackexception.h"
#include "tests/support/testmain.h"

#include <memory>

class TestErrorStackException : public QObject
{
    Q_OBJECT

private slots:
    // The text shown to the user tells the newest context first; copies made to carry the
    // error to another thread go on on their own.
    void pushOnCopies_textNewestFirst_sourceUnchanged()
    {
        ErrorStackException source(QStringLiteral("cause"));
        ErrorStackException copy(source);
        std::unique_ptr<ErrorStackException> clone(source.clone());
        copy.push(QStringLiteral("copy"));
        copy.push(QStringLiteral("newest"));
        clone->push(QStringLiteral("clone"));
        QCOMPARE(source.text(), QStringLiteral("cause"));
        QCOMPARE(clone->text(), QStringLiteral("clone\ncause"));
        try {
            static_cast<const QException &>(copy).raise();
            QFAIL("raise() returned");
        } catch (const ErrorStackException &caught) {
            QCOMPARE(caught.text(), QStringLiteral("newest\ncopy\ncause"));
        }
    }
};

TAMZOR_TEST_MAIN(TestErrorStackException)
#include "tst_errorstackexception.moc"
