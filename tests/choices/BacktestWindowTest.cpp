#include "GuiTestSupport.h"

#include "choices/BacktestWindow.h"
#include "engine/Backtest.h"
#include "platform/Help.h"
#include "platform/Session.h"

#include <QAction>
#include <QAreaSeries>
#include <QChart>
#include <QChartView>
#include <QClipboard>
#include <QComboBox>
#include <QGuiApplication>
#include <QLabel>
#include <QLineSeries>
#include <QPushButton>
#include <QSpinBox>
#include <QTableWidget>
#include <QTest>
#include <QThreadPool>

#include <memory>

class BacktestWindowTest : public QObject
{
    Q_OBJECT
    std::unique_ptr<GuiTestEnvironment> env;

    quor3::BacktestResult expected(std::uint32_t seed) const
    {
        return quor3::backtest(quor3::readDraws(Session::instance().databasePath()), 1, seed);
    }

    static QString label(BacktestWindow& w, const char* name)
    {
        auto* l = child<QLabel>(&w, name);
        return l ? l->text() : QString("<missing %1>").arg(name);
    }

  private slots:
    void init() { env = std::make_unique<GuiTestEnvironment>(); }
    void cleanup() { env.reset(); }

    void withoutADatabaseItTestsNothing()
    {
        BacktestWindow w;
        QCOMPARE(w.windowTitle(), QString("How Did the Choices Do?"));
        QCOMPARE(w.result().tested, 0LL);
        QCOMPARE(label(w, "summaryLabel"), QString("No database is open."));
        QVERIFY(label(w, "verdictLabel").startsWith("No draws were tested."));
        auto* table = child<QTableWidget>(&w, "backtestTable");
        QVERIFY(table);
        QCOMPARE(table->rowCount(), 8);
        QCOMPARE(cell(table, 0, 7), QString("All lists"));
        QCOMPARE(cell(table, 1, 7), QString("0"));
    }

    void tableChartAndVerdictShowTheBacktest()
    {
        env->writeDatabase("b.c3d", 120);
        env->openDatabase("b.c3d");
        BacktestWindow w;
        const quor3::BacktestResult r = expected(quor3::DefaultBacktestSeed);
        QCOMPARE(w.result().tested, 119LL);
        auto* table = child<QTableWidget>(&w, "backtestTable");
        QVERIFY(table);
        const QStringList names = {"Hot Numbers",   "Cold Numbers", "Warm Numbers",       "Odd/Even Picks",
                                   "Ordinal Picks", "Pairs Picks",  "Percentage Repeats", "All lists"};
        for (int row = 0; row < 8; ++row) {
            const quor3::PlayScore& s = row < 7 ? r.lists[static_cast<std::size_t>(row)] : r.total;
            QCOMPARE(cell(table, 0, row), names[row]);
            QCOMPARE(cell(table, 1, row), QString::number(s.plays));
            QCOMPARE(cell(table, 2, row), QString::number(s.boxHits));
            QCOMPARE(cell(table, 3, row), QString::number(s.expectedBox, 'f', 1));
            QCOMPARE(cell(table, 4, row), QString("%1-%2").arg(s.lowBox).arg(s.highBox));
            QCOMPARE(cell(table, 5, row), QString::fromStdString(quor3::pValueText(s.pBox)));
        }
        QCOMPARE(cell(table, 1, 7), QString::number(119 * 33));

        auto* view = child<QChartView>(&w, "backtestChart");
        QVERIFY(view);
        const auto series = view->chart()->series();
        QCOMPARE(series.size(), 3);
        auto* band = qobject_cast<QAreaSeries*>(series[0]);
        auto* average = qobject_cast<QLineSeries*>(series[1]);
        auto* matched = qobject_cast<QLineSeries*>(series[2]);
        QVERIFY(band && average && matched);
        QCOMPARE(matched->count(), 119);
        QCOMPARE(matched->at(118).y(), static_cast<double>(r.total.boxHits));
        QCOMPARE(average->at(118).y(), r.total.expectedBox);
        QCOMPARE(band->upperSeries()->at(118).y(), static_cast<double>(r.total.highBox));
        QCOMPARE(band->lowerSeries()->at(118).y(), static_cast<double>(r.total.lowBox));

        const QString verdict = label(w, "verdictLabel");
        QCOMPARE(verdict, QString::fromStdString(quor3::backtestVerdict(r)));
        QVERIFY(verdict.startsWith("Over 119 draws the 33 daily choices matched "));
        QVERIFY(label(w, "summaryLabel").startsWith("b.c3d: "));
        QVERIFY2(label(w, "moneyLabel").startsWith("3,927 plays at $1 would have cost $3,927 and paid back $"),
                 qPrintable(label(w, "moneyLabel")));
    }

