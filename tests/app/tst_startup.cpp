#include "tests/support/testmain.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>

#include <signal.h>

namespace {
const QString program = QStringLiteral(TAMZOR_PROGRAM);
const QString sampleDirectory = QStringLiteral(TAMZOR_SAMPLE_DIRECTORY);
const QString nobody = QStringLiteral("65534");
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
    QString display;
    QList<QProcess *> processes;

    QProcessEnvironment environment() const
    {
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(QStringLiteral("DISPLAY"), display);
        environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("xcb"));
        return environment;
    }

    QProcess *run(const QString &command, const QStringList &arguments)
    {
        auto process = new QProcess(this);
        process->setProcessEnvironment(environment());
        process->setProcessChannelMode(QProcess::ForwardedErrorChannel);
        process->start(command, arguments);
        processes.append(process);
        return process;
    }

    QProcess *startTamzor(bool asNobody = false)
    {
        if (!asNobody)
            return run(program, {});
        return run(QStringLiteral("setpriv"),
                   {QStringLiteral("--reuid=") + nobody, QStringLiteral("--regid=") + nobody,
                    QStringLiteral("--clear-groups"), programForAnyone()});
    }

    // The build may lie where only root can go, so other users run a copy.
    QString programForAnyone()
    {
        const QString copy = QDir(publicDirectory.path()).filePath(QStringLiteral("tamzor"));
        if (!QFile::exists(copy) && !QFile::copy(program, copy))
            return program;
        const auto everyone = QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner |
                              QFile::ReadGroup | QFile::ExeGroup | QFile::ReadOther |
                              QFile::ExeOther;
        QFile::setPermissions(publicDirectory.path(), everyone);
        QFile::setPermissions(copy, everyone);
        return copy;
    }

    QStringList xdotool(const QStringList &arguments)
    {
        QProcess tool;
        tool.setProcessEnvironment(environment());
        tool.start(QStringLiteral("xdotool"), arguments);
        tool.waitForFinished(10000);
        return QString::fromUtf8(tool.readAllStandardOutput())
            .split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    }

    QStringList windowsNamed(const QString &title)
    {
        return xdotool({QStringLiteral("search"), QStringLiteral("--onlyvisible"),
                        QStringLiteral("--name"), QLatin1Char('^') + title + QLatin1Char('$')});
    }

    QStringList windowsOf(QProcess *process)
    {
        return xdotool({QStringLiteral("search"), QStringLiteral("--onlyvisible"),
                        QStringLiteral("--pid"), QString::number(process->processId())});
    }

    bool waitForWindows(const QString &title, int count)
    {
        return QTest::qWaitFor([&] { return windowsNamed(title).size() >= count; }, 30000);
    }

    // Top-level windows, the topmost first.
    QStringList stackingOrder()
    {
        QProcess info;
        info.setProcessEnvironment(environment());
        info.start(QStringLiteral("xwininfo"),
                   {QStringLiteral("-root"), QStringLiteral("-children")});
        info.waitForFinished(10000);
        QStringList windows;
        const QStringList lines = QString::fromUtf8(info.readAllStandardOutput()).split('\n');
        for (const QString &line : lines) {
            const QString trimmed = line.trimmed();
            if (trimmed.startsWith(QStringLiteral("0x")))
                windows.append(QString::number(trimmed.section(' ', 0, 0).toUInt(nullptr, 16)));
        }
        return windows;
    }

    void pressEnter() { xdotool({QStringLiteral("key"), QStringLiteral("Return")}); }

    int exitCode(QProcess *process)
    {
        if (!process->waitForFinished(30000) || process->exitStatus() != QProcess::NormalExit)
            return -1000;
        return process->exitCode();
    }

