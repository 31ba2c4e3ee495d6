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

    void namedDirectories_privateAndEmptiedByReset_data()
    {
        QTest::addColumn<QString>("directory");
        QTest::newRow("working directory") << QStringLiteral("/var/cache/bind");
        QTest::newRow("pid and session key directory") << QStringLiteral("/run/named");
    }

    void namedDirectories_privateAndEmptiedByReset()
    {
        QFETCH(QString, directory);
        const QString path = directory + QStringLiteral("/named.pid");
        Sandbox::writeFile(path, "1\n");
        QVERIFY(QFile::exists(path));
        if (QDir(machinePath(directory)).exists())
            QVERIFY(!QFile::exists(machinePath(path)));
        Sandbox::reset();
        QVERIFY(!QFile::exists(path));
    }

    void failingHook_failsSystemctl_stateUnchanged()
    {
        Sandbox::Systemctl::setHook(QStringLiteral("start"), "#!/bin/sh\nexit 4\n");
        QCOMPARE(QProcess::execute(QStringLiteral("systemctl"),
                                   {QStringLiteral("start"), QStringLiteral("bind9")}),
                 4);
        QVERIFY(!Sandbox::Systemctl::isActive());
    }

    void isolatedNetwork_reachesOnlyTheLoopback()
    {
        QString reason;
        QVERIFY2(Sandbox::isolateNetwork(&reason), qPrintable(reason));
        QCOMPARE(connectError("127.0.0.1"), 0);
        QCOMPARE(connectError("192.0.2.1"), ENETUNREACH);
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
