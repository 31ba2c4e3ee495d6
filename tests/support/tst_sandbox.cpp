#include "testmain.h"

#include <QFile>
#include <QProcess>

#include <unistd.h>

// What every sandbox test relies on: the machine's own files stay out of reach, and CI cannot
// pass by skipping.
class TestSandbox : public QObject
{
    Q_OBJECT

private slots:
    void writeFile_inSandboxDirectory_machineFileUntouchedAndResetEmptiesIt_data()
    {
        QTest::addColumn<QString>("directory");
        QTest::newRow("configuration") << QStringLiteral("/etc/bind");
        QTest::newRow("working directory") << QStringLiteral("/var/cache/bind");
        QTest::newRow("pid and session key directory") << QStringLiteral("/run/named");
    }

    void writeFile_inSandboxDirectory_machineFileUntouchedAndResetEmptiesIt()
    {
        QFETCH(QString, directory);
        const QString path = directory + QStringLiteral("/tamzor-sandbox-probe");
        // The process that started this test sees the machine from outside the sandbox.
        const QString machinePath = QStringLiteral("/proc/%1/root%2").arg(getppid()).arg(path);
        Sandbox::writeFile(path, "1\n");
        QVERIFY(QFile::exists(path));
        QVERIFY(!QFile::exists(machinePath));
        Sandbox::reset();
        QVERIFY(!QFile::exists(path));
    }

    // Without root the namespace cannot be made.
    void enter_notRoot_failsUnderCIAndSkipsElsewhere_data()
    {
        QTest::addColumn<QString>("ci");
        QTest::addColumn<int>("exitCode");
        QTest::newRow("CI=true fails") << "true" << 1;
        QTest::newRow("elsewhere skipped") << "" << 77;
    }

    void enter_notRoot_failsUnderCIAndSkipsElsewhere()
    {
        QFETCH(QString, ci);
        QFETCH(int, exitCode);
        QProcess child;
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(QStringLiteral("CI"), ci);
        child.setProcessEnvironment(environment);
        child.start(QStringLiteral("setpriv"), {"--reuid=65534", "--regid=65534", "--clear-groups",
                                                QCoreApplication::applicationFilePath()});
        QVERIFY(child.waitForFinished(10000));
        QCOMPARE(child.exitCode(), exitCode);
    }
};

TAMZOR_SANDBOX_TEST_MAIN(TestSandbox)
#include "tst_sandbox.moc"
