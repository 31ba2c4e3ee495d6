#include "control/systemctl.h"
#include "namedserver.h"
#include "testmain.h"

#include <QDir>
#include <QFileInfo>
#include <QProcess>
#include <QRegularExpression>
#include <QSignalSpy>
#include <QStandardPaths>
#include <QTemporaryDir>

#include <unistd.h>

#include <csignal>
#include <cstdio>
#include <memory>

namespace {

const char crashChildVariable[] = "TAMZOR_NAMED_CRASH_CHILD";

int systemctl(const char *command)
{
    return QProcess::execute(QStringLiteral("systemctl"), {QString::fromLatin1(command), "bind9"});
}

bool namedRunsOnPort(quint16 port)
{
    const QString pattern = QStringLiteral("^/usr/sbin/named .*-p %1 ").arg(port);
    return QProcess::execute(QStringLiteral("pgrep"), {QStringLiteral("-f"), pattern}) == 0;
}

// The machine's own entries of named's directories, as the process that started this test sees
// them from outside the sandbox.
QStringList machineNamedEntries()
{
    QStringList entries;
    for (const char *path : {"/run/named", "/var/cache/bind"})
        entries += QDir(QStringLiteral("/proc/%1/root%2").arg(getppid()).arg(path))
                       .entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden);
    return entries;
}

// The other half of testProcessKilled_namedStops: a test process that starts named and dies on
// the spot, with no destructor run.
[[noreturn]] void startNamedAndDie()
{
    auto *server = new NamedServer;
    server->installConfiguration();
    if (systemctl("start") != 0)
        std::exit(1);
    std::printf("port=%u\n", server->port());
    std::fflush(stdout);
    kill(getpid(), SIGKILL);
    std::abort();
}

} // namespace

// The real named that the end-to-end tests drive through the fake systemctl.
class TestNamedServer : public QObject
{
    Q_OBJECT

    std::unique_ptr<NamedServer> server;

private slots:
    void initTestCase()
    {
        if (qEnvironmentVariableIsSet(crashChildVariable))
            startNamedAndDie();
        // Under CI a missing named fails below instead.
        if (QStandardPaths::findExecutable("named", {"/usr/sbin"}).isEmpty() &&
            !TestSupport::isCI())
            QSKIP("named is missing; run scripts/install-deps.sh");
    }

    void init()
    {
        Sandbox::reset();
        server = std::make_unique<NamedServer>();
        server->installConfiguration();
    }

    void cleanup()
    {
        const quint16 port = server->port();
        server.reset();
        QVERIFY2(!namedRunsOnPort(port), "named outlived its server");
    }

    // Started and stopped as the window's Server menu does, named serves its zones, asks nobody
    // and leaves the machine's own directories as they were.
    void serviceControl_startStop_followNamed()
    {
        const QStringList machineBefore = machineNamedEntries();
        SystemCtl control;
        QSignalSpy active(&control, &SystemCtl::active);
        control.start();
        QCOMPARE(active.takeLast(), QVariantList({true}));
        QCOMPARE(server->query("localhost.", "A"), QStringList("localhost. 604800 IN A 127.0.0.1"));
        QCOMPARE(server->query("www.example.com.", "A"), QStringList());
        QVERIFY(QFileInfo::exists("/run/named/named.pid"));
        QCOMPARE(machineNamedEntries(), machineBefore);

        control.stop();
        QCOMPARE(active.takeLast(), QVariantList({false}));
        QVERIFY(!namedRunsOnPort(server->port()));
        QCOMPARE(systemctl("is-active"), 3);
        QCOMPARE(server->outgoingQueryLog(), QStringList());
    }

    void testProcessKilled_namedStops()
    {
        QProcess child;
        QTemporaryDir leftovers; // of the killed process, which nobody else removes
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(QString::fromLatin1(crashChildVariable), QStringLiteral("1"));
        environment.insert(QStringLiteral("TMPDIR"), leftovers.path());
        child.setProcessEnvironment(environment);
        child.start(QCoreApplication::applicationFilePath(), QStringList());
        QVERIFY(child.waitForFinished(30000));
        QCOMPARE(child.exitStatus(), QProcess::CrashExit);
        const QString output = QString::fromUtf8(child.readAllStandardOutput());
        const QRegularExpression portLine(QStringLiteral("^port=(\\d+)$"),
                                          QRegularExpression::MultilineOption);
        const quint16 port = portLine.match(output).captured(1).toUShort();
        QVERIFY2(port != 0, qPrintable(output));
        QTRY_VERIFY_WITH_TIMEOUT(!namedRunsOnPort(port), 15000);
    }
};

TAMZOR_SANDBOX_TEST_MAIN(TestNamedServer)
#include "tst_namedserver.moc"
