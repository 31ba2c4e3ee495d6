#include "testmain.h"

#include <QFile>
#include <QProcess>

// The sandbox itself: what the other tests rely on.
class TestSandbox : public QObject
{
    Q_OBJECT

private slots:
    void init() { Sandbox::reset(); }

    void etcBind_isPrivateAndEmpty()
    {
        QVERIFY(!QFile::exists(QStringLiteral("/etc/bind/named.conf")));
        Sandbox::installDebianDefaults();
        QVERIFY(QFile::exists(QStringLiteral("/etc/bind/named.conf")));
        QVERIFY(QFile::exists(QStringLiteral("/etc/bind/db.local")));
    }

    void readOnly_refusesWrites()
    {
        Sandbox::makeReadOnly();
        QFile file(QStringLiteral("/etc/bind/x"));
        QVERIFY(!file.open(QIODevice::WriteOnly));
        Sandbox::reset();
        QVERIFY(file.open(QIODevice::WriteOnly));
    }

    void fakeSystemctl_answersAndLogs()
    {
        QCOMPARE(QProcess::execute(QStringLiteral("systemctl"),
                                   {QStringLiteral("is-active"), QStringLiteral("bind9")}),
                 3);
        QCOMPARE(QProcess::execute(QStringLiteral("systemctl"),
                                   {QStringLiteral("start"), QStringLiteral("bind9")}),
                 0);
        QVERIFY(Sandbox::Systemctl::isActive());
        Sandbox::Systemctl::setAnswer(QStringLiteral("stop"), 5, "denied\n");
        QCOMPARE(QProcess::execute(QStringLiteral("systemctl"),
                                   {QStringLiteral("stop"), QStringLiteral("bind9")}),
                 5);
        QCOMPARE(Sandbox::Systemctl::calls(),
                 QStringList({QStringLiteral("is-active bind9"), QStringLiteral("start bind9"),
                              QStringLiteral("stop bind9")}));
    }

    void replacedProgram_runsTheStandIn()
    {
        const QString program = QStringLiteral("/usr/bin/named-checkzone");
        Sandbox::replaceProgram(program, "#!/bin/sh\nexit 42\n");
        QCOMPARE(QProcess::execute(program, {}), 42);
        Sandbox::reset();
        Sandbox::removeProgram(program);
        QProcess process;
        process.start(program, QStringList());
        QVERIFY(!process.waitForStarted());
    }
};

TAMZOR_SANDBOX_TEST_MAIN(TestSandbox)
#include "tst_sandbox.moc"
