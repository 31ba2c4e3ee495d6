#include "control/rndc.h"
#include "tests/support/testmain.h"

#include <QStandardPaths>

#include <functional>

namespace {

const QString rndc = QStringLiteral("/usr/sbin/rndc");

QString outcomeName(Rndc::Result::Outcome outcome)
{
    static const char *const names[] = {"done", "refused", "unreachable", "not run"};
    return names[outcome];
}

} // namespace

using Call = std::function<Rndc::Result()>;
Q_DECLARE_METATYPE(Call)

class TestRndc : public QObject
{
    Q_OBJECT

private slots:
    void init() { Sandbox::reset(); }

    // A stand-in rndc (bash, or "missing"), the outcome with its message ("..." at the end: the
    // start of the text) and the arguments rndc got.
    void call_standInRndc_outcomeAndItsWords_data()
    {
        QTest::addColumn<Call>("call");
        QTest::addColumn<QByteArray>("script");
        QTest::addColumn<QString>("outcome");
        QTest::addColumn<QString>("message");
        QTest::addColumn<QByteArray>("arguments");
        QTest::newRow("zone in a view reloaded: rndc's words")
            << Call([] { return Rndc::reload("example.", "IN", "internal"); })
            << QByteArray("echo 'zone reload queued'") << "done"
            << "zone reload queued" << QByteArray("reload example. IN internal");
        QTest::newRow("unknown zone refused by named, with its reason below")
            << Call([] { return Rndc::freeze("nowhere."); })
            << QByteArray("echo \"rndc: 'freeze' failed: not found\" >&2; echo \"no matching "
                          "zone 'nowhere.' in any view\" >&2; exit 1")
            << "refused"
            << "rndc: 'freeze' failed: not found\nno matching zone 'nowhere.' in any view"
            << QByteArray("freeze nowhere.");
        QTest::newRow("named not listening: unreachable; a view without class is in IN")
            << Call([] { return Rndc::thaw("example.", QString(), "internal"); })
            << QByteArray("echo 'rndc: connect failed: 127.0.0.1#953: connection refused' >&2; "
                          "exit 1")
            << "unreachable"
            << "rndc: connect failed: 127.0.0.1#953: connection refused"
            << QByteArray("thaw example. IN internal");
        QTest::newRow("another key: channel closed, unreachable")
            << Call(&Rndc::sync)
            << QByteArray("printf 'rndc: connection to remote host closed.\\nThis may indicate "
                          "that\\n* this host is not authorized to connect,\\n' >&2; exit 1")
            << "unreachable"
            << "rndc: connection to remote host closed.\nThis may indicate ..."
            << QByteArray("sync");
        QTest::newRow("failure without a word: the exit code")
            << Call(&Rndc::status) << QByteArray("exit 1") << "unreachable"
            << "/usr/sbin/rndc exited with code 1.\n"
            << QByteArray("status");
        QTest::newRow("rndc missing") << Call(&Rndc::reconfig) << QByteArray("missing") << "not run"
                                      << "/usr/sbin/rndc could not be started: ..." << QByteArray();
        QTest::newRow("rndc crashes after printing")
            << Call([] { return Rndc::reload(); }) << QByteArray("echo 'version: 9'; kill -SEGV $$")
            << "not run"
            << "/usr/sbin/rndc crashed" << QByteArray("reload");
    }

    void call_standInRndc_outcomeAndItsWords()
    {
        QFETCH(Call, call);
        QFETCH(QByteArray, script);
        QFETCH(QString, outcome);
        QFETCH(QString, message);
        QFETCH(QByteArray, arguments);
        const QString log = TestSupport::standIn(rndc, script);

        const Rndc::Result result = call();

        QCOMPARE(outcomeName(result.outcome), outcome);
        QVERIFY2(TestSupport::fits(result.message, message), qPrintable(result.message));
        QCOMPARE(Sandbox::readFile(log), arguments.isEmpty() ? arguments : arguments + '\n');
    }

    // BIND's own rndc, where nothing listens on its port, must be told from a refusal.
    void reload_realRndcWithoutNamed_unreachable()
    {
        if (QStandardPaths::findExecutable(QStringLiteral("rndc"), {"/usr/sbin"}).isEmpty())
            QSKIP("rndc is missing; run scripts/install-deps.sh");
        QString reason;
        if (!Sandbox::isolateNetwork(&reason)) {
            if (TestSupport::isCI())
                QFAIL(qPrintable(reason));
            QSKIP(qPrintable("the machine's named could answer: " + reason));
        }
        Sandbox::writeFile(QStringLiteral("/etc/bind/rndc.key"),
                           "key \"rndc-key\" {\n\talgorithm hmac-sha256;\n\tsecret "
                           "\"c2VjcmV0IGtleSBvZiB0aGUgdGVzdA==\";\n};\n");

        const Rndc::Result result = Rndc::reload();

        QCOMPARE(outcomeName(result.outcome), QStringLiteral("unreachable"));
        QCOMPARE(result.message, QStringLiteral("rndc: connect failed: 127.0.0.1#953: "
                                                "connection refused"));
    }
};

TAMZOR_SANDBOX_TEST_MAIN(TestRndc)
#include "tst_rndc.moc"
