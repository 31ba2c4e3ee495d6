#include "platform/kivohelpmenu.h"
#include "platform/kivoinit.h"
#include "tests/support/testmain.h"

#include <QAction>
#include <QMainWindow>
#include <QMessageBox>
#include <QTimer>

class TestKivoHelpMenu : public QObject
{
    Q_OBJECT

private slots:
    void about_afterKivoInit_namesApplicationAfterTitleLineShowsDescriptionAndVersion_data()
    {
        QTest::addColumn<QByteArray>("description");
        QTest::addColumn<QString>("name");
        QTest::newRow("title line names the application")
            << QByteArray("Tamzor\nBIND DNS server management application") << "Tamzor";
        QTest::newRow("no title line keeps the name") << QByteArray("Text") << "before";
        QTest::newRow("empty title line keeps the name") << QByteArray("\nText") << "before";
        QTest::newRow("blanks around the title") << QByteArray(" Tamzor \nT") << "Tamzor";
    }

    // The caller's buffers are overwritten after the call: the registration must hold copies.
    void about_afterKivoInit_namesApplicationAfterTitleLineShowsDescriptionAndVersion()
    {
        QFETCH(QByteArray, description);
        QFETCH(QString, name);
        QCoreApplication::setApplicationName(QStringLiteral("before"));
        QByteArray versionBuffer("0.5.4+b5");
        QByteArray descriptionBuffer = description;
        kivoInit(versionBuffer.data(), descriptionBuffer.data());
        versionBuffer.fill('x');
        descriptionBuffer.fill('x');
        QMainWindow window;
        KivoHelpMenu menu(&window);
        QCOMPARE(menu.actions().at(0)->text(), "&About " + name);

        QString box;
        QTimer::singleShot(0, this, [&box] {
            auto *about = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
            QVERIFY(about);
            box = about->windowTitle() + ": " + about->text();
            about->accept();
        });
        menu.actions().at(0)->trigger();
        QCOMPARE(box,
                 "About " + name + ": " + QString(description).trimmed() + "\n\nVersion 0.5.4+b5");
    }
};

TAMZOR_TEST_MAIN(TestKivoHelpMenu)
#include "tst_kivohelpmenu.moc"
