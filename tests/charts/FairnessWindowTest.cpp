#include "GuiTestSupport.h"

#include "charts/FairnessWindow.h"
#include "engine/Fairness.h"
#include "engine/HitDistribution.h"
#include "platform/Help.h"
#include "platform/Session.h"

#include <QBarSeries>
#include <QBarSet>
#include <QChart>
#include <QChartView>
#include <QComboBox>
#include <QLabel>
#include <QTableWidget>
#include <QTest>

#include <memory>

class FairnessWindowTest : public QObject
{
    Q_OBJECT
    std::unique_ptr<GuiTestEnvironment> env;

    static QString label(FairnessWindow& w, const char* name)
    {
        auto* l = child<QLabel>(&w, name);
        return l ? l->text() : QString("<missing %1>").arg(name);
    }

    static QList<double> bars(FairnessWindow& w, int set)
    {
        auto* view = child<QChartView>(&w, "fairnessChart");
        if (!view || view->chart()->series().isEmpty())
            return {};
        auto* series = qobject_cast<QBarSeries*>(view->chart()->series().first());
        QList<double> values;
        for (int d = 0; series && d < series->barSets()[set]->count(); ++d)
            values << series->barSets()[set]->at(d);
        return values;
    }

  private slots:
    void init() { env = std::make_unique<GuiTestEnvironment>(); }
    void cleanup() { env.reset(); }

    void tableAndVerdictShowTheTests()
    {
        env->writeDatabase("f.c3d", 300);
        env->openDatabase("f.c3d");
        FairnessWindow w;
        QCOMPARE(w.windowTitle(), QString("Fairness Check"));
        const quor3::FairnessResult r = quor3::checkFairness(quor3::readDraws(Session::instance().databasePath()));
        auto* table = child<QTableWidget>(&w, "fairnessTable");
        QVERIFY(table);
        QCOMPARE(table->rowCount(), 7);
        QCOMPARE(cell(table, 0, 0), QString("Digits in the first position"));
        QCOMPARE(cell(table, 0, 4), QString("Digit sums"));
        for (int row = 0; row < 7; ++row) {
            QCOMPARE(cell(table, 3, row), QString::fromStdString(quor3::pValueText(r.tests[row].p)));
            if (row < 6)
                QCOMPARE(cell(table, 2, row), QString::number(r.tests[row].df));
        }
        QCOMPARE(cell(table, 2, 6), QString("%1 comparisons").arg(3 * 299));
        QCOMPARE(label(w, "verdictLabel"), QString::fromStdString(quor3::fairnessVerdict(r)));
        QVERIFY(label(w, "summaryLabel").startsWith("f.c3d: 300 draws tested."));
    }

    void theChosenPositionsCountsStandBesideTheFairAverage()
    {
        env->writeDatabase("f.c3d", {{1, 2, 3}, {1, 5, 3}, {7, 5, 3}, {1, 0, 0}, {-1, 2, 3}});
        env->openDatabase("f.c3d");
        FairnessWindow w;
        w.show();
        QVERIFY(QTest::qWaitForWindowActive(&w));
        QCOMPARE(bars(w, 0), (QList<double>{0, 3, 0, 0, 0, 0, 0, 1, 0, 0}));
        QCOMPARE(bars(w, 1), QList<double>(10, 0.4));
        auto* position = child<QComboBox>(&w, "positionBox");
        QVERIFY(position);
        // Down the list with the keyboard, as a user picks it.
        position->setFocus();
        QTest::keyClick(position, Qt::Key_Down);
        QCOMPARE(position->currentText(), QString("Second position"));
        QCOMPARE(bars(w, 0), (QList<double>{1, 0, 1, 0, 0, 2, 0, 0, 0, 0}));
        QTest::keyClick(position, Qt::Key_End);
        QCOMPARE(position->currentText(), QString("All positions"));
        QCOMPARE(bars(w, 0), (QList<double>{2, 3, 1, 3, 0, 2, 0, 1, 0, 0}));
        QCOMPARE(bars(w, 1), QList<double>(10, 1.2));
        QVERIFY(label(w, "summaryLabel").contains("1 left out for a digit outside 0 to 9"));
        QVERIFY(label(w, "verdictLabel").contains("1 draw was left out for a digit outside 0 to 9."));
    }

    // The full history is offered beside the working database, and chosen at
    // first when it holds more draws; a long one is tested in the background.
    void theFullHistoryComesFirstWhenItHoldsMore()
    {
        env->writeDatabase("f.c3d", 6300);
        env->openDatabase("f.c3d"); // its history takes all 6,300
        env->writeDatabase("f.c3d", 300);
        FairnessWindow w;
        w.show();
        QVERIFY(QTest::qWaitForWindowActive(&w));
        auto* choice = child<QComboBox>(&w, "drawsChoice");
        QVERIFY(choice);
        QCOMPARE(choice->itemText(0), QString("the working database (300 draws)"));
        QCOMPARE(choice->itemText(1), QString("the full history (6,300 draws)"));
        QTRY_VERIFY_WITH_TIMEOUT(!w.busy(), 20000);
        QCOMPARE(w.result().draws, 6300LL);
        QVERIFY(label(w, "summaryLabel").startsWith("f.c3d, full history: 6300 draws tested."));
        QCOMPARE(child<QTableWidget>(&w, "fairnessTable")->rowCount(), 7);
        choice->setFocus();
        QTest::keyClick(choice, Qt::Key_Up);
        QTRY_VERIFY_WITH_TIMEOUT(!w.busy(), 20000);
        QCOMPARE(w.result().draws, 300LL);
    }

    void withoutADatabaseNothingIsTested()
    {
        FairnessWindow w;
        QCOMPARE(w.result().draws, 0LL);
        QCOMPARE(label(w, "verdictLabel"), QString("There are no draws with digits 0 to 9 to test."));
        QCOMPARE(bars(w, 0), QList<double>(10, 0.0));
    }

    void f1OpensTheFairnessTopic()
    {
        FairnessWindow w;
        w.show();
        QVERIFY(QTest::qWaitForWindowActive(&w));
        QTest::keyClick(&w, Qt::Key_F1);
        QTRY_COMPARE_WITH_TIMEOUT(Help::lastTopic(), QString("fairness"), 3000);
        if (Help::viewer())
            Help::viewer()->close();
    }
};

QTEST_MAIN(FairnessWindowTest)
#include "FairnessWindowTest.moc"
