// The open game's draws in the Draw menu, switched by Ctrl+1 to Ctrl+4.

#include "GuiTestSupport.h"

#include "app/MainWindow.h"
#include "engine/Dates.h"
#include "engine/DrawRecord.h"
#include "engine/FileIo.h"
#include "engine/GameImport.h"
#include "engine/Rebuild.h"
#include "engine/ResultsSource.h"
#include "entry/ResultsFetch.h"
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

    ResultsFetch* fetcher() const { return window->findChild<ResultsFetch*>(); }
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

    void f5FetchesEveryDrawOfTheGameAndKeepsTheOpenOnesStatistics()
    {
        // Midday has nothing new; Evening has two draws more.
        std::string file = "Draw Date,Midday Daily #,Evening Daily #\n";
        for (const quor3::DrawRecord& r : quor3::readDraws(env->dataPath() / "ny-midday.c3d"))
            file += quor3::monthDayYear(r.DrawDate) + "," + std::to_string(r.Digit1) + std::to_string(r.Digit2) +
                    std::to_string(r.Digit3) + ",\n";
        quor3::writeWholeFile(env->dataPath() / "ny.csv", file + "1/8/2002,,456\n1/9/2002,,012\n");
        for (const auto& [name, draw] :
             {std::pair<std::string, std::string>{"ny-midday.c3d", "Midday"}, {"ny-evening.c3d", "Evening"}}) {
            quor3::ResultsSource source;
            source.address = (env->dataPath() / "ny.csv").string();
            source.drawName = draw;
            source.checkAtOpen = false;
            quor3::writeResultsSource(quor3::settingsFilePath(), name, source);
        }
        window->openDatabaseFile(path("ny-midday.c3d"));
        QTest::keyClick(window.get(), Qt::Key_F5);
        QTRY_COMPARE(quor3::readDraws(env->dataPath() / "ny-evening.c3d").size(), std::size_t(9));
        QCOMPARE(quor3::readDraws(env->dataPath() / "ny-evening.c3d").back().Digit3, 2);
        QTRY_VERIFY(!fetcher()->running());
        QCOMPARE(quor3::readDraws(env->dataPath() / "ny-midday.c3d").size(), std::size_t(5));
        QCOMPARE(window->statusText(0), QString("Total Draws: 5"));
        // The other draw's store rebuilt the folder's statistics for itself: they are the open draw's again.
        QTRY_VERIFY(quor3::derivedFilesBelongTo(env->dataPath(), "ny-midday.c3d"));
    }

    void aDeletedDrawIsNoLongerOffered()
    {
        quor3::fs::remove(env->dataPath() / "ny-evening.c3d");
        window->openDatabaseFile(path("ny-midday.c3d"));
        QVERIFY(!window->findChild<QMenu*>("DrawMenu")->menuAction()->isVisible());
        QTest::keyClick(window.get(), Qt::Key_2, Qt::ControlModifier);
        QCOMPARE(Session::instance().databaseName, std::string("ny-midday.c3d"));
        QVERIFY(!quor3::fileExists(env->dataPath() / "ny-evening.c3d"));
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