private slots:
    void initTestCase()
    {
        for (const QString &tool : {QStringLiteral("Xvfb"), QStringLiteral("xdotool"),
                                    QStringLiteral("xwininfo"), QStringLiteral("setpriv")}) {
            if (QStandardPaths::findExecutable(tool).isEmpty() && !TestSupport::isCI())
                QSKIP(qPrintable(tool + QStringLiteral(" is missing")));
        }
        // Xvfb picks a free display itself and names it on the descriptor given: choosing one
        // here races with other runs on the same machine.
        xvfb.start(QStringLiteral("Xvfb"),
                   {QStringLiteral("-displayfd"), QStringLiteral("1"), QStringLiteral("-screen"),
                    QStringLiteral("0"), QStringLiteral("1024x768x24"), QStringLiteral("-nolisten"),
                    QStringLiteral("tcp")});
        QVERIFY(QTest::qWaitFor([&] { return xvfb.canReadLine(); }, 10000));
        const QByteArray number = xvfb.readLine().trimmed();
        QVERIFY(!number.isEmpty());
        display = QStringLiteral(":") + QString::fromLatin1(number);
    }

    void cleanupTestCase()
    {
        xvfb.terminate();
        xvfb.waitForFinished(5000);
    }

    void init()
    {
        Sandbox::reset();
        const QStringList files = QDir(sampleDirectory).entryList(QDir::Files);
        for (const QString &file : files) {
            QFile sample(QDir(sampleDirectory).filePath(file));
            QVERIFY(sample.open(QIODevice::ReadOnly));
            Sandbox::writeFile(QStringLiteral("/etc/bind/") + file, sample.readAll());
        }
    }

    void cleanup()
    {
        // Quitting, rather than killing, lets an instance give up its lock in /tmp.
        for (QProcess *process : qAsConst(processes)) {
            ::kill(pid_t(process->processId()), SIGCONT);
            const QStringList windows = windowsOf(process);
            if (!windows.isEmpty()) {
                xdotool({QStringLiteral("windowfocus"), QStringLiteral("--sync"), windows.last()});
                xdotool({QStringLiteral("key"), QStringLiteral("ctrl+q")});
            }
            if (!process->waitForFinished(5000))
                process->kill();
            process->waitForFinished(5000);
        }
        qDeleteAll(processes);
        processes.clear();
    }

    void normalStart_showsWindow_quitEndsWithStatus0()
    {
        QProcess *tamzor = startTamzor();
        QVERIFY(waitForWindows(QStringLiteral("Tamzor"), 1));
        const QString window = windowsNamed(QStringLiteral("Tamzor")).first();
        xdotool({QStringLiteral("windowfocus"), QStringLiteral("--sync"), window});
        xdotool({QStringLiteral("key"), QStringLiteral("ctrl+q")});
        QCOMPARE(exitCode(tamzor), 0);
    }

    void nonRoot_onlyUnprivilegedBox_status0_data()
    {
        QTest::addColumn<bool>("rootInstanceRuns");
        QTest::newRow("alone") << false;
        QTest::newRow("while root's instance runs") << true;
    }

    void nonRoot_onlyUnprivilegedBox_status0()
    {
        QFETCH(bool, rootInstanceRuns);
        if (rootInstanceRuns) {
            startTamzor();
            QVERIFY(waitForWindows(QStringLiteral("Tamzor"), 1));
        }
        const bool hadLockDirectory =
            QFileInfo::exists(QStringLiteral("/tmp/tamzor-single-") + nobody);
        QProcess *tamzor = startTamzor(true);
        QVERIFY(waitForWindows(QStringLiteral("Unprivileged user"), 1));
        QCOMPARE(windowsOf(tamzor).size(), 1);
        pressEnter();
        QCOMPARE(exitCode(tamzor), 0);
        QCOMPARE(windowsNamed(QStringLiteral("Tamzor")).size(), rootInstanceRuns ? 1 : 0);
        if (!hadLockDirectory)
            QDir(QStringLiteral("/tmp/tamzor-single-") + nobody).removeRecursively();
    }

    void secondStart_ends255_firstWindowRaised()
    {
        startTamzor();
        QVERIFY(waitForWindows(QStringLiteral("Tamzor"), 1));
        const QString first = windowsNamed(QStringLiteral("Tamzor")).first();
        run(QStringLiteral("xlogo"), {});
        QVERIFY(waitForWindows(QStringLiteral("xlogo"), 1));
        const QString cover = windowsNamed(QStringLiteral("xlogo")).first();
        QVERIFY(stackingOrder().indexOf(cover) < stackingOrder().indexOf(first));

        QCOMPARE(exitCode(startTamzor()), 255);
        QCOMPARE(windowsNamed(QStringLiteral("Tamzor")), QStringList({first}));
        QTRY_VERIFY(stackingOrder().indexOf(first) < stackingOrder().indexOf(cover));
    }

    void secondStart_firstInstanceFrozen_stillEnds255()
    {
        QProcess *first = startTamzor();
        QVERIFY(waitForWindows(QStringLiteral("Tamzor"), 1));
        ::kill(pid_t(first->processId()), SIGSTOP);
        QElapsedTimer clock;
        clock.start();
        QCOMPARE(exitCode(startTamzor()), 255);
        QVERIFY(clock.elapsed() < 20000);
        ::kill(pid_t(first->processId()), SIGCONT);
    }

    void refusedConfiguration_boxThenStatus1()
    {
        Sandbox::writeFile(QStringLiteral("/etc/bind/named.conf.options"),
                           "options { frobnicate yes; };\n");
        QProcess *tamzor = startTamzor();
        // The main window and, over it, the box named after the application.
        QVERIFY(waitForWindows(QStringLiteral("Tamzor"), 2));
        pressEnter();
        QCOMPARE(exitCode(tamzor), 1);

        // The failed start left its lock behind; the next start must not take it for a running
        // instance.
        init();
        QProcess *next = startTamzor();
        QVERIFY(waitForWindows(QStringLiteral("Tamzor"), 1));
        QCOMPARE(next->state(), QProcess::Running);
    }
};

TAMZOR_SANDBOX_TEST_MAIN(TestStartup)
#include "tst_startup.moc"
