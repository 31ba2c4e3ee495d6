#include "tests/support/testmain.h"

#include <QDir>
#include <QElapsedTimer>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>

#include <signal.h>
#include <sys/stat.h>

namespace {
const QString nobodyLock = QStringLiteral("/tmp/tamzor-single-65534");
} // namespace

// The program as a whole, run as real processes on a virtual X display, where a key press
// answers its boxes: who may start it, the hand-over to a running instance, a configuration
// that the checker refuses.
class TestStartup : public QObject
{
    Q_OBJECT

private:
    QProcess xvfb;
    QTemporaryDir publicDirectory;
    QString publicProgram;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    QList<QProcess *> processes;

    QProcess *run(const QString &program, const QStringList &arguments = {})
    {
        auto *process = new QProcess(this);
        process->setProcessEnvironment(environment);
        process->setProcessChannelMode(QProcess::ForwardedErrorChannel);
        process->start(program, arguments);
        processes.append(process);
        return process;
    }

    QProcess *startTamzor() { return run(QStringLiteral(TAMZOR_PROGRAM)); }

    // What xdotool printed, one entry a line.
    QStringList xdotool(const QStringList &arguments)
    {
        QProcess process;
        process.setProcessEnvironment(environment);
        process.start("xdotool", arguments);
        process.waitForFinished(10000);
        return QString::fromUtf8(process.readAllStandardOutput()).split('\n', Qt::SkipEmptyParts);
    }

    // The visible windows so titled, once there are at least `count` (fewer on time-out).
    QStringList windows(const QString &title, int count = 0)
    {
        QStringList found;
        (void)QTest::qWaitFor(
            [&] {
                found = xdotool({"search", "--onlyvisible", "--name", '^' + title + '$'});
                return found.size() >= count;
            },
            30000);
        return found;
    }

    int exitCode(QProcess *process)
    {
        const bool ended = process->waitForFinished(30000);
        return ended && process->exitStatus() == QProcess::NormalExit ? process->exitCode() : -1000;
    }

private slots:
    void initTestCase()
    {
        for (const char *tool : {"Xvfb", "xdotool", "xlogo", "setpriv"}) {
            if (QStandardPaths::findExecutable(tool).isEmpty() && !TestSupport::isCI())
                QSKIP(qPrintable(tool + QStringLiteral(" is missing")));
        }
        // Xvfb picks a free display itself and names it on the descriptor given: choosing one
        // here races with other runs on the same machine. Without -noreset it starts afresh
        // whenever its last client leaves, and refuses whoever connects meanwhile.
        xvfb.start("Xvfb", {"-displayfd", "1", "-noreset", "-screen", "0", "1024x768x24",
                            "-nolisten", "tcp"});
        QVERIFY(QTest::qWaitFor([&] { return xvfb.canReadLine(); }, 10000));
        environment.insert("DISPLAY", ':' + QString::fromLatin1(xvfb.readLine().trimmed()));
        environment.insert("QT_QPA_PLATFORM", "xcb");
        // The build may lie where only root can go, so other users run a copy.
        publicProgram = publicDirectory.filePath("tamzor");
        QVERIFY(QFile::copy(QStringLiteral(TAMZOR_PROGRAM), publicProgram));
        QVERIFY(chmod(QFile::encodeName(publicDirectory.path()), 0755) == 0);
        QVERIFY(chmod(QFile::encodeName(publicProgram), 0755) == 0);
    }

    void cleanupTestCase()
    {
        xvfb.terminate();
        xvfb.waitForFinished(5000);
    }

    void init()
    {
        Sandbox::reset();
        const QDir samples(QStringLiteral(TAMZOR_SAMPLE_DIRECTORY));
        for (const QString &file : samples.entryList(QDir::Files))
            Sandbox::writeFile("/etc/bind/" + file, Sandbox::readFile(samples.filePath(file)));
    }

    // Quitting, rather than killing, lets an instance give up its lock in /tmp.
    void cleanup()
    {
        for (QProcess *process : qAsConst(processes)) {
            const QString pid = QString::number(process->processId());
            ::kill(pid_t(process->processId()), SIGCONT);
            xdotool({"search", "--onlyvisible", "--pid", pid, "windowfocus", "--sync", "key",
                     "ctrl+q"});
            if (!process->waitForFinished(5000))
                process->kill();
            process->waitForFinished(5000);
        }
        qDeleteAll(processes);
        processes.clear();
    }

    void nonRoot_onlyUnprivilegedBox_rootsInstanceUntouched_status0()
    {
        startTamzor();
        QCOMPARE(windows("Tamzor", 1).size(), 1);
        const bool hadLockDirectory = QFileInfo::exists(nobodyLock);
        QProcess *tamzor =
            run("setpriv", {"--reuid=65534", "--regid=65534", "--clear-groups", publicProgram});
        QCOMPARE(windows("Unprivileged user", 1).size(), 1);
        xdotool({"key", "Return"});
        QCOMPARE(exitCode(tamzor), 0);
        QCOMPARE(windows("Tamzor").size(), 1);
        if (!hadLockDirectory)
            QDir(nobodyLock).removeRecursively();
    }

    void secondStart_ends255_data()
    {
        QTest::addColumn<bool>("frozen");
        QTest::newRow("first window raised") << false;
        QTest::newRow("first instance frozen") << true;
    }

    void secondStart_ends255()
    {
        QFETCH(bool, frozen);
        QProcess *first = startTamzor();
        const QString window = windows("Tamzor", 1).value(0);
        QVERIFY(!window.isEmpty());
        run("xlogo");
        // Windows are listed from the bottom of the stack up.
        const QString cover = windows("xlogo", 1).value(0);
        QCOMPARE(windows("(Tamzor|xlogo)"), QStringList({window, cover}));
        if (frozen)
            ::kill(pid_t(first->processId()), SIGSTOP);

        QElapsedTimer clock;
        clock.start();
        QCOMPARE(exitCode(startTamzor()), 255);
        QVERIFY(clock.elapsed() < 20000);
        if (!frozen)
            QTRY_COMPARE(windows("(Tamzor|xlogo)"), QStringList({cover, window}));
    }

    void refusedConfiguration_boxThenStatus1_nextStartRunsAndQuitsWith0()
    {
        Sandbox::writeFile("/etc/bind/named.conf.options", "options { frobnicate yes; };\n");
        QProcess *refused = startTamzor();
        // The main window and, over it, the box named after the application.
        QCOMPARE(windows("Tamzor", 2).size(), 2);
        xdotool({"key", "Return"});
        QCOMPARE(exitCode(refused), 1);

        // The failed start left its lock behind: it is no running instance.
        init();
        QProcess *next = startTamzor();
        xdotool({"windowfocus", "--sync", windows("Tamzor", 1).value(0), "key", "ctrl+q"});
        QCOMPARE(exitCode(next), 0);
    }
};

TAMZOR_SANDBOX_TEST_MAIN(TestStartup)
#include "tst_startup.moc"
