#include "GuiTestSupport.h"

#include "engine/FileIo.h"
#include "engine/History.h"
#include "platform/Help.h"
#include "platform/Session.h"
#include "reports/DrawListWindow.h"

#include <QListWidget>
#include <QtTest>

class DrawListTest : public QObject
{
    Q_OBJECT

    std::unique_ptr<GuiTestEnvironment> env;

  private slots:
    void init() { env = std::make_unique<GuiTestEnvironment>(); }
    void cleanup() { env.reset(); }

    void withoutDatabaseTheListIsEmpty()
    {
        DrawListWindow w;
        QCOMPARE(w.windowTitle(), QString("Winning Lotto Entries"));
        auto* list = child<QListWidget>(&w, "ListBox1");
        QVERIFY(list);
        w.refresh();
        QCOMPARE(list->count(), 0);
        QCOMPARE(list->height(), 244);
        QCOMPARE(list->focusPolicy(), Qt::ClickFocus);
    }

    void listsNewestFirstWithNothingSelected()
    {
        env->writeDatabase("d.c3d", {{3, 0, 7, 2001, 12, 25}, {1, 1, 1, 2002, 1, 1}, {9, 8, 7, 2002, 1, 2}});
        env->openDatabase("d.c3d");
        DrawListWindow w;
        w.refresh();
        auto* list = child<QListWidget>(&w, "ListBox1");
        QCOMPARE(lines(list), (QStringList{"1/2/2002 :        9   8   7", "1/1/2002 :        1   1   1",
                                           "12/25/2001 :        3   0   7"}));
        QCOMPARE(list->currentRow(), -1);
        QVERIFY(list->selectedItems().isEmpty());
        QCOMPARE(list->selectionMode(), QAbstractItemView::SingleSelection);
    }

    void theTitleSaysWhenTheFullHistoryHoldsMore()
    {
        env->writeDatabase("d.c3d", 3);
        env->openDatabase("d.c3d");
        DrawListWindow w;
        w.refresh();
        QCOMPARE(w.windowTitle(), QString("Winning Lotto Entries"));
        std::vector<quor3::DrawRecord> older(2342);
        for (std::size_t i = 0; i < older.size(); ++i)
            older[i].DrawDate = 30000 + static_cast<double>(i);
        quor3::keepInHistory(env->dataPath() / "d.c3d", older);
        w.refresh();
        QCOMPARE(w.windowTitle(), QString("Winning Lotto Entries: 3 of 2,345 draws; the rest are in the full history"));
        QCOMPARE(child<QListWidget>(&w, "ListBox1")->count(), 3);
    }

    void anEmptyDatabaseFileGivesAnEmptyList()
    {
        quor3::writeWholeFile(env->dataPath() / "e.c3d", std::string());
        Session::instance().databaseName = "e.c3d";
        DrawListWindow w;
        w.refresh();
        QCOMPARE(child<QListWidget>(&w, "ListBox1")->count(), 0);
        QCOMPARE(child<QListWidget>(&w, "ListBox1")->currentRow(), -1);
    }

    void reactivationRebuildsWithoutDuplicates()
    {
        env->writeDatabase("d.c3d", 5);
        env->openDatabase("d.c3d");
        DrawListWindow w;
        w.show();
        w.activateWindow();
        auto* list = child<QListWidget>(&w, "ListBox1");
        QTRY_COMPARE(list->count(), 5);
        w.refresh();
        QCOMPARE(list->count(), 5);
        env->writeDatabase("d.c3d", 7);
        w.refresh();
        QCOMPARE(list->count(), 7);
        QVERIFY(list && list->count() > 0);
        QVERIFY(list->item(0)->text().startsWith("1/7/2002 :"));
    }

    void f1OpensTheDisplayTopic()
    {
        DrawListWindow w;
        w.show();
        w.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&w));
        QTest::keyClick(&w, Qt::Key_F1);
        QTRY_COMPARE(Help::lastTopic(), QString("dis"));
    }
};

QTEST_MAIN(DrawListTest)
#include "DrawListWindowTest.moc"
