#include "platform/kivohelpmenu.h"
#include "platform/kivoinit.h"
#include "tests/support/testmain.h"

#include <QAction>
#include <QApplication>
#include <QMainWindow>
#include <QMessageBox>
#include <QTimer>

class TestKivoHelpMenu : public QObject
{
    Q_OBJECT

private slots:
    void kivoInit_namesApplicationAfterTitleLine_data()
    {
        QTest::addColumn<QByteArray>("description");
        QTest::addColumn<QString>("name");

        QTest::newRow("title line names the application") << QByteArray("Tamzor\nText") << "Tamzor";
        QTest::newRow("no title line keeps the name") << QByteArray("Text") << "before";
        QTest::newRow("empty title line keeps the name") << QByteArray("\nText") << "before";
        QTest::newRow("blanks around the title") << QByteArray(" Tamzor \nT") << "Tamzor";
    }

    // The caller's buffers are overwritten after the call: the registration must hold copies.
    void kivoInit_namesApplicationAfterTitleLine()
    {
        QFETCH(QByteArray, description);
        QFETCH(QString, name);
        QCoreApplication::setApplicationName(QStringLiteral("before"));
        QByteArray versionBuffer("0.5.4+b5");
        QByteArray descriptionBuffer = description;

        kivoInit(versionBuffer.data(), descriptionBuffer.data());
        versionBuffer.fill('x');
        descriptionBuffer.fill('x');
        QCOMPARE(QCoreApplication::applicationName(), name);
        QCOMPARE(QByteArray(Kivo::applicationVersion()), QByteArray("0.5.4+b5"));
        QCOMPARE(QByteArray(Kivo::applicationDescription()), description);
    }

    void helpMenu_aboutEntry_showsDescriptionAndVersion()
    {
        kivoInit("0.5.4+b5", "Tamzor\nBIND DNS server management application");
        QMainWindow window;
        KivoHelpMenu menu(&window);
        QCOMPARE(menu.actions().at(0)->text(), QStringLiteral("&About Tamzor"));

        QString title, text;
        QTimer::singleShot(0, this, [&] {
            auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
            QVERIFY(box);
            title = box->windowTitle();
            text = box->text();
            box->accept();
        });
        menu.actions().at(0)->trigger();
        QCOMPARE(title, QStringLiteral("About Tamzor"));
        QCOMPARE(text, QStringLiteral("Tamzor\nBIND DNS server management application\n\n"
                                      "Version 0.5.4+b5"));
    }
};

TAMZOR_TEST_MAIN(TestKivoHelpMenu)
#include "tst_kivohelpmenu.moc"
