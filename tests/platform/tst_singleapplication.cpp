#include "platform/singleapplication.h"
#include "tests/support/testsupport.h"

#include <QElapsedTimer>
#include <QProcess>
#include <QSignalSpy>
#include <QTest>
#include <QThread>
#include <QUuid>
#include <QWidget>

#include <cstdio>
#include <cstring>

namespace {
// The test binary doubles as the other instances: "--second ID MESSAGE" starts, reports whether
// it found one running and whether its message arrived, and ends; "--hold ID" keeps its place
// until it is sent "quit"; "--busy ID" keeps its place for three seconds without answering.
int runOtherInstance(int argc, char *argv[])
{
    const QByteArray mode = argv[1];
    SingleApplication application(QString::fromUtf8(argv[2]), argc, argv);
    std::printf("running=%d\n", application.isRunning() ? 1 : 0);
    std::fflush(stdout);
    if (mode == "--second") {
        const bool delivered = application.sendMessage(QString::fromUtf8(argv[3]), 1000);
        std::printf("delivered=%d\n", delivered ? 1 : 0);
        return 0;
    }
    if (mode == "--busy") {
        QThread::sleep(3);
        return 0;
    }
    QObject::connect(&application, &SingleApplication::messageReceived, &application,
                     [&application](const QString &message) {
                         if (message == QLatin1String("quit"))
                             application.quit();
                     });
    return application.exec();
}

bool isOtherInstanceCall(int argc, char *argv[])
{
    return argc >= 3 &&
           (std::strcmp(argv[1], "--second") == 0 || std::strcmp(argv[1], "--hold") == 0 ||
            std::strcmp(argv[1], "--busy") == 0);
}

QString freshId()
{
    return QStringLiteral("tst_singleapplication-") +
           QUuid::createUuid().toString(QUuid::WithoutBraces);
}
} // namespace

class TestSingleApplication : public QObject
{
    Q_OBJECT

public:
    explicit TestSingleApplication(SingleApplication &application) : application(application) {}

private slots:
    void firstInstance_isNotRunning();
    void secondStart_findsFirst_messageArrivesAndRaisesWindow();
    void secondStart_otherId_runsOnItsOwn();
    void crashedInstance_leavesNoBlockingLock();
    void busyInstance_sendMessageFailsAfterTimeout();

private:
    // Starts another instance of this binary and waits for its first line, "running=N".
    bool startOther(QProcess &process, const QStringList &arguments, QByteArray *firstLine);
    // Runs "--second" to the end while this process's event loop answers; returns its output.
    QByteArray runSecond(const QString &id, const QString &message);

    SingleApplication &application;
};

bool TestSingleApplication::startOther(QProcess &process, const QStringList &arguments,
                                       QByteArray *firstLine)
{
    process.setProgram(QCoreApplication::applicationFilePath());
    process.setArguments(arguments);
    process.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    process.start();
    if (!process.waitForStarted(5000))
        return false;
    QElapsedTimer timer;
    timer.start();
    while (!process.canReadLine() && timer.elapsed() < 10000)
        process.waitForReadyRead(100);
    *firstLine = process.readLine().trimmed();
    return !firstLine->isEmpty();
}

QByteArray TestSingleApplication::runSecond(const QString &id, const QString &message)
{
    QProcess process;
    process.setProgram(QCoreApplication::applicationFilePath());
    process.setArguments({QStringLiteral("--second"), id, message});
    process.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    process.start();
    QElapsedTimer timer;
    timer.start();
    while (process.state() != QProcess::NotRunning && timer.elapsed() < 15000)
        QTest::qWait(20);
    return process.readAllStandardOutput();
}

void TestSingleApplication::firstInstance_isNotRunning()
{
    QVERIFY(!application.isRunning());
    QVERIFY(!application.sendMessage(QStringLiteral("raise"), 100));
}

void TestSingleApplication::secondStart_findsFirst_messageArrivesAndRaisesWindow()
{
    QWidget window;
    window.setWindowTitle(QStringLiteral("first instance"));
    application.setActivationWindow(&window, true);
    QCOMPARE(application.activationWindow(), &window);
    QSignalSpy spy(&application, &SingleApplication::messageReceived);

    const QByteArray output =
        runSecond(application.property("instanceId").toString(), QStringLiteral("raise"));

    QCOMPARE(output, QByteArray("running=1\ndelivered=1\n"));
    QCOMPARE(spy.count(), 1);
    QCOMPARE(spy.at(0).at(0).toString(), QStringLiteral("raise"));
    QVERIFY(window.isVisible());
    QTRY_VERIFY(window.isActiveWindow());
    application.setActivationWindow(nullptr);
}

void TestSingleApplication::secondStart_otherId_runsOnItsOwn()
{
    QSignalSpy spy(&application, &SingleApplication::messageReceived);
    QCOMPARE(runSecond(freshId(), QStringLiteral("raise")), QByteArray("running=0\ndelivered=0\n"));
    QCOMPARE(spy.count(), 0);
}

void TestSingleApplication::crashedInstance_leavesNoBlockingLock()
{
    const QString id = freshId();
    QProcess crashed;
    QByteArray line;
    QVERIFY(startOther(crashed, {QStringLiteral("--hold"), id}, &line));
    QCOMPARE(line, QByteArray("running=0"));
    crashed.kill();
    QVERIFY(crashed.waitForFinished(5000));

    QProcess successor;
    QVERIFY(startOther(successor, {QStringLiteral("--hold"), id}, &line));
    QCOMPARE(line, QByteArray("running=0"));
    const QByteArray output = runSecond(id, QStringLiteral("raise"));
    runSecond(id, QStringLiteral("quit"));
    QTRY_COMPARE(successor.state(), QProcess::NotRunning);
    QCOMPARE(output, QByteArray("running=1\ndelivered=1\n"));
}

void TestSingleApplication::busyInstance_sendMessageFailsAfterTimeout()
{
    const QString id = freshId();
    QProcess busy;
    QByteArray line;
    QVERIFY(startOther(busy, {QStringLiteral("--busy"), id}, &line));
    QCOMPARE(line, QByteArray("running=0"));

    QElapsedTimer timer;
    timer.start();
    const QByteArray output = runSecond(id, QStringLiteral("raise"));
    const qint64 elapsed = timer.elapsed();
    QTRY_COMPARE_WITH_TIMEOUT(busy.state(), QProcess::NotRunning, 10000);
    QCOMPARE(output, QByteArray("running=1\ndelivered=0\n"));
    QVERIFY2(elapsed < 8000, qPrintable(QString::number(elapsed)));
}

// This process is itself the first instance, under an id of its own, so that a second start of
// the test binary can find it.
int main(int argc, char *argv[])
{
    if (isOtherInstanceCall(argc, argv))
        return runOtherInstance(argc, argv);
    const QString id = freshId();
    SingleApplication application(id, argc, argv);
    application.setProperty("instanceId", id);
    TestSingleApplication test(application);
    return QTest::qExec(&test, argc, argv);
}

#include "tst_singleapplication.moc"
