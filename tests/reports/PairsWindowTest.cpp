#include "GuiTestSupport.h"

#include "engine/DataFiles.h"
#include "engine/FileIo.h"
#include "platform/Dialogs.h"
#include "platform/Help.h"
#include "reports/PairsWindow.h"

#include <QTableWidget>
#include <QtTest>

class PairsTest : public QObject
{
    Q_OBJECT

    std::unique_ptr<GuiTestEnvironment> env;

    // The cell of digits a and b.
    static QString pair(QTableWidget* grid, int a, int b) { return cell(grid, b + 1, a + 1); }

  private slots:
    void init() { env = std::make_unique<GuiTestEnvironment>(); }
    void cleanup() { env.reset(); }

    void withoutDatabaseTheGridStaysEmpty()
    {
        PairsWindow w;
        QCOMPARE(w.windowTitle(), QString("Pairs Report"));
        auto* grid = child<QTableWidget>(&w, "StringGrid1");
        QVERIFY(grid);
        QCOMPARE(grid->columnCount(), 11);
        QCOMPARE(grid->rowCount(), 11);
        // Sized once, when the window is made: the cells share out the
        // whole grid, no blank strip at the right or bottom.
        QCOMPARE(cellsExtent(grid), grid->contentsRect().size());
        w.show();
        QVERIFY(QTest::qWaitForWindowExposed(&w));
        QCOMPARE(cellsExtent(grid), grid->viewport()->size());
        for (int i = 1; i < 11; ++i) {
            QVERIFY(qAbs(grid->columnWidth(i) - grid->columnWidth(0)) <= 1);
            QVERIFY(qAbs(grid->rowHeight(i) - grid->rowHeight(0)) <= 1);
        }
        QVERIFY(grid->columnWidth(10) >= 40 && grid->rowHeight(10) >= 24);
        QVERIFY(!grid->isEnabled());
        QCOMPARE(grid->selectionMode(), QAbstractItemView::NoSelection);
        w.refresh();
        QCOMPARE(allCells(grid), QStringList(121, QString()));
        QVERIFY(Dialogs::shown().isEmpty());
    }

    void oneDrawOfThreeDigits()
    {
        env->writeDatabase("p.c3d", {{1, 2, 3}});
        env->openDatabase("p.c3d");
        PairsWindow w;
        w.refresh();
        auto* grid = child<QTableWidget>(&w, "StringGrid1");
        QCOMPARE(cell(grid, 0, 0), QString());
        for (int i = 1; i <= 10; ++i) {
            QCOMPARE(cell(grid, i, 0), QString::number(i - 1));
            QCOMPARE(cell(grid, 0, i), QString::number(i - 1));
        }
        for (int a = 0; a < 10; ++a)
            for (int b = 0; b < 10; ++b) {
                const bool together = a != b && a >= 1 && a <= 3 && b >= 1 && b <= 3;
                QCOMPARE(pair(grid, a, b), together ? QString("1") : QString("0"));
            }
    }

    void aDoubledDigitAndSymmetry()
    {
        env->writeDatabase("p.c3d", {{5, 5, 8}, {2, 7, 7, 2002, 1, 2}, {0, 9, 4, 2002, 1, 3}});
        env->openDatabase("p.c3d");
        PairsWindow w;
        w.refresh();
        auto* grid = child<QTableWidget>(&w, "StringGrid1");
        QCOMPARE(pair(grid, 5, 5), QString("1"));
        QCOMPARE(pair(grid, 5, 8), QString("2"));
        QCOMPARE(pair(grid, 8, 5), QString("2"));
        for (int a = 0; a < 10; ++a)
            for (int b = 0; b < 10; ++b)
                QCOMPARE(pair(grid, a, b), pair(grid, b, a));
    }

    void aSecondActivationChangesNothing()
    {
        env->writeDatabase("p.c3d", {{1, 2, 3}});
        env->openDatabase("p.c3d");
        PairsWindow w;
        w.show();
        w.activateWindow();
        auto* grid = child<QTableWidget>(&w, "StringGrid1");
        QTRY_COMPARE(pair(grid, 1, 2), QString("1"));
        const QStringList before = allCells(grid);

        std::vector<quor3::DigitCounts> sevens(10);
        for (auto& r : sevens)
            r.fill(7);
        quor3::writeCountsFile(env->dataPath() / "pair.dat", sevens);
        w.refresh();
        QCOMPARE(allCells(grid), before);
        QVERIFY(Dialogs::shown().isEmpty());
    }

    void aShortOrMissingPairFileIsAnInputOutputError()
    {
        env->writeDatabase("p.c3d", {{1, 2, 3}});
        env->openDatabase("p.c3d");
        quor3::writeCountsFile(env->dataPath() / "pair.dat", std::vector<quor3::DigitCounts>(9));
        PairsWindow w;
        w.refresh();
        auto* grid = child<QTableWidget>(&w, "StringGrid1");
        QCOMPARE(Dialogs::shown().size(), 1);
        QVERIFY(Dialogs::shown().first().text.contains("pair.dat"));
        QCOMPARE(allCells(grid), QStringList(121, QString()));

        Dialogs::clearShown();
        std::filesystem::remove(env->dataPath() / "pair.dat");
        w.refresh();
        QCOMPARE(Dialogs::shown().size(), 1);
        QCOMPARE(allCells(grid), QStringList(121, QString()));
    }

    void f1OpensThePairsTopic()
    {
        PairsWindow w;
        w.show();
        w.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&w));
        QTest::keyClick(&w, Qt::Key_F1);
        QTRY_COMPARE(Help::lastTopic(), QString("pair"));
    }
};

QTEST_MAIN(PairsTest)
#include "PairsWindowTest.moc"
