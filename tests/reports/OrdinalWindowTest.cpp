#include "GuiTestSupport.h"

#include "engine/DataFiles.h"
#include "platform/Dialogs.h"
#include "platform/Help.h"
#include "reports/OrdinalWindow.h"

#include <QTableWidget>
#include <QtTest>

class OrdinalTest : public QObject
{
    Q_OBJECT

    std::unique_ptr<GuiTestEnvironment> env;

  private slots:
    void init() { env = std::make_unique<GuiTestEnvironment>(); }
    void cleanup() { env.reset(); }

    void withoutDatabaseOrOrderFileTheGridStaysEmpty()
    {
        OrdinalWindow w;
        QCOMPARE(w.windowTitle(), QString("Ordinal Report"));
        auto* grid = child<QTableWidget>(&w, "StringGrid1");
        QVERIFY(grid);
        QCOMPARE(grid->columnCount(), 4);
        QCOMPARE(grid->rowCount(), 11);
        // The cells share out the whole grid: no blank strip at the right or bottom.
        w.show();
        QVERIFY(QTest::qWaitForWindowExposed(&w));
        QCOMPARE(cellsExtent(grid), grid->viewport()->size());
        for (int i = 1; i < 4; ++i)
            QVERIFY(qAbs(grid->columnWidth(i) - grid->columnWidth(0)) <= 1);
        for (int i = 1; i < 11; ++i)
            QVERIFY(qAbs(grid->rowHeight(i) - grid->rowHeight(0)) <= 1);
        QVERIFY(grid->columnWidth(3) >= 44 && grid->rowHeight(10) >= 21);
        QVERIFY(!grid->isEnabled());
        w.refresh();
        QCOMPARE(allCells(grid), QStringList(44, QString()));

        env->writeDatabase("o.c3d", {{3, 0, 7}});
        env->openDatabase("o.c3d");
        std::filesystem::remove(env->dataPath() / "order.dat");
        w.refresh();
        QCOMPARE(allCells(grid), QStringList(44, QString()));
        QVERIFY(Dialogs::shown().isEmpty());
    }

    void oneDrawFillsOneCellPerPosition()
    {
        env->writeDatabase("o.c3d", {{3, 0, 7}});
        env->openDatabase("o.c3d");
        OrdinalWindow w;
        w.refresh();
        auto* grid = child<QTableWidget>(&w, "StringGrid1");
        QCOMPARE(cell(grid, 0, 0), QString());
        QCOMPARE(cell(grid, 1, 0), QString("1"));
        QCOMPARE(cell(grid, 2, 0), QString("2"));
        QCOMPARE(cell(grid, 3, 0), QString("3"));
        const int drawn[3] = {3, 0, 7};
        for (int d = 0; d < 10; ++d) {
            QCOMPARE(cell(grid, 0, d + 1), QString::number(d));
            for (int p = 0; p < 3; ++p)
                QCOMPARE(cell(grid, p + 1, d + 1), drawn[p] == d ? QString("1") : QString("0"));
        }
    }

    void eachActivationReplacesTheValuesOnly()
    {
        env->writeDatabase("o.c3d", 12);
        env->openDatabase("o.c3d");
        OrdinalWindow w;
        w.show();
        w.activateWindow();
        auto* grid = child<QTableWidget>(&w, "StringGrid1");
        QTRY_COMPARE(cell(grid, 1, 0), QString("1"));
        for (int p = 1; p <= 3; ++p) {
            int sum = 0;
            for (int d = 1; d <= 10; ++d)
                sum += cell(grid, p, d).toInt();
            QCOMPARE(sum, 12);
        }

        std::vector<quor3::DigitCounts> order(3);
        order[2][9] = 1234;
        quor3::writeCountsFile(env->dataPath() / "order.dat", order);
        w.refresh();
        QCOMPARE(cell(grid, 3, 10), QString("123"));
        QCOMPARE(cell(grid, 1, 1), QString("0"));
        QCOMPARE(cell(grid, 3, 0), QString("3"));
        QCOMPARE(cell(grid, 0, 10), QString("9"));
    }

    void aShortOrderFileIsAnInputOutputError()
    {
        env->writeDatabase("o.c3d", 4);
        env->openDatabase("o.c3d");
        quor3::writeCountsFile(env->dataPath() / "order.dat", std::vector<quor3::DigitCounts>(2));
        OrdinalWindow w;
        w.refresh();
        QCOMPARE(Dialogs::shown().size(), 1);
        QVERIFY(Dialogs::shown().first().text.contains("order.dat"));
        QCOMPARE(allCells(child<QTableWidget>(&w, "StringGrid1")), QStringList(44, QString()));
    }

    void f1OpensTheOrdinalTopic()
    {
        OrdinalWindow w;
        w.show();
        w.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&w));
        QTest::keyClick(&w, Qt::Key_F1);
        QTRY_COMPARE(Help::lastTopic(), QString("ord"));
    }
};

QTEST_MAIN(OrdinalTest)
#include "OrdinalWindowTest.moc"
