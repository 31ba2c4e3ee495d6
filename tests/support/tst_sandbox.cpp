#include "testmain.h"

#include <QDir>
#include <QFile>
#include <QProcess>

#include <arpa/inet.h>
#include <netinet/in.h>
#include <sys/socket.h>
#include <unistd.h>

#include <cerrno>

namespace {

// The machine's own files, as the process that started this test sees them from outside the
// sandbox.
QString machinePath(const QString &path)
{
    return QStringLiteral("/proc/%1/root%2").arg(getppid()).arg(path);
}

// Connecting a datagram socket only picks a route; nothing is sent.
int connectError(const char *address)
{
    const int socketFd = socket(AF_INET, SOCK_DGRAM | SOCK_CLOEXEC, 0);
    sockaddr_in target = {};
    target.sin_family = AF_INET;
    target.sin_port = htons(53);
    inet_pton(AF_INET, address, &target.sin_addr);
    const int result = connect(socketFd, reinterpret_cast<sockaddr *>(&target), sizeof target);
    const int error = result == 0 ? 0 : errno;
    close(socketFd);
    return error;
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

    void isolatedNetwork_reachesOnlyTheLoopback()
    {
        QString reason;
        QVERIFY2(Sandbox::isolateNetwork(&reason), qPrintable(reason));
        QCOMPARE(connectError("127.0.0.1"), 0);
        QCOMPARE(connectError("192.0.2.1"), ENETUNREACH);
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
