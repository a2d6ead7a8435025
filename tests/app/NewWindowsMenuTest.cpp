#include "GuiTestSupport.h"

#include "app/MainWindow.h"
#include "charts/FairnessWindow.h"
#include "choices/BacktestWindow.h"
#include "platform/Dialogs.h"

#include <QAction>
#include <QLabel>
#include <QMenu>
#include <QTest>

#include <memory>

// The backtest and the fairness check open from their menus on a full database.
class NewWindowsMenuTest : public QObject
{
    Q_OBJECT
    std::unique_ptr<GuiTestEnvironment> env;
    std::unique_ptr<MainWindow> window;

    void openFullDatabase()
    {
        env->writeDatabase("full.c3d", quor3::MaxDraws);
        Dialogs::queueFile(env->dataFolder() + "/full.c3d");
        window->findChild<QAction*>("OpenDatabase1")->trigger();
    }

    // Triggers the menu item and looks at the window it opens; the window is closed again.
    template <typename Window>
    void openFromMenu(const char* menuName, const char* actionName, const std::function<void(Window*)>& look)
    {
        auto* menu = window->findChild<QMenu*>(menuName);
        auto* action = window->findChild<QAction*>(actionName);
        QVERIFY(menu && action);
        QVERIFY(menu->actions().contains(action));
        bool seen = false;
        titleOfWindowOpenedBy<Window>(action, [&](Window* shown) {
            seen = true;
            look(shown);
        });
        QVERIFY(seen);
        QVERIFY(!QApplication::activeModalWidget());
        QVERIFY(Dialogs::shown().isEmpty());
    }

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

    void theMenuItemsWaitForADatabase()
    {
        QVERIFY(!window->findChild<QMenu*>("Computer1")->menuAction()->isEnabled());
        QVERIFY(!window->findChild<QMenu*>("Analysis1")->menuAction()->isEnabled());
        QCOMPARE(window->findChild<QAction*>("Backtest1")->text(), QString("&How Did the Choices Do?"));
        QCOMPARE(window->findChild<QAction*>("FairnessCheck1")->text(), QString("&Fairness Check"));
    }

    void computerMenuOpensTheBacktest()
    {
        openFullDatabase();
        openFromMenu<BacktestWindow>("Computer1", "Backtest1", [](BacktestWindow* w) {
            QCOMPARE(w->windowTitle(), QString("How Did the Choices Do?"));
            QCOMPARE(w->result().tested, 730LL);
            QVERIFY(child<QLabel>(w, "verdictLabel")->text().startsWith("Over 730 draws the 33 daily choices matched"));
        });
    }

    void analysisMenuOpensTheFairnessCheck()
    {
        openFullDatabase();
        openFromMenu<FairnessWindow>("Analysis1", "FairnessCheck1", [](FairnessWindow* w) {
            QCOMPARE(w->windowTitle(), QString("Fairness Check"));
            QCOMPARE(w->result().draws, 731LL);
            QVERIFY(!child<QLabel>(w, "verdictLabel")->text().isEmpty());
        });
    }
};

QTEST_MAIN(NewWindowsMenuTest)
#include "NewWindowsMenuTest.moc"
