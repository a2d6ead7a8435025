#include "GuiTestSupport.h"

#include "charts/BarChartWidget.h"
#include "charts/SumsGraphSettingsDialog.h"
#include "charts/SumsGraphWindow.h"
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

class SumsGraphTest : public QObject
{
    Q_OBJECT
    std::unique_ptr<GuiTestEnvironment> env;

  private slots:
    void init() { env = std::make_unique<GuiTestEnvironment>(); }
    void cleanup() { env.reset(); }

    void lastDraw999WithSpanOneIsOneBarAt27()
    {
        Settings::writeInteger(SumsGraphWindow::SettingsKey, 1);
        env->writeDatabase("s.c3d", {{1, 2, 3}, {4, 4, 4}, {9, 9, 9}});
        env->openDatabase("s.c3d");
        SumsGraphWindow w;
        throughGuard(&w, [&] { w.refresh(); });
        const QVector<double> v = w.chart->values();
        QCOMPARE(v.size(), 28);
        QCOMPARE(v[27], 1.0);
        QCOMPARE(total(v), 1.0);
        QCOMPARE(w.chart->axisMax(), 4.0);
        QCOMPARE(w.chart->chartTitle(2), QString("Sums Analysis for Past 1 Draws"));
        QCOMPARE(w.chart->pointLabel(0), QString("0"));
        QCOMPARE(w.chart->pointLabel(27), QString("27"));
    }

    void spanTenOfAHundredCountsOnlyTheLatestTen()
    {
        Settings::writeInteger(SumsGraphWindow::SettingsKey, 10);
        std::vector<TestDraw> draws(90, TestDraw{0, 0, 1});
        for (int i = 0; i < 10; ++i)
            draws.push_back({i, 0, 0});
        env->writeDatabase("s.c3d", draws);
        env->openDatabase("s.c3d");
        SumsGraphWindow w;
        throughGuard(&w, [&] { w.refresh(); });
        const QVector<double> v = w.chart->values();
        QCOMPARE(total(v), 10.0);
        QCOMPARE(v[1], 1.0); // the 90 older draws of sum 1 are not counted
        QCOMPARE(w.chart->axisMax(), 4.0);
        QCOMPARE(w.chart->chartTitle(2), QString("Sums Analysis for Past 10 Draws"));
    }

    void storedSpanBeyondTheDatabaseCountsAllAndTheDialogShowsN()
    {
        Settings::writeInteger(SumsGraphWindow::SettingsKey, 200);
        env->writeDatabase("s.c3d", 120);
        env->openDatabase("s.c3d");
        SumsGraphWindow w;
        throughGuard(&w, [&] { w.refresh(); });
        QCOMPARE(w.tracked.span, 120);
        QCOMPARE(total(w.chart->values()), 120.0);

        // Closing without "&Save" rewrites the unchanged S and redraws.
        const int drawings = w.chart->drawings();
        int shown = -1;
        whenModalActive<SumsGraphSettingsDialog>([&shown](SumsGraphSettingsDialog* dialog) {
            shown = dialog->spanEdit->value();
            dialog->close();
        });
        throughGuard(&w, [&] { w.customize(); });
        QCOMPARE(shown, 120);
        QCOMPARE(Settings::readInteger(SumsGraphWindow::SettingsKey, -1), 120);
        QCOMPARE(w.chart->drawings(), drawings + 1);
        QCOMPARE(total(w.chart->values()), 120.0);
    }

    void savingASpanRedrawsWithIt()
    {
        env->writeDatabase("s.c3d", 60);
        env->openDatabase("s.c3d");
        SumsGraphWindow w;
        throughGuard(&w, [&] { w.refresh(); });
        whenModalActive<SumsGraphSettingsDialog>([](SumsGraphSettingsDialog* dialog) {
            QCOMPARE(dialog->spanEdit->maximum(), 60);
            dialog->spanEdit->setValue(12);
            QTest::mouseClick(dialog->saveButton, Qt::LeftButton);
        });
        QTest::mouseClick(w.customizeButton, Qt::LeftButton);
        QCOMPARE(Settings::readInteger(SumsGraphWindow::SettingsKey, -1), 12);
        QCOMPARE(total(w.chart->values()), 12.0);
        QCOMPARE(w.chart->chartTitle(2), QString("Sums Analysis for Past 12 Draws"));
        QVERIFY(Dialogs::shown().isEmpty());
    }