    // The verdict is copied whole with Ctrl+C, and from its context menu.
    void theVerdictIsCopied()
    {
        env->writeDatabase("b.c3d", 60);
        env->openDatabase("b.c3d");
        BacktestWindow w;
        w.show();
        QVERIFY(QTest::qWaitForWindowActive(&w));
        QGuiApplication::clipboard()->setText("before");
        child<QPushButton>(&w, "closeButton")->setFocus();
        QTest::keyClick(&w, Qt::Key_C, Qt::ControlModifier);
        QCOMPARE(QGuiApplication::clipboard()->text(), label(w, "verdictLabel"));
        QVERIFY(label(w, "verdictLabel").startsWith("Over 59 draws"));

        auto* verdict = child<QLabel>(&w, "verdictLabel");
        QVERIFY(verdict);
        QCOMPARE(verdict->contextMenuPolicy(), Qt::ActionsContextMenu);
        QGuiApplication::clipboard()->setText("before");
        auto* copy = verdict->findChild<QAction*>("verdictLabelCopy");
        QVERIFY(copy && verdict->actions().contains(copy));
        copy->trigger();
        QCOMPARE(QGuiApplication::clipboard()->text(), label(w, "verdictLabel"));
    }

    void aTypedSeedRecalculatesTheOddEvenList()
    {
        env->writeDatabase("b.c3d", 200);
        env->openDatabase("b.c3d");
        BacktestWindow w;
        w.show();
        QVERIFY(QTest::qWaitForWindowActive(&w));
        auto* seed = child<QSpinBox>(&w, "seedBox");
        QVERIFY(seed);
        QCOMPARE(seed->value(), 1);
        seed->setFocus();
        QTest::keyClick(seed, Qt::Key_A, Qt::ControlModifier);
        QTest::keyClicks(seed, "4242");
        QTest::keyClick(seed, Qt::Key_Return);
        QTRY_COMPARE_WITH_TIMEOUT(w.result().seed, 4242u, 3000);
        const quor3::BacktestResult r = expected(4242);
        QCOMPARE(w.result().lists[3].boxHits, r.lists[3].boxHits);
        QCOMPARE(w.result().total.boxHits, r.total.boxHits);
        QCOMPARE(label(w, "verdictLabel"), QString::fromStdString(quor3::backtestVerdict(r)));
        // Only the odd/even list draws on the seed.
        const quor3::BacktestResult first = expected(1);
        for (std::size_t l : {0u, 1u, 2u, 4u, 5u, 6u})
            QCOMPARE(w.result().lists[l].boxHits, first.lists[l].boxHits);

        QTest::keyClick(seed, Qt::Key_A, Qt::ControlModifier);
        QTest::keyClicks(seed, "7");
        QTest::mouseClick(child<QPushButton>(&w, "recalculateButton"), Qt::LeftButton);
        QCOMPARE(w.result().seed, 7u);
    }

    // An imported history of thousands of draws is tested in the background:
    // the window says so at once, and fills in the same figures when done.
    void aLongHistoryIsTestedInTheBackground()
    {
        const int n = static_cast<int>(BacktestWindow::BackgroundFrom) + 1200;
        env->writeDatabase("long.c3d", n);
        env->openDatabase("long.c3d");
        BacktestWindow w;
        w.show();
        QVERIFY(w.busy());
        QVERIFY2(label(w, "summaryLabel").contains(QString("testing %1 draws").arg(n)),
                 qPrintable(label(w, "summaryLabel")));
        QVERIFY(label(w, "verdictLabel").isEmpty());
        QTRY_VERIFY_WITH_TIMEOUT(!w.busy(), 20000);
        const quor3::BacktestResult r = expected(quor3::DefaultBacktestSeed);
        QCOMPARE(w.result().tested, static_cast<long long>(n - 1));
        QCOMPARE(w.result().total.boxHits, r.total.boxHits);
        QCOMPARE(label(w, "verdictLabel"), QString::fromStdString(quor3::backtestVerdict(r)));
        auto* table = child<QTableWidget>(&w, "backtestTable");
        QVERIFY(table);
        QCOMPARE(cell(table, 1, 7), QString::number(r.total.plays));
        auto* view = child<QChartView>(&w, "backtestChart");
        QVERIFY(view && view->chart()->series().size() == 3);
        auto* matched = qobject_cast<QLineSeries*>(view->chart()->series()[2]);
        QVERIFY(matched);
        QCOMPARE(matched->count(), static_cast<int>(r.steps.size()));
        QCOMPARE(matched->at(matched->count() - 1).x(), static_cast<double>(n - 1));
    }

