#include "GuiTestSupport.h"

#include "app/MainWindow.h"
#include "engine/FileIo.h"
#include "platform/Dialogs.h"

#include <QAction>
#include <QtTest>

#include <memory>

// What the open dialog refuses, and where it comes back after a refusal or a
// declined new name.
class OpenRulesTest : public QObject
{
    Q_OBJECT

    std::unique_ptr<GuiTestEnvironment> env;
    std::unique_ptr<MainWindow> window;

    void open() { window->findChild<QAction*>("OpenDatabase1")->trigger(); }
    QString dataFile(const char* name) const { return QString::fromStdString((env->dataPath() / name).string()); }

  private slots:
    void init()
    {
        env = std::make_unique<GuiTestEnvironment>();
        window = std::make_unique<MainWindow>();
    }
    void cleanup()
    {
        window.reset();
        env.reset();
    }

    void aDerivedFileNameIsRefusedAndTheDialogComesBackWithIt()
    {
        for (const char* name : {"freq.dat", "Hottest.DAT", "quor3 winners.txt", "SETSCFG.INI", "pr.dat"}) {
            Dialogs::clearShown();
            Dialogs::queueFile(dataFile(name));
            Dialogs::queueFile(QString()); // then cancel
            open();
            QCOMPARE(window->windowTitle(), QString("Quor 3"));
            QCOMPARE(Dialogs::shown().size(), 1);
            QVERIFY(Dialogs::shown().constFirst().text.contains("Choose another name"));
            QVERIFY(Dialogs::shown().constFirst().text.contains(name));
            QCOMPARE(Dialogs::lastOpenStart().name, QString(name));
            QVERIFY(!quor3::fileExists(env->dataPath() / name));
        }
    }

    void anExistingDatabaseWithAnOrdinaryNameStillOpens()
    {
        env->writeDatabase("frequency.c3d", {{3, 0, 7}});
        Dialogs::queueFile(dataFile("frequency.c3d"));
        open();
        QVERIFY(Dialogs::shown().isEmpty());
        QVERIFY(window->windowTitle().contains("frequency.c3d"));
    }

    // A name longer than a database's 25 characters is cut: the question
    // before a new file names the file that is then created and opened.
    void aLongNameIsAskedAboutAsTheNameOpened_data()
    {
        QTest::addColumn<bool>("fromCommandLine");
        QTest::newRow("open dialog") << false;
        QTest::newRow("command line") << true;
    }
    void aLongNameIsAskedAboutAsTheNameOpened()
    {
        QFETCH(bool, fromCommandLine);
        const QString longName = "evening draws of the state.c3d";
        const QString cut = longName.left(25);
        Dialogs::clearShown();
        Dialogs::queueButton(QMessageBox::Yes);
        if (fromCommandLine) {
            window->openAtStart(dataFile(qPrintable(longName)));
        } else {
            Dialogs::queueFile(dataFile(qPrintable(longName)));
            open();
        }
        QCOMPARE(Dialogs::shown().size(), 1);
        QVERIFY2(Dialogs::shown().constFirst().text.contains(cut + "\n"),
                 qPrintable(Dialogs::shown().constFirst().text));
        QVERIFY(!Dialogs::shown().constFirst().text.contains(longName));
        QVERIFY(window->windowTitle().startsWith(cut + " "));
        QVERIFY(!QFileInfo::exists(dataFile(qPrintable(longName))));
    }

    void answeringNoToCreateReturnsToTheSameFolderWithTheNameKept()
    {
        const QString other = dataFile("elsewhere");
        QVERIFY(QDir().mkpath(other));
        Dialogs::queueFile(other + "/new game.c3d");
        Dialogs::queueButton(QMessageBox::No);
        Dialogs::queueFile(QString());
        open();
        QCOMPARE(Dialogs::lastOpenStart().folder, QFileInfo(other).absoluteFilePath());
        QCOMPARE(Dialogs::lastOpenStart().name, QString("new game.c3d"));
        QCOMPARE(window->windowTitle(), QString("Quor 3"));
        QVERIFY(!QFileInfo::exists(other + "/new game.c3d"));
    }
};

QTEST_MAIN(OpenRulesTest)
#include "OpenRulesTest.moc"
