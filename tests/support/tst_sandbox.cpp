#include "testmain.h"

#include <QDir>
#include <QFile>
#include <QNetworkInterface>
#include <QProcess>

#include <unistd.h>

namespace {

// The machine's own files, as the process that started this test sees them from outside the
// sandbox.
QString machinePath(const QString &path)
{
    return QStringLiteral("/proc/%1/root%2").arg(getppid()).arg(path);
}

} // namespace

// The sandbox itself: what the other tests rely on.
class TestSandbox : public QObject
{
    Q_OBJECT

private slots:
    void init() { Sandbox::reset(); }

    void directories_stayOffTheMachine_resetEmptiesThem_data()
    {
        QTest::addColumn<QString>("directory");
        QTest::newRow("configuration") << QStringLiteral("/etc/bind");
        QTest::newRow("working directory") << QStringLiteral("/var/cache/bind");
        QTest::newRow("pid and session key directory") << QStringLiteral("/run/named");
    }

    void directories_stayOffTheMachine_resetEmptiesThem()
    {
        QFETCH(QString, directory);
        const QString path = directory + QStringLiteral("/tamzor-sandbox-probe");
        Sandbox::writeFile(path, "1\n");
        QVERIFY(QFile::exists(path));
        if (QDir(machinePath(directory)).exists())
            QVERIFY(!QFile::exists(machinePath(path)));
        Sandbox::reset();
        QVERIFY(!QFile::exists(path));
    }

    // The machine's systemctl is never reached: the fake one first on PATH answers.
    void systemctl_isTheFake()
    {
        QCOMPARE(QProcess::execute(QStringLiteral("systemctl"), {"start", "bind9"}), 0);
        QVERIFY(Sandbox::Systemctl::isActive());
        QCOMPARE(Sandbox::Systemctl::calls(), QStringList{"start bind9"});
    }

    void isolatedNetwork_hasNothingButTheLoopback()
    {
        QString reason;
        QVERIFY2(Sandbox::isolateNetwork(&reason), qPrintable(reason));
        const QList<QNetworkInterface> interfaces = QNetworkInterface::allInterfaces();
        QCOMPARE(interfaces.size(), 1);
        const auto flags = interfaces.first().flags();
        QVERIFY(flags.testFlag(QNetworkInterface::IsLoopBack) &&
                flags.testFlag(QNetworkInterface::IsUp));
    }

    void replacedProgram_runsTheStandIn_machineKeepsItsOwn()
    {
        const QString program = QStringLiteral("/usr/bin/named-checkzone");
        Sandbox::replaceProgram(program, "#!/bin/sh\nexit 42\n");
        QCOMPARE(QProcess::execute(program, {}), 42);
        QFile machineProgram(machinePath(program));
        if (machineProgram.open(QIODevice::ReadOnly))
            QCOMPARE(machineProgram.read(4), QByteArray("\177ELF"));
    }
};

TAMZOR_SANDBOX_TEST_MAIN(TestSandbox)
#include "tst_sandbox.moc"
