// How many of the latest draws the totals, sums and sets graphs track: every
// draw when nothing is stored, however long the database; and a span box that
// the user empties reads as its smallest value, 1.

#include "GuiTestSupport.h"

#include "charts/BarChartWidget.h"
#include "charts/SetsConfigDialog.h"
#include "charts/SetsGraphWindow.h"
#include "charts/SumsGraphSettingsDialog.h"
#include "charts/SumsGraphWindow.h"
#include "charts/TotalsGraphSettingsDialog.h"
#include "charts/TotalsGraphWindow.h"
#include "engine/Analysis.h"
#include "engine/DataFiles.h"
#include "platform/Dialogs.h"
#include "platform/ProfileFile.h"

#include <QCheckBox>
#include <QPushButton>
#include <QSpinBox>
#include <QTest>

namespace
{

// Empties a spin box the way a user does: select everything, then delete it.
// The dialogs are then saved with Alt+S, so the box is still empty when read.
void emptyByKeys(QSpinBox* box)
{
    box->setFocus();
    QTest::keyClick(box, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClick(box, Qt::Key_Backspace);
}

// Draws of sum 1 first, then one 9-9-9 last: a span of 1 gives a single bar at 27.
std::vector<TestDraw> endingIn999(int n)
{
    std::vector<TestDraw> draws(static_cast<std::size_t>(n - 1), TestDraw{0, 0, 1});
    draws.push_back({9, 9, 9});
    return draws;
}

} // namespace

class TrackedSpanTest : public QObject
{
    Q_OBJECT
    std::unique_ptr<GuiTestEnvironment> env;

  private slots:
    void init() { env = std::make_unique<GuiTestEnvironment>(); }
    void cleanup() { env.reset(); }

    void withoutAStoredSpanTheSumsGraphTracksEveryDraw_data()
    {
        QTest::addColumn<int>("draws");
        QTest::newRow("91") << 91;
        QTest::newRow("120") << 120;
        QTest::newRow("731") << 731;
    }
    void withoutAStoredSpanTheSumsGraphTracksEveryDraw()
    {
        QFETCH(int, draws);
        env->writeDatabase("s.c3d", endingIn999(draws));
        env->openDatabase("s.c3d");
        SumsGraphWindow w;
        w.show();
        QVERIFY(QTest::qWaitForWindowActive(&w));
        QTRY_COMPARE_WITH_TIMEOUT(w.chart->pointCount(), 28, 5000);
        QCOMPARE(w.chart->chartTitle(2), QString("Sums Analysis for Past %1 Draws").arg(draws));
        QCOMPARE(total(w.chart->values()), double(draws));
        QCOMPARE(w.chart->values().at(1), double(draws - 1));

        int shown = -1;
        whenModalActive<SumsGraphSettingsDialog>([&shown](SumsGraphSettingsDialog* dialog) {
            if (auto* box = child<QSpinBox>(dialog, "SpinEdit1"))
                shown = box->value();
            dialog->close();
        });
        QTest::mouseClick(w.customizeButton, Qt::LeftButton);
        QCOMPARE(shown, draws);
        QCOMPARE(Settings::readInteger(SumsGraphWindow::SettingsKey, -1), draws);
    }

    void withoutAStoredSpanTheTotalsGraphTracksEveryDraw()
    {
        env->writeDatabase("g.c3d", 200);
        env->openDatabase("g.c3d");
        TotalsGraphWindow w;
        w.show();
        QVERIFY(QTest::qWaitForWindowActive(&w));
        QTRY_COMPARE_WITH_TIMEOUT(w.chart->pointCount(), 10, 5000);
        QCOMPARE(w.chart->chartTitle(2), QString("Cumulative Totals for Past 200 Draws"));
        QCOMPARE(total(w.chart->values()), 600.0);
    }

    // A stored span is cut to the draws only when it is larger than one less
    // than their number, and the dialog's box reaches exactly that number.
    void aStoredSpanUpToTheDrawsIsKept_data()
    {
        QTest::addColumn<int>("draws");
        QTest::addColumn<int>("stored");
        QTest::addColumn<int>("tracked");
        QTest::newRow("one less") << 40 << 39 << 39;
        QTest::newRow("all") << 40 << 40 << 40;
        QTest::newRow("one more") << 40 << 41 << 40;
        QTest::newRow("two draws") << 2 << 5 << 2;
        QTest::newRow("one draw") << 1 << 5 << 1;
    }
    void aStoredSpanUpToTheDrawsIsKept()
    {
        QFETCH(int, draws);
        QFETCH(int, stored);
        QFETCH(int, tracked);
        Settings::writeInteger(SumsGraphWindow::SettingsKey, stored);
        env->writeDatabase("s.c3d", endingIn999(draws));
        env->openDatabase("s.c3d");
        SumsGraphWindow w;
        throughGuard(&w, [&] { w.refresh(); });
        QCOMPARE(w.tracked.span, tracked);
        QCOMPARE(total(w.chart->values()), double(tracked));

        int shown = -1, limit = -1;
        whenModalActive<SumsGraphSettingsDialog>([&](SumsGraphSettingsDialog* dialog) {
            if (auto* box = child<QSpinBox>(dialog, "SpinEdit1")) {
                shown = box->value();
                limit = box->maximum();
            }
            dialog->close();
        });
        QTest::mouseClick(w.customizeButton, Qt::LeftButton);
        QCOMPARE(shown, tracked);
        QCOMPARE(limit, draws);
    }

