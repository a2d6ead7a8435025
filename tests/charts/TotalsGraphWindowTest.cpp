#include "GuiTestSupport.h"

#include "charts/BarChartWidget.h"
#include "charts/TotalsGraphSettingsDialog.h"
#include "charts/TotalsGraphWindow.h"
#include "platform/Dialogs.h"
#include "platform/Help.h"
#include "platform/ProfileFile.h"
#include "platform/Session.h"

#include <QPushButton>
#include <QSpinBox>
#include <QTest>
#include <QTimer>

#include <functional>
#include <numeric>

class TotalsGraphTest : public QObject
{
    Q_OBJECT
    std::unique_ptr<GuiTestEnvironment> env;

  private slots:
    void init() { env = std::make_unique<GuiTestEnvironment>(); }
    void cleanup() { env.reset(); }

    void fiftyDrawsWithoutAStoredSpanCountAllOfThem()
    {
        env->writeDatabase("g.c3d", 50);
        env->openDatabase("g.c3d");
        TotalsGraphWindow w;
        throughGuard(&w, [&] { w.refresh(); });
        BarChartWidget* chart = w.chart;
        QCOMPARE(chart, child<BarChartWidget>(&w, "Chartfx1"));
        QCOMPARE(w.tracked.span, 50);
        QCOMPARE(chart->pointCount(), 10);
        QCOMPARE(total(chart->values()), 150.0);
        QCOMPARE(chart->chartTitle(2), QString("Cumulative Totals for Past 50 Draws"));
        const QVector<double> v = chart->values();
        QCOMPARE(chart->axisMax(), *std::max_element(v.begin(), v.end()) + 3);
        QCOMPARE(chart->captions(), QStringList({"0", "1", "2", "3", "4", "5", "6", "7", "8", "9"}));
        QVERIFY(w.customizeButton->isEnabled());
    }

    void storedSpanBeyondTheDatabaseIsLimitedShownAndSavedOnClose()
    {
        Settings::writeInteger(TotalsGraphWindow::SettingsKey, 200);
        env->writeDatabase("g.c3d", 120);
        env->openDatabase("g.c3d");
        TotalsGraphWindow w;
        throughGuard(&w, [&] { w.refresh(); });
        QCOMPARE(w.tracked.span, 120);
        QCOMPARE(total(w.chart->values()), 360.0);

        // Closing the dialog without "&Save" still writes D and redraws the same graph.
        const int drawings = w.chart->drawings();
        int shown = -1;
        whenModalActive<TotalsGraphSettingsDialog>([&shown](TotalsGraphSettingsDialog* dialog) {
            shown = dialog->spanEdit->value();
            dialog->close();
        });
        throughGuard(&w, [&] { w.customize(); });
        QCOMPARE(shown, 120);
        QCOMPARE(Settings::readInteger(TotalsGraphWindow::SettingsKey, -1), 120);
        QCOMPARE(w.chart->drawings(), drawings + 1);
        QCOMPARE(total(w.chart->values()), 360.0);

        Settings::writeInteger(TotalsGraphWindow::SettingsKey, 7);
        w.show();
        w.close();
        QCOMPARE(Settings::readInteger(TotalsGraphWindow::SettingsKey, -1), 120);
    }

    void savingFiveCountsTheLastFiveDraws()
    {
        std::vector<TestDraw> draws(40, TestDraw{0, 0, 0});
        for (int i = 0; i < 5; ++i)
            draws.push_back({9, 8, 7});
        env->writeDatabase("g.c3d", draws);
        env->openDatabase("g.c3d");
        TotalsGraphWindow w;
        throughGuard(&w, [&] { w.refresh(); });
        whenModalActive<TotalsGraphSettingsDialog>([](TotalsGraphSettingsDialog* dialog) {
            dialog->spanEdit->setValue(5);
            QTest::mouseClick(dialog->saveButton, Qt::LeftButton);
        });
        QTest::mouseClick(w.customizeButton, Qt::LeftButton);
        QCOMPARE(w.tracked.span, 5);
        QCOMPARE(Settings::readInteger(TotalsGraphWindow::SettingsKey, -1), 5);
        const QVector<double> v = w.chart->values();
        QCOMPARE(total(v), 15.0);
        QCOMPARE(v[9], 5.0);
        QCOMPARE(v[0], 0.0);
        QCOMPARE(w.chart->axisMax(), 8.0);
        QCOMPARE(w.chart->chartTitle(2), QString("Cumulative Totals for Past 5 Draws"));
        QVERIFY(Dialogs::shown().isEmpty());
    }