    // A second recalculation while the first still runs: only the later
    // result is shown; and a window closed while its backtest runs is no
    // harm to anyone.
    void onlyTheLatestBackgroundRunCounts()
    {
        env->writeDatabase("long.c3d", static_cast<int>(BacktestWindow::BackgroundFrom) + 10);
        env->openDatabase("long.c3d");
        {
            BacktestWindow closedEarly;
        }
        BacktestWindow w;
        w.show();
        QVERIFY(QTest::qWaitForWindowActive(&w));
        auto* seed = child<QSpinBox>(&w, "seedBox");
        QVERIFY(seed);
        seed->setFocus();
        QTest::keyClick(seed, Qt::Key_A, Qt::ControlModifier);
        QTest::keyClicks(seed, "99");
        QTest::keyClick(seed, Qt::Key_Return);
        QTRY_VERIFY_WITH_TIMEOUT(!w.busy(), 20000);
        QCOMPARE(w.result().seed, 99u);
        QCOMPARE(w.result().lists[3].boxHits, expected(99).lists[3].boxHits);
        QVERIFY(QThreadPool::globalInstance()->waitForDone(20000));
    }

    // Recalculate on a short history while a long one still runs in the
    // background: the result shown at once stays, whenever the stopped run
    // comes back.
    void aStoppedBackgroundRunNeverReplacesTheNewerResult()
    {
        env->writeDatabase("long.c3d", static_cast<int>(BacktestWindow::BackgroundFrom) + 10);
        env->writeDatabase("short.c3d", 40);
        env->openDatabase("long.c3d");
        BacktestWindow w;
        w.show();
        QVERIFY(w.busy());
        env->openDatabase("short.c3d");
        QTest::mouseClick(child<QPushButton>(&w, "recalculateButton"), Qt::LeftButton);
        QCOMPARE(w.result().tested, 39LL);
        QTRY_VERIFY_WITH_TIMEOUT(!w.busy(), 20000);
        QCoreApplication::processEvents();
        QCOMPARE(w.result().tested, 39LL);
        QVERIFY(!w.result().stopped);
        QCOMPARE(label(w, "verdictLabel"), QString::fromStdString(quor3::backtestVerdict(expected(w.result().seed))));
        QVERIFY(label(w, "summaryLabel").startsWith("short.c3d: "));
    }

    // The full history is offered beside the working database, and chosen
    // at first when it holds more draws (a cut-back leaves the working file few).
    void theFullHistoryComesFirstWhenItHoldsMore()
    {
        env->writeDatabase("b.c3d", 300);
        env->openDatabase("b.c3d"); // its history takes all 300
        env->writeDatabase("b.c3d", 100);
        BacktestWindow w;
        w.show();
        QVERIFY(QTest::qWaitForWindowActive(&w));
        auto* choice = child<QComboBox>(&w, "drawsChoice");
        QVERIFY(choice);
        QCOMPARE(choice->itemText(0), QString("the working database (100 draws)"));
        QCOMPARE(choice->itemText(1), QString("the full history (300 draws)"));
        QTRY_VERIFY_WITH_TIMEOUT(!w.busy(), 20000);
        QCOMPARE(w.result().tested, 299LL);
        QVERIFY(label(w, "summaryLabel").startsWith("b.c3d, full history: "));
        choice->setFocus();
        QTest::keyClick(choice, Qt::Key_Up);
        QTRY_VERIFY_WITH_TIMEOUT(!w.busy(), 20000);
        QCOMPARE(w.result().tested, 99LL);
        // A recalculation keeps the player's choice.
        QTest::mouseClick(child<QPushButton>(&w, "recalculateButton"), Qt::LeftButton);
        QTRY_VERIFY_WITH_TIMEOUT(!w.busy(), 20000);
        QCOMPARE(w.result().tested, 99LL);
        QVERIFY(label(w, "summaryLabel").startsWith("b.c3d: "));
    }

    void aHistoryThatBeatsChanceStillClaimsNoSkill()
    {
        env->writeDatabase("same.c3d", std::vector<TestDraw>(30, TestDraw{1, 2, 3}));
        env->openDatabase("same.c3d");
        BacktestWindow w;
        const QString verdict = label(w, "verdictLabel");
        QVERIFY2(verdict.contains("it does not show that the choices can predict a draw"), qPrintable(verdict));
        QVERIFY2(verdict.contains("with seven lists, one such result turns up by luck in about one run in three"),
                 qPrintable(verdict));
    }

    void f1OpensTheBacktestTopic()
    {
        BacktestWindow w;
        w.show();
        QVERIFY(QTest::qWaitForWindowActive(&w));
        QTest::keyClick(&w, Qt::Key_F1);
        QTRY_COMPARE_WITH_TIMEOUT(Help::lastTopic(), QString("backtest"), 3000);
        if (Help::viewer())
            Help::viewer()->close();
    }
};

QTEST_MAIN(BacktestWindowTest)
#include "BacktestWindowTest.moc"