    // A span below 1 would leave the graph empty for good: it is never
    // stored, and a stored one reads as every draw.
    void spansBelowOneAreNeverStored()
    {
        env->writeDatabase("empty.c3d", std::vector<TestDraw>{});
        Session::instance().databaseName = "empty.c3d"; // nothing to rebuild
        {
            SumsGraphWindow w;
            throughGuard(&w, [&] { w.refresh(); });
            QCOMPARE(w.tracked.span, 0);
            whenModalActive<SumsGraphSettingsDialog>([](SumsGraphSettingsDialog* dialog) { dialog->close(); });
            throughGuard(&w, [&] { w.customize(); });
        }
        QCOMPARE(Settings::readInteger(SumsGraphWindow::SettingsKey, -1), -1);

        Settings::writeInteger(SumsGraphWindow::SettingsKey, 0);
        env->writeDatabase("s.c3d", 30);
        env->openDatabase("s.c3d");
        SumsGraphWindow w;
        throughGuard(&w, [&] { w.refresh(); });
        QCOMPARE(w.tracked.span, 30);
        QCOMPARE(total(w.chart->values()), 30.0);
        QCOMPARE(w.chart->chartTitle(2), QString("Sums Analysis for Past 30 Draws"));
        Settings::writeInteger(SumsGraphWindow::SettingsKey, -4);
        throughGuard(&w, [&] { w.refresh(); });
        QCOMPARE(w.tracked.span, 30);
    }

    void typingASpanAboveTheDrawsShowsTheDraws()
    {
        env->writeDatabase("s.c3d", 120);
        env->openDatabase("s.c3d");
        Settings::writeInteger(SumsGraphWindow::SettingsKey, 10);
        SumsGraphWindow w;
        throughGuard(&w, [&] { w.refresh(); });
        QString shown;
        bool focused = false;
        whenModalActive<SumsGraphSettingsDialog>([&shown, &focused](SumsGraphSettingsDialog* dialog) {
            focused = QApplication::focusWidget() == dialog->spanEdit;
            dialog->spanEdit->selectAll();
            QTest::keyClicks(dialog->spanEdit, "150");
            shown = dialog->spanEdit->text();
            QTest::mouseClick(dialog->saveButton, Qt::LeftButton);
        });
        QTest::mouseClick(w.customizeButton, Qt::LeftButton);
        QVERIFY(focused);
        QCOMPARE(shown, QString("120"));
        QCOMPARE(Settings::readInteger(SumsGraphWindow::SettingsKey, -1), 120);
        QCOMPARE(w.chart->chartTitle(2), QString("Sums Analysis for Past 120 Draws"));
    }

    void withoutADatabaseZeroBarsUnderTheLastSpan()
    {
        SumsGraphWindow w;
        w.tracked.span = 17;
        throughGuard(&w, [&] { w.refresh(); });
        QCOMPARE(w.chart->values(), QVector<double>(28, 0.0));
        QCOMPARE(w.chart->chartTitle(2), QString("Sums Analysis for Past 17 Draws"));
        QVERIFY(w.customizeButton->isEnabled());
    }

    // A first showing without draws has no span to name: no "Past 0 Draws".
    void withoutDrawsTheTitleSaysSo()
    {
        SumsGraphWindow w;
        throughGuard(&w, [&] { w.refresh(); });
        QCOMPARE(w.chart->chartTitle(2), QString("Sums Analysis: no draws to show"));
    }

    void activationDrawsAndF1OpensTheSumsTopic()
    {
        env->writeDatabase("s.c3d", 20);
        env->openDatabase("s.c3d");
        SumsGraphWindow w;
        w.show();
        QVERIFY(QTest::qWaitForWindowActive(&w));
        QTRY_COMPARE(w.chart->pointCount(), 28);
        QTest::keyClick(&w, Qt::Key_F1);
        QCOMPARE(Help::lastTopic(), QString("sums"));
        if (Help::viewer())
            Help::viewer()->close();
    }
};

QTEST_MAIN(SumsGraphTest)
#include "SumsGraphWindowTest.moc"
