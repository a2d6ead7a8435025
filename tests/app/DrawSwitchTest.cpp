// The open game's draws in the Draw menu, switched by Ctrl+1 to Ctrl+4.

#include "GuiTestSupport.h"

#include "app/MainWindow.h"
#include "engine/GameImport.h"
#include "engine/ResultsSource.h"
#include "platform/Session.h"

#include <QAction>
#include <QLabel>
#include <QMenu>
#include <QtTest>

#include <memory>

class DrawSwitchTest : public QObject
{
    Q_OBJECT

    std::unique_ptr<GuiTestEnvironment> env;
    std::unique_ptr<MainWindow> window;

    QString path(const std::string& name) const { return QString::fromStdString((env->dataPath() / name).string()); }

  private slots:
    void init()
    {
        env = std::make_unique<GuiTestEnvironment>();
        // A game of two draws with different numbers of draws, and a database of no game.
        env->writeDatabase("ny-midday.c3d", 5);
        env->writeDatabase("ny-evening.c3d", 7);
        env->writeDatabase("ga.c3d", 3);
        const auto settings = quor3::settingsFilePath();
        quor3::rememberDrawName(settings, "ny-midday.c3d", "Midday");
        quor3::rememberDrawName(settings, "ny-evening.c3d", "Evening");
        quor3::rememberGame(settings, {"ny-midday.c3d", "ny-evening.c3d"});
        window = std::make_unique<MainWindow>();
        window->show();
        window->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(window.get()));
    }
    void cleanup()
    {
        window.reset();
        env.reset();
    }

    void ctrl2OpensTheGamesSecondDrawAndNamesIt()
    {
        window->openDatabaseFile(path("ny-midday.c3d"));
        auto* menu = window->findChild<QMenu*>("DrawMenu");
        QVERIFY(menu->menuAction()->isVisible());
        QCOMPARE(window->findChild<QAction*>("Draw1")->text(), QString("&1 Midday"));
        QCOMPARE(window->findChild<QAction*>("Draw2")->text(), QString("&2 Evening"));
        QVERIFY(window->findChild<QAction*>("Draw1")->isChecked());
        QCOMPARE(window->windowTitle(), QString("ny-midday.c3d, draw Midday \u2014 Quor 3"));

        QTest::keyClick(window.get(), Qt::Key_2, Qt::ControlModifier);
        QTRY_COMPARE(Session::instance().databaseName, std::string("ny-evening.c3d"));
        QCOMPARE(window->windowTitle(), QString("ny-evening.c3d, draw Evening \u2014 Quor 3"));
        QCOMPARE(window->findChild<QLabel*>("DrawPanel")->text(), QString("Draw: Evening"));
        QCOMPARE(window->statusText(0), QString("Total Draws: 7"));
        QVERIFY(window->findChild<QAction*>("Draw2")->isChecked());
        QVERIFY(!window->findChild<QAction*>("Draw1")->isChecked());

        // A third draw the game does not have: nothing happens.
        QTest::keyClick(window.get(), Qt::Key_3, Qt::ControlModifier);
        QCOMPARE(Session::instance().databaseName, std::string("ny-evening.c3d"));

        QTest::keyClick(window.get(), Qt::Key_1, Qt::ControlModifier);
        QTRY_COMPARE(Session::instance().databaseName, std::string("ny-midday.c3d"));
        QCOMPARE(window->statusText(0), QString("Total Draws: 5"));
    }

    void aDatabaseOfNoGameHasNoDrawMenu()
    {
        window->openDatabaseFile(path("ny-midday.c3d"));
        window->openDatabaseFile(path("ga.c3d"));
        QVERIFY(!window->findChild<QMenu*>("DrawMenu")->menuAction()->isVisible());
        QVERIFY(!window->findChild<QLabel*>("DrawPanel")->isVisible());
        QCOMPARE(window->windowTitle(), QString("ga.c3d \u2014 Quor 3"));
        QTest::keyClick(window.get(), Qt::Key_2, Qt::ControlModifier);
        QCOMPARE(Session::instance().databaseName, std::string("ga.c3d"));
    }
};

QTEST_MAIN(DrawSwitchTest)
#include "DrawSwitchTest.moc"
