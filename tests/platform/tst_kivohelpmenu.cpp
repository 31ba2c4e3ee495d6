#include "platform/kivohelpmenu.h"
#include "platform/kivoinit.h"
#include "tests/support/testmain.h"

#include <QAction>
#include <QApplication>
#include <QMainWindow>
#include <QMenuBar>
#include <QMessageBox>
#include <QTimer>

#include <cstring>

namespace {
const char *const tamzorVersion = "0.5.4+b5";
const char *const tamzorDescription = "Tamzor\nBIND DNS server management application";

QStringList actionTexts(const QMenu &menu)
{
    QStringList texts;
    for (const QAction *action : menu.actions())
        texts.append(action->text());
    return texts;
}
} // namespace

class TestKivoHelpMenu : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void kivoInit_namesApplicationAfterTitleLine_data();
    void kivoInit_namesApplicationAfterTitleLine();
    void kivoInit_callerBufferReused_registrationKept();
    void helpMenu_offersAboutEntries();
    void about_showsDescriptionAndVersion();
};

void TestKivoHelpMenu::init()
{
    QCoreApplication::setApplicationName(QStringLiteral("before"));
}

void TestKivoHelpMenu::kivoInit_namesApplicationAfterTitleLine_data()
{
    QTest::addColumn<QByteArray>("description");
    QTest::addColumn<QString>("name");

    QTest::newRow("title line names the application") << QByteArray(tamzorDescription) << "Tamzor";
    QTest::newRow("description without title line keeps the name")
        << QByteArray("BIND DNS server management application") << "before";
    QTest::newRow("empty title line keeps the name")
        << QByteArray("\nBIND DNS server management application") << "before";
    QTest::newRow("blanks around the title are dropped")
        << QByteArray("  Tamzor \nText") << "Tamzor";
}

void TestKivoHelpMenu::kivoInit_namesApplicationAfterTitleLine()
{
    QFETCH(QByteArray, description);
    QFETCH(QString, name);

    kivoInit(tamzorVersion, description.constData());
    QCOMPARE(QCoreApplication::applicationName(), name);
    QCOMPARE(QCoreApplication::applicationVersion(), QStringLiteral("0.5.4+b5"));
    QCOMPARE(QByteArray(Kivo::applicationDescription()), description);
}

void TestKivoHelpMenu::kivoInit_callerBufferReused_registrationKept()
{
    char version[] = "1.2.3";
    char description[] = "Title\nText";
    kivoInit(version, description);
    std::memset(version, 'x', sizeof version - 1);
    std::memset(description, 'x', sizeof description - 1);
    QCOMPARE(QByteArray(Kivo::applicationVersion()), QByteArray("1.2.3"));
    QCOMPARE(QByteArray(Kivo::applicationDescription()), QByteArray("Title\nText"));
}

void TestKivoHelpMenu::helpMenu_offersAboutEntries()
{
    kivoInit(tamzorVersion, tamzorDescription);
    QMainWindow window;
    auto *menu = new KivoHelpMenu(&window);
    window.menuBar()->addMenu(menu);
    QCOMPARE(menu->title(), QStringLiteral("&Help"));
    QCOMPARE(actionTexts(*menu), (QStringList{"&About Tamzor", "About &Qt"}));
}

void TestKivoHelpMenu::about_showsDescriptionAndVersion()
{
    kivoInit(tamzorVersion, tamzorDescription);
    QMainWindow window;
    KivoHelpMenu menu(&window);
    QString title;
    QString text;
    QTimer::singleShot(0, this, [&] {
        auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
        if (!box)
            return;
        title = box->windowTitle();
        text = box->text();
        box->accept();
    });
    menu.actions().value(0)->trigger();
    QCOMPARE(title, QStringLiteral("About Tamzor"));
    QCOMPARE(text, QStringLiteral("Tamzor\nBIND DNS server management application\n\n"
                                  "Version 0.5.4+b5"));
}

TAMZOR_TEST_MAIN(TestKivoHelpMenu)
#include "tst_kivohelpmenu.moc"
