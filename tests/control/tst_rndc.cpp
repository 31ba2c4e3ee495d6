#include "control/rndc.h"
#include "tests/support/testmain.h"

#include <QStandardPaths>

namespace {

const QString rndc = QStringLiteral("/usr/sbin/rndc");

// Calls Rndc as "COMMAND [ZONE [CLASS [VIEW]]]", where a class "-" is left empty.
Rndc::Result call(const QString &line)
{
    const QStringList words = line.split(' ');
    const QString &command = words.at(0);
    const QString zone = words.value(1);
    const QString zoneClass = words.value(2) == "-" ? QString() : words.value(2);
    const QString view = words.value(3);
    if (command == "reload")
        return zone.isEmpty() ? Rndc::reload() : Rndc::reload(zone, zoneClass, view);
    if (command == "freeze")
        return Rndc::freeze(zone, zoneClass, view);
    if (command == "thaw")
        return Rndc::thaw(zone, zoneClass, view);
    if (command == "reconfig")
        return Rndc::reconfig();
    return command == "sync" ? Rndc::sync() : Rndc::status();
}

QString outcomeName(Rndc::Result::Outcome outcome)
{
    static const char *const names[] = {"done", "refused", "unreachable", "not run"};
    return names[outcome];
}

} // namespace

class TestRndc : public QObject
{
    Q_OBJECT

private slots:
    void init() { Sandbox::reset(); }

    // A stand-in rndc (bash, or "missing"), the outcome with its message ("..." at the end: the
    // start of the text) and the arguments rndc got.
    void call_standInRndc_outcomeAndItsWords_data()
    {
        QTest::addColumn<QString>("call");
        QTest::addColumn<QByteArray>("script");
        QTest::addColumn<QString>("outcome");
        QTest::addColumn<QString>("message");
        QTest::addColumn<QByteArray>("arguments");
        const QByteArray connectFailed =
            "echo 'rndc: connect failed: 127.0.0.1#953: connection refused' >&2; exit 1";
        QTest::newRow("zone in a view reloaded: rndc's words")
            << "reload example. IN internal" << QByteArray("echo 'zone reload queued'") << "done"
            << "zone reload queued" << QByteArray("reload example. IN internal");
        QTest::newRow("all reloaded")
            << "reload" << QByteArray("echo 'server reload successful'") << "done"
            << "server reload successful" << QByteArray("reload");
        QTest::newRow("reconfig refused by named")
            << "reconfig"
            << QByteArray("echo \"rndc: 'reconfig' failed: permission denied\" >&2; exit 1")
            << "refused"
            << "rndc: 'reconfig' failed: permission denied" << QByteArray("reconfig");
        QTest::newRow("unknown zone refused, with named's reason below")
            << "freeze nowhere."
            << QByteArray("echo \"rndc: 'freeze' failed: not found\" >&2; echo \"no matching "
                          "zone 'nowhere.' in any view\" >&2; exit 1")
            << "refused"
            << "rndc: 'freeze' failed: not found\nno matching zone 'nowhere.' in any view"
            << QByteArray("freeze nowhere.");
        QTest::newRow("named not listening: unreachable; a view without class is in IN")
            << "thaw example. - internal" << connectFailed << "unreachable"
            << "rndc: connect failed: 127.0.0.1#953: connection refused"
            << QByteArray("thaw example. IN internal");
        QTest::newRow("another key: channel closed, unreachable")
            << "sync"
            << QByteArray("printf 'rndc: connection to remote host closed.\\nThis may indicate "
                          "that\\n* this host is not authorized to connect,\\n' >&2; exit 1")
            << "unreachable"
            << "rndc: connection to remote host closed.\nThis may indicate ..."
            << QByteArray("sync");
        QTest::newRow("failure without a word: the exit code")
            << "status" << QByteArray("exit 1") << "unreachable"
            << "/usr/sbin/rndc exited with code 1.\n"
            << QByteArray("status");
        QTest::newRow("rndc missing") << "status" << QByteArray("missing") << "not run"
                                      << "/usr/sbin/rndc could not be started: ..." << QByteArray();
        QTest::newRow("rndc crashes after printing")
            << "status" << QByteArray("echo 'version: 9'; kill -SEGV $$") << "not run"
            << "/usr/sbin/rndc crashed" << QByteArray("status");
    }

    void call_standInRndc_outcomeAndItsWords()
    {
        QFETCH(QString, call);
        QFETCH(QByteArray, script);
        QFETCH(QString, outcome);
        QFETCH(QString, message);
        QFETCH(QByteArray, arguments);
        const QString log = Sandbox::scratchDirectory() + QStringLiteral("/arguments");
        if (script == "missing")
            Sandbox::removeProgram(rndc);
        else
            Sandbox::replaceProgram(rndc, "#!/bin/bash\necho \"$@\" > " + QFile::encodeName(log) +
                                              '\n' + script + '\n');

        const Rndc::Result result = ::call(call);

        QCOMPARE(outcomeName(result.outcome), outcome);
        QVERIFY2(message.endsWith("...") ? result.message.startsWith(message.chopped(3))
                                         : result.message == message,
                 qPrintable(result.message));
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
