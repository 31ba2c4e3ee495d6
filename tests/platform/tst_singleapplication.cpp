#include "platform/singleapplication.h"
#include "tests/support/testsupport.h"

#include <QDeadlineTimer>
#include <QProcess>
#include <QSignalSpy>
#include <QTest>
#include <QUuid>
#include <QWidget>

#include <cstdio>

namespace {
// This process is itself the first instance, under an id of its own.
QString firstId;

// The test binary doubles as the other instances: "--second ID" reports whether it found one
// running and whether its message "raise" arrived, and ends; "--hold ID" keeps its place until
// killed.
int runOtherInstance(int argc, char *argv[])
{
    SingleApplication application(QString::fromUtf8(argv[2]), argc, argv);
    std::printf("running=%d\n", application.isRunning() ? 1 : 0);
    std::fflush(stdout);
    if (qstrcmp(argv[1], "--hold") == 0)
        return application.exec();
    std::printf("delivered=%d\n", application.sendMessage(QStringLiteral("raise"), 1000) ? 1 : 0);
    return 0;
}

// Starts a "--hold" instance and returns its first line, "running=N".
QByteArray startHolding(QProcess &process, const QString &id)
{
    process.start(QCoreApplication::applicationFilePath(), {QStringLiteral("--hold"), id});
    process.waitForReadyRead(10000); // the line comes in one write
    return process.readLine().trimmed();
}

// Runs "--second" to the end and returns its output; this process's event loop runs meanwhile
// only when it is to answer.
QByteArray runSecond(const QString &id, bool answering = true)
{
    QProcess process;
    process.start(QCoreApplication::applicationFilePath(), {QStringLiteral("--second"), id});
    const QDeadlineTimer deadline(10000);
    while (answering && process.state() != QProcess::NotRunning && !deadline.hasExpired())
        QTest::qWait(20);
    process.waitForFinished(int(deadline.remainingTime()));
    return process.readAllStandardOutput();
}
} // namespace

class TestSingleApplication : public QObject
{
    Q_OBJECT

private slots:
    void secondStart_findsFirst_messageArrivesAndRaisesWindow()
    {
        auto &application = *static_cast<SingleApplication *>(QCoreApplication::instance());
        QWidget window;
        application.setActivationWindow(&window, true);
        QSignalSpy spy(&application, &SingleApplication::messageReceived);

        QCOMPARE(runSecond(firstId), QByteArray("running=1\ndelivered=1\n"));
        QCOMPARE(spy.count(), 1);
        QCOMPARE(spy.at(0).at(0).toString(), QStringLiteral("raise"));
        QVERIFY(window.isVisible());
        QTRY_VERIFY(window.isActiveWindow());
        application.setActivationWindow(nullptr);
    }

    void busyFirst_secondStartGivesUpInTime()
    {
        QCOMPARE(runSecond(firstId, false), QByteArray("running=1\ndelivered=0\n"));
    }

    // Every other id here is fresh, so the first start under it finds nothing running.
    void killedInstance_leavesNoBlockingLock()
    {
        const QString otherId = QUuid::createUuid().toString();
        QProcess killed;
        QProcess successor;
        QCOMPARE(startHolding(killed, otherId), QByteArray("running=0"));
        killed.kill();
        QVERIFY(killed.waitForFinished(5000));
        QCOMPARE(startHolding(successor, otherId), QByteArray("running=0"));
        QCOMPARE(runSecond(otherId), QByteArray("running=1\ndelivered=1\n"));
        successor.kill();
        QVERIFY(successor.waitForFinished(5000));
    }
};

int main(int argc, char *argv[])
{
    const QByteArray mode = argc > 2 ? argv[1] : "";
    if (mode == "--hold" || mode == "--second")
        return runOtherInstance(argc, argv);
    firstId = QUuid::createUuid().toString();
    SingleApplication application(firstId, argc, argv);
    TestSingleApplication test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_singleapplication.moc"