    void theSetsSpanBoxReachesExactlyTheDraws_data()
    {
        QTest::addColumn<int>("draws");
        QTest::newRow("1") << 1;
        QTest::newRow("2") << 2;
        QTest::newRow("3") << 3;
        QTest::newRow("40") << 40;
    }
    void theSetsSpanBoxReachesExactlyTheDraws()
    {
        QFETCH(int, draws);
        env->writeDatabase("s.c3d", endingIn999(draws));
        env->openDatabase("s.c3d");
        SetsGraphWindow w;
        throughGuard(&w, [&] { w.refresh(); });
        int limit = -1;
        whenModalActive<SetsConfigDialog>([&limit](SetsConfigDialog* dialog) {
            if (auto* box = child<QSpinBox>(dialog, "SpinEdit1"))
                limit = box->maximum();
            dialog->close();
        });
        QTest::mouseClick(w.customizeButton, Qt::LeftButton);
        QCOMPARE(limit, draws);
    }

    void anEmptiedSumsSpanReadsAsOne()
    {
        env->writeDatabase("s.c3d", endingIn999(40));
        env->openDatabase("s.c3d");
        SumsGraphWindow w;
        throughGuard(&w, [&] { w.refresh(); });
        whenModalActive<SumsGraphSettingsDialog>([](SumsGraphSettingsDialog* dialog) {
            auto* box = child<QSpinBox>(dialog, "SpinEdit1");
            if (!box) {
                dialog->close();
                return;
            }
            emptyByKeys(box);
            QTest::keyClick(box, Qt::Key_S, Qt::AltModifier);
        });
        QTest::mouseClick(w.customizeButton, Qt::LeftButton);
        QCOMPARE(w.tracked.span, 1);
        QCOMPARE(Settings::readInteger(SumsGraphWindow::SettingsKey, -1), 1);
        QCOMPARE(w.chart->chartTitle(2), QString("Sums Analysis for Past 1 Draws"));
        QCOMPARE(w.chart->values().value(27), 1.0);
        QCOMPARE(total(w.chart->values()), 1.0);
    }

    void anEmptiedTotalsSpanReadsAsOne()
    {
        env->writeDatabase("g.c3d", endingIn999(40));
        env->openDatabase("g.c3d");
        TotalsGraphWindow w;
        throughGuard(&w, [&] { w.refresh(); });
        whenModalActive<TotalsGraphSettingsDialog>([](TotalsGraphSettingsDialog* dialog) {
            auto* box = child<QSpinBox>(dialog, "SpinEdit1");
            if (!box) {
                dialog->close();
                return;
            }
            emptyByKeys(box);
            QTest::keyClick(box, Qt::Key_S, Qt::AltModifier);
        });
        QTest::mouseClick(w.customizeButton, Qt::LeftButton);
        QCOMPARE(w.tracked.span, 1);
        QCOMPARE(w.chart->chartTitle(2), QString("Cumulative Totals for Past 1 Draws"));
        QCOMPARE(w.chart->values().value(9), 3.0);
        QCOMPARE(total(w.chart->values()), 3.0);
    }

    void anEmptiedSetsSpanIsSavedAsOne()
    {
        env->writeDatabase("s.c3d", endingIn999(40));
        env->openDatabase("s.c3d");
        SetsGraphWindow w;
        throughGuard(&w, [&] { w.refresh(); });
        whenModalActive<SetsConfigDialog>([](SetsConfigDialog* dialog) {
            auto* box = child<QSpinBox>(dialog, "SpinEdit1");
            auto* nine = child<QCheckBox>(dialog, "CheckBox50"); // set 5, digit 9
            if (!box || !nine) {
                dialog->close();
                return;
            }
            QTest::mouseClick(nine, Qt::LeftButton);
            emptyByKeys(box);
            QTest::keyClick(box, Qt::Key_S, Qt::AltModifier);
        });
        QTest::mouseClick(w.customizeButton, Qt::LeftButton);
        const auto lines = quor3::readTextLines(SetsConfigDialog::configFile());
        QCOMPARE(lines.size(), std::size_t(51));
        QCOMPARE(lines.front(), std::string("1"));
        QCOMPARE(lines.back(), std::string("0"));
        QCOMPARE(w.chart->chartTitle(2), QString("Set Totals for Past 1 Draws"));
        QCOMPARE(w.chart->values().value(4), 3.0);
    }
};

QTEST_MAIN(TrackedSpanTest)
#include "TrackedSpanTest.moc"
