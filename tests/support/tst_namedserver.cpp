#include "control/systemctl.h"
#include "namedserver.h"
#include "testmain.h"

#include <QDir>
#include <QFileInfo>
#include <QProcess>
#include <QScopeGuard>
#include <QSignalSpy>
#include <QStandardPaths>

#include <unistd.h>

#include <csignal>
#include <cstdio>
#include <memory>

namespace {

const char crashChildVariable[] = "TAMZOR_NAMED_CRASH_CHILD";

int systemctl(const QString &command, QByteArray *standardError = nullptr)
{
    QProcess process;
    process.start(QStringLiteral("systemctl"), {command, QStringLiteral("bind9")});
    if (!process.waitForFinished(30000))
        return -1;
    if (standardError)
        *standardError = process.readAllStandardError();
    return process.exitCode();
}

int quietly(const QString &program, const QStringList &arguments)
{
    QProcess process;
    process.start(program, arguments);
    if (!process.waitForFinished(30000))
        return -1;
    return process.exitCode();
}

bool namedRunsOnPort(quint16 port)
{
    const QString pattern = QStringLiteral("^/usr/sbin/named .*-p %1 ").arg(port);
    return quietly(QStringLiteral("pgrep"), {QStringLiteral("-f"), pattern}) == 0;
}

// The machine's own files, as the process that started this test sees them from outside the
// sandbox.
QString machinePath(const QString &path)
{
    return QStringLiteral("/proc/%1/root%2").arg(getppid()).arg(path);
}

QStringList machineEntries(const QString &path)
{
    return QDir(machinePath(path))
        .entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden);
}

// The other half of testProcessKilled_namedStops: a test process that starts named and dies on
// the spot, with no destructor run.
[[noreturn]] void startNamedAndDie()
{
    auto *server = new NamedServer;
    server->installConfiguration();
    if (systemctl(QStringLiteral("start")) != 0)
        std::exit(1);
    std::printf("port=%u\nsandbox=%s\nrun=%s\n", server->port(),
                qPrintable(QFileInfo(Sandbox::scratchDirectory()).path()),
                qPrintable(QFileInfo(server->logPath()).path()));
    std::fflush(stdout);
    kill(getpid(), SIGKILL);
    std::abort();
}

QString childValue(const QByteArray &output, const QString &key)
{
    const QStringList lines = QString::fromUtf8(output).split(QLatin1Char('\n'));
    for (const QString &line : lines) {
        if (line.startsWith(key + QLatin1Char('=')))
            return line.mid(key.size() + 1);
    }
    return {};
}

const QByteArray exampleZone = R"($TTL 3600
@	IN	SOA	ns.example.test. hostmaster.example.test. 7 3600 600 86400 300
@	IN	NS	ns.example.test.
ns	IN	A	127.0.0.53
www	IN	TXT	"two  spaces"
)";

} // namespace

