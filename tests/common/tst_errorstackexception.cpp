#include "common/errorstackexception.h"
#include "tests/support/testmain.h"

#include <memory>

class TestErrorStackException : public QObject
{
    Q_OBJECT

private slots:
    void text_data()
    {
        QTest::addColumn<QStringList>("pushed");
        QTest::addColumn<QString>("text");

        QTest::newRow("nothing pushed gives an empty text") << QStringList() << QString();
        QTest::newRow("one message stands alone, without a line feed")
            << QStringList{QStringLiteral("m1")} << QStringLiteral("m1");
        QTest::newRow("newest message comes first")
            << QStringList{QStringLiteral("m1"), QStringLiteral("m2"), QStringLiteral("m3")}
            << QStringLiteral("m3\nm2\nm1");
        QTest::newRow("cause pushed before the operation shows the operation on top")
            << QStringList{QStringLiteral("Can't write file /x"),
                           QStringLiteral("Can't save zones")}
            << QStringLiteral("Can't save zones\nCan't write file /x");
    }

    void text()
    {
        QFETCH(QStringList, pushed);
        QFETCH(QString, text);

        ErrorStackException exception;
        for (const QString &message : pushed)
            exception.push(message);

        QCOMPARE(exception.text(), text);
        QCOMPARE(exception.messages(), pushed);
    }

    void constructedFromMessage_thenPushed_newestFirst()
    {
        ErrorStackException exception(QStringLiteral("m1"));
        exception.push(QStringLiteral("m2"));
        exception.push(QStringLiteral("m3"));

        QCOMPARE(exception.text(), QStringLiteral("m3\nm2\nm1"));
        QCOMPARE(exception.messages(),
                 QStringList({QStringLiteral("m1"), QStringLiteral("m2"), QStringLiteral("m3")}));
    }

    void clone_pushOntoClone_sourceUnchanged()
    {
        ErrorStackException source(QStringLiteral("cause"));
        source.push(QStringLiteral("operation"));

        std::unique_ptr<ErrorStackException> clone(source.clone());
        clone->push(QStringLiteral("later"));

        QCOMPARE(source.text(), QStringLiteral("operation\ncause"));
        QCOMPARE(clone->text(), QStringLiteral("later\noperation\ncause"));
    }

    void copy_pushOntoCopy_sourceUnchanged()
    {
        const ErrorStackException source(QStringLiteral("cause"));
        ErrorStackException copy(source);
        copy.push(QStringLiteral("operation"));

        QCOMPARE(source.messages(), QStringList{QStringLiteral("cause")});
        QCOMPARE(copy.text(), QStringLiteral("operation\ncause"));
    }

    void raise_throughBase_throwsCopyWithSameMessages()
    {
        ErrorStackException source(QStringLiteral("cause"));
        source.push(QStringLiteral("operation"));
        const QException &base = source;

        try {
            base.raise();
            QFAIL("raise() returned");
        } catch (const ErrorStackException &caught) {
            QCOMPARE(caught.text(), QStringLiteral("operation\ncause"));
        }
    }
};

TAMZOR_TEST_MAIN(TestErrorStackException)
#include "tst_errorstackexception.moc"
