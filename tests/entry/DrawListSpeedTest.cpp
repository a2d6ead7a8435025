#include "GuiTestSupport.h"

#include "engine/Dates.h"
#include "engine/DrawRecord.h"
#include "entry/CorrectionsWindow.h"
#include "entry/UpdateMenuWindow.h"
#include "platform/Session.h"

#include <QListWidget>
#include <QTest>

#include <memory>

// How long the draw lists of the entry windows take to fill with a very long
// database, beside the floor: reading the draws and making their lines, which
// any list must do. Filling the list itself should add little to the floor.
class DrawListSpeedTest : public QObject
{
    Q_OBJECT

    static constexpr int Draws = 100000;
    std::unique_ptr<GuiTestEnvironment> env;

    template <typename Window> void fillAndLayOut(Window& window)
    {
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        auto* list = child<QListWidget>(&window, "ListBox1");
        QBENCHMARK
        {
            window.refresh();
            list->doItemsLayout();
        }
        QCOMPARE(list->count(), Draws);
    }

  private slots:
    void initTestCase()
    {
        env = std::make_unique<GuiTestEnvironment>();
        env->writeDatabase("long.c3d", Draws);
        Session::instance().databaseName = "long.c3d";
    }
    void cleanupTestCase() { env.reset(); }

    void floorReadingTheDrawsAndMakingTheirLines()
    {
        const auto database = Session::instance().databasePath();
        QStringList lines;
        QBENCHMARK
        {
            lines.clear();
            for (const auto& draw : quor3::readDraws(database))
                lines.append(QString::fromStdString(quor3::entryLine(draw)));
        }
        QCOMPARE(lines.size(), Draws);
    }

    void subMenuList()
    {
        UpdateMenuWindow window;
        fillAndLayOut(window);
    }

    void correctionsList()
    {
        CorrectionsWindow window;
        fillAndLayOut(window);
    }
};

QTEST_MAIN(DrawListSpeedTest)
#include "DrawListSpeedTest.moc"