    // A span below 1 would leave every later graph empty ("Past 0 Draws"): it
    // is never stored, and a stored one reads as every draw.
    void spansBelowOneAreNeverStored()
    {
        env->writeDatabase("empty.c3d", std::vector<TestDraw>{});
        Session::instance().databaseName = "empty.c3d"; // nothing to rebuild
        {
            TotalsGraphWindow w;
            w.show();
            QVERIFY(QTest::qWaitForWindowActive(&w));
            QTRY_COMPARE(w.chart->pointCount(), 10);
            QCOMPARE(w.tracked.span, 0);
            w.close();
        }
        QCOMPARE(Settings::readInteger(TotalsGraphWindow::SettingsKey, -1), -1);

        // No database at all: the span of this run, 0, is not stored either.
        Session::instance().databaseName.clear();
        {
            TotalsGraphWindow w;
            w.show();
            QVERIFY(QTest::qWaitForWindowActive(&w));
            w.close();
        }
        QCOMPARE(Settings::readInteger(TotalsGraphWindow::SettingsKey, -1), -1);

        Settings::writeInteger(TotalsGraphWindow::SettingsKey, 0);
        env->writeDatabase("g.c3d", 40);
        env->openDatabase("g.c3d");
        TotalsGraphWindow w;
        throughGuard(&w, [&] { w.refresh(); });
        QCOMPARE(w.tracked.span, 40);
        QCOMPARE(total(w.chart->values()), 120.0);
        QCOMPARE(w.chart->chartTitle(2), QString("Cumulative Totals for Past 40 Draws"));
    }

    void typingASpanAboveTheDrawsShowsTheDraws()
    {
        env->writeDatabase("g.c3d", 120);
        env->openDatabase("g.c3d");
        Settings::writeInteger(TotalsGraphWindow::SettingsKey, 10);
        TotalsGraphWindow w;
        throughGuard(&w, [&] { w.refresh(); });
        QString shown;
        bool focused = false;
        whenModalActive<TotalsGraphSettingsDialog>([&shown, &focused](TotalsGraphSettingsDialog* dialog) {
            focused = QApplication::focusWidget() == dialog->spanEdit;
            dialog->spanEdit->selectAll();
            QTest::keyClicks(dialog->spanEdit, "150");
            shown = dialog->spanEdit->text();
            QTest::mouseClick(dialog->saveButton, Qt::LeftButton);
        });
        QTest::mouseClick(w.customizeButton, Qt::LeftButton);
        QVERIFY(focused);
        QCOMPARE(shown, QString("120"));
        QCOMPARE(w.tracked.span, 120);
        QCOMPARE(Settings::readInteger(TotalsGraphWindow::SettingsKey, -1), 120);
        QCOMPARE(total(w.chart->values()), 360.0);
    }

    void withoutADatabaseTenZeroBarsAndNoCustomizing()
    {
        TotalsGraphWindow w;
        w.tracked.span = 33;
        throughGuard(&w, [&] { w.refresh(); });
        QVERIFY(!w.customizeButton->isEnabled());
        QCOMPARE(w.chart->values(), QVector<double>(10, 0.0));
        QCOMPARE(w.chart->axisMax(), 3.0);
        QCOMPARE(w.chart->chartTitle(2), QString("Cumulative Totals for Past 33 Draws"));
    }

    // A first showing without draws has no span to name: no "Past 0 Draws".
    void withoutDrawsTheTitleSaysSo()
    {
        TotalsGraphWindow w;
        throughGuard(&w, [&] { w.refresh(); });
        QCOMPARE(w.chart->chartTitle(2), QString("Cumulative Totals: no draws to show"));
    }

    void emptyDatabaseDrawsZeroBars()
    {
        env->writeDatabase("empty.c3d", std::vector<TestDraw>{});
        Session::instance().databaseName = "empty.c3d";
        TotalsGraphWindow w;
        throughGuard(&w, [&] { w.refresh(); });
        QCOMPARE(w.tracked.span, 0);
        QCOMPARE(w.chart->values(), QVector<double>(10, 0.0));
        QVERIFY(Dialogs::shown().isEmpty());
    }

    void activationDrawsAndF1OpensTheGraphTopic()
    {
        env->writeDatabase("g.c3d", 20);
        env->openDatabase("g.c3d");
        TotalsGraphWindow w;
        w.show();
        QVERIFY(QTest::qWaitForWindowActive(&w));
        QTRY_COMPARE(w.chart->pointCount(), 10);
        QTest::keyClick(&w, Qt::Key_F1);
        QCOMPARE(Help::lastTopic(), QString("graph"));
        if (Help::viewer())
            Help::viewer()->close();
    }
};

QTEST_MAIN(TotalsGraphTest)
#include "TotalsGraphWindowTest.moc"