// The real named that the end-to-end tests drive through the fake systemctl.
class TestNamedServer : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        if (qEnvironmentVariableIsSet(crashChildVariable))
            startNamedAndDie();
        for (const char *program : {"named", "dig", "pgrep"}) {
            const QStringList paths = {QStringLiteral("/usr/sbin"), QStringLiteral("/usr/bin")};
            if (!QStandardPaths::findExecutable(QString::fromLatin1(program), paths).isEmpty())
                continue;
            if (TestSupport::isCI())
                QFAIL(qPrintable(QStringLiteral("%1 is missing").arg(QLatin1String(program))));
            QSKIP("named, dig or pgrep is missing; run scripts/install-deps.sh");
        }
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

    void startBind9_answersFromTheLocalhostZones()
    {
        QCOMPARE(systemctl(QStringLiteral("start")), 0);
        QCOMPARE(systemctl(QStringLiteral("is-active")), 0);
        QCOMPARE(server->query(QStringLiteral("localhost."), QStringLiteral("SOA")),
                 QStringList("localhost. 604800 IN SOA localhost. root.localhost. 2 604800 86400 "
                             "2419200 604800"));
        QCOMPARE(server->query(QStringLiteral("localhost."), QStringLiteral("A")),
                 QStringList("localhost. 604800 IN A 127.0.0.1"));
        QCOMPARE(server->query(QStringLiteral("1.0.0.127.in-addr.arpa."), QStringLiteral("PTR")),
                 QStringList("1.0.0.127.in-addr.arpa. 604800 IN PTR localhost."));
        // Outside its zones named refuses instead of looking the name up elsewhere.
        QCOMPARE(server->query(QStringLiteral("www.example.com."), QStringLiteral("A")),
                 QStringList());
        QCOMPARE(server->outgoingQueryLog(), QStringList());
    }

    void restartBind9_servesAZoneAddedMeanwhile()
    {
        QCOMPARE(systemctl(QStringLiteral("start")), 0);
        Sandbox::writeFile(QStringLiteral("/etc/bind/db.example"), exampleZone);
        Sandbox::writeFile(
            QStringLiteral("/etc/bind/named.conf.local"),
            "zone \"example.test\" { type master; file \"/etc/bind/db.example\"; };\n");
        QCOMPARE(server->query(QStringLiteral("ns.example.test."), QStringLiteral("A")),
                 QStringList());
        QCOMPARE(systemctl(QStringLiteral("restart")), 0);
        QCOMPARE(systemctl(QStringLiteral("is-active")), 0);
        QCOMPARE(server->query(QStringLiteral("ns.example.test."), QStringLiteral("A")),
                 QStringList("ns.example.test. 3600 IN A 127.0.0.53"));
        QCOMPARE(server->query(QStringLiteral("www.example.test."), QStringLiteral("TXT")),
                 QStringList("www.example.test. 3600 IN TXT \"two  spaces\""));
        QCOMPARE(quietly(QStringLiteral("named-checkconf"), {QStringLiteral("-z")}), 0);
        QCOMPARE(server->outgoingQueryLog(), QStringList());
    }

    void stopBind9_namedGone_isActiveFails()
    {
        QCOMPARE(systemctl(QStringLiteral("start")), 0);
        QVERIFY(namedRunsOnPort(server->port()));
        QCOMPARE(systemctl(QStringLiteral("stop")), 0);
        QVERIFY(!namedRunsOnPort(server->port()));
        QVERIFY(!server->isRunning());
        QCOMPARE(systemctl(QStringLiteral("is-active")), 3);
        QCOMPARE(systemctl(QStringLiteral("stop")), 0);
    }

    // What the window's Server menu drives.
    void serviceControl_startStop_followNamed()
    {
        SystemCtl control;
        QSignalSpy active(&control, &SystemCtl::active);
        QSignalSpy error(&control, &SystemCtl::error);
        control.start();
        QCOMPARE(active.takeLast(), QVariantList({true}));
        QCOMPARE(server->query(QStringLiteral("localhost."), QStringLiteral("A")).size(), 1);
        control.stop();
        QCOMPARE(active.takeLast(), QVariantList({false}));
        QCOMPARE(error.count(), 0);
    }

    void startBind9_brokenConfiguration_failsWithNamedsComplaint()
    {
        Sandbox::writeFile(QStringLiteral("/etc/bind/named.conf.local"), "zone {\n");
        QByteArray standardError;
        QCOMPARE(systemctl(QStringLiteral("start"), &standardError), 1);
        QVERIFY2(standardError.contains("named.conf.local:"), standardError.constData());
        QCOMPARE(systemctl(QStringLiteral("is-active")), 3);
        QVERIFY(!namedRunsOnPort(server->port()));
    }

    void namedFiles_stayOffTheMachine()
    {
        const QStringList paths = {QStringLiteral("/run/named"), QStringLiteral("/var/cache/bind")};
        if (!QFileInfo(machinePath(QStringLiteral("/run"))).isDir())
            QSKIP("the machine's own files cannot be seen from here");
        QList<QStringList> before;
        for (const QString &path : paths)
            before.append(machineEntries(path));
        QCOMPARE(systemctl(QStringLiteral("start")), 0);
        QVERIFY(QFileInfo::exists(QStringLiteral("/run/named/named.pid")));
        for (int i = 0; i < paths.size(); ++i)
            QCOMPARE(machineEntries(paths.at(i)), before.at(i));
    }

    void testProcessKilled_namedStops()
    {
        QProcess child;
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(QString::fromLatin1(crashChildVariable), QStringLiteral("1"));
        child.setProcessEnvironment(environment);
        child.start(QCoreApplication::applicationFilePath(), QStringList());
        QVERIFY(child.waitForFinished(30000));
        const QByteArray output = child.readAllStandardOutput();
        QCOMPARE(child.exitStatus(), QProcess::CrashExit);
        // Nobody else removes the temporary directories of a killed test.
        const auto removeLeftovers = qScopeGuard([&output] {
            for (const QString &key : {QStringLiteral("sandbox"), QStringLiteral("run")}) {
                const QString path = childValue(output, key);
                if (!path.isEmpty())
                    QDir(path).removeRecursively();
            }
        });
        const quint16 port = childValue(output, QStringLiteral("port")).toUShort();
        QVERIFY2(port != 0, output.constData());
        QTRY_VERIFY_WITH_TIMEOUT(!namedRunsOnPort(port), 15000);
    }

private:
    std::unique_ptr<NamedServer> server;
};

TAMZOR_SANDBOX_TEST_MAIN(TestNamedServer)
#include "tst_namedserver.moc"
