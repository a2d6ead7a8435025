#include "GuiTestSupport.h"

#include "platform/Dialogs.h"
#include "platform/Help.h"
#include "reports/TotalsWindow.h"

#include <QTableWidget>
#include <QtTest>

class TotalsTest : public QObject
{
    Q_OBJECT

    std::unique_ptr<GuiTestEnvironment> env;

  private slots:
    void init() { env = std::make_unique<GuiTestEnvironment>(); }
    void cleanup() { env.reset(); }

    void withoutDatabaseTheGridStaysEmptyButIsSized()
    {
        TotalsWindow w;
        QCOMPARE(w.windowTitle(), QString("Totals Report"));
        auto* grid = child<QTableWidget>(&w, "StringGrid1");
        QVERIFY(grid);
        QCOMPARE(grid->columnCount(), 10);
        QCOMPARE(grid->rowCount(), 2);
        w.refresh();
        for (int c = 0; c < 10; ++c) {
            QCOMPARE(cell(grid, c, 0), QString());
            QCOMPARE(cell(grid, c, 1), QString());
        }
        QVERIFY(Dialogs::shown().isEmpty());
    }

    // The cells share out the whole grid, as evenly as whole pixels allow:
    // no blank strip at the right or bottom.
    void theCellsFillTheGrid()
    {
        TotalsWindow w;
        w.show();
        QVERIFY(QTest::qWaitForWindowExposed(&w));
        auto* grid = child<QTableWidget>(&w, "StringGrid1");
        QTRY_COMPARE(cellsExtent(grid), grid->viewport()->size());
        for (int c = 1; c < 10; ++c)
            QVERIFY(qAbs(grid->columnWidth(c) - grid->columnWidth(0)) <= 1);
        QVERIFY(qAbs(grid->rowHeight(1) - grid->rowHeight(0)) <= 1);
        QVERIFY(grid->columnWidth(0) >= 45 && grid->rowHeight(0) >= 24);
    }

    void theGridIsReadOnly()
    {
        TotalsWindow w;
        auto* grid = child<QTableWidget>(&w, "StringGrid1");
        QVERIFY(!grid->isEnabled());
        QCOMPARE(grid->editTriggers(), QAbstractItemView::NoEditTriggers);
        QCOMPARE(grid->selectionMode(), QAbstractItemView::NoSelection);
        QCOMPARE(grid->horizontalScrollBarPolicy(), Qt::ScrollBarAlwaysOff);
        QCOMPARE(grid->verticalScrollBarPolicy(), Qt::ScrollBarAlwaysOff);
        QCOMPARE(grid->size(), QSize(473, 53));
        QCOMPARE(w.size(), QSize(607, 139));
    }

    void countsEachDigitAndSkipsStrayValues()
    {
        env->writeDatabase("t.c3d", {{3, 3, 7}, {12, 4, -1, 2002, 1, 2}});
        env->openDatabase("t.c3d");
        TotalsWindow w;
        w.refresh();
        auto* grid = child<QTableWidget>(&w, "StringGrid1");
        const QStringList expected{"0", "0", "0", "2", "1", "0", "0", "1", "0", "0"};
        for (int c = 0; c < 10; ++c) {
            QCOMPARE(cell(grid, c, 0), QString::number(c));
            QCOMPARE(cell(grid, c, 1), expected[c]);
        }
    }

    void eachActivationShowsFreshCountsUnderTheSameHeadings()
    {
        env->writeDatabase("t.c3d", {{1, 2, 3}});
        env->openDatabase("t.c3d");
        TotalsWindow w;
        w.show();
        w.activateWindow();
        auto* grid = child<QTableWidget>(&w, "StringGrid1");
        // The window fills itself when it becomes active.
        QTRY_COMPARE(cell(grid, 1, 1), QString("1"));

        env->writeDatabase("t.c3d", {{4, 4, 4}, {4, 9, 9, 2002, 1, 2}});
        w.refresh();
        QCOMPARE(cell(grid, 4, 0), QString("4"));
        QCOMPARE(cell(grid, 4, 1), QString("4"));
        QCOMPARE(cell(grid, 9, 1), QString("2"));
        QCOMPARE(cell(grid, 1, 1), QString("0"));
        QCOMPARE(grid->rowCount(), 2);
    }

    void f1OpensTheTotalsTopic()
    {
        TotalsWindow w;
        w.show();
        w.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&w));
        QTest::keyClick(&w, Qt::Key_F1);
        QTRY_COMPARE(Help::lastTopic(), QString("tot"));
    }
};

QTEST_MAIN(TotalsTest)
#include "TotalsWindowTest.moc"
