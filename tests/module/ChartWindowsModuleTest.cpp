// The program as it is linked and installed: no chart, print or download
// library at start, every chart window opened from its menu out of the chart
// windows module, the download out of its own.

#include "GuiTestSupport.h"

#include "app/ChartWindows.h"
#include "app/MainWindow.h"
#include "entry/FetchModule.h"
#include "platform/Dialogs.h"

#include <QAction>
#include <QApplication>
#include <QDialog>
#include <QFile>
#include <QLabel>
#include <QTest>

#include <memory>

namespace
{

// The shared libraries mapped into this process, by file name.
bool mapped(const QString& library)
{
    QFile maps("/proc/self/maps");
    if (!maps.open(QIODevice::ReadOnly))
        return false;
    return QString::fromLocal8Bit(maps.readAll()).contains(library);
}

} // namespace

class ChartWindowsModuleTest : public QObject
{
    Q_OBJECT

    std::unique_ptr<GuiTestEnvironment> env;
    std::unique_ptr<MainWindow> window;

  private slots:
    void init()
    {
        env = std::make_unique<GuiTestEnvironment>();
        window = std::make_unique<MainWindow>();
        env->writeDatabase("ga.c3d", 30);
        Dialogs::queueFile(env->dataFolder() + "/ga.c3d");
        window->findChild<QAction*>("OpenDatabase1")->trigger();
    }
    void cleanup()
    {
        window.reset();
        env.reset();
    }

    // Runs first: nothing has opened a chart window yet.
    void theMainWindowStartsWithoutChartsOrPrinting()
    {
        QVERIFY(!mapped("libQt6Charts.so"));
        QVERIFY(!mapped("libQt6PrintSupport.so"));
        QVERIFY(!mapped("quor3-chart-windows.so"));
        QVERIFY(!mapped("libcurl"));
        QVERIFY(!mapped("quor3-fetch.so"));
    }

    void theDownloadComesFromItsModule()
    {
        const QString file = env->dataFolder() + "/results.csv";
        QFile results(file);
        QVERIFY(results.open(QIODevice::WriteOnly));
        results.write("3/1/2002,3,0,7\n");
        results.close();
        QCOMPARE(FetchModule::fetchFile(file.toStdString(), {}).body, std::string("3/1/2002,3,0,7\n"));
        QVERIFY(mapped("quor3-fetch.so"));
        QVERIFY(mapped("libcurl"));
    }

    void everyChartWindowOpensFromTheModule_data()
    {
        QTest::addColumn<QString>("action");
        QTest::addColumn<QString>("caption");
        const char* const items[][2] = {
            {"GraphTotals1", "Totals Bar Graph"}, {"Sums1", "Sums Graph"},
            {"SetsGraph1", "Graph Sets"},         {"FairnessCheck1", "Fairness Check"},
            {"Picks1", "Computer Choices"},       {"Backtest1", "How Did the Choices Do?"},
            {"MyTickets1", "My Tickets"},         {"PrizeTable1", "Prize Table"},
            {"BuildPlays1", "Build Plays"},
        };
        for (const auto& item : items)
            QTest::newRow(item[0]) << QString(item[0]) << QString(item[1]);
    }
    void everyChartWindowOpensFromTheModule()
    {
        QFETCH(QString, action);
        QFETCH(QString, caption);
        auto* item = window->findChild<QAction*>(action);
        QVERIFY(item);
        QString summary;
        const QString shown = titleOfWindowOpenedBy<QDialog>(item, [&summary](QDialog* dialog) {
            if (auto* label = dialog->findChild<QLabel*>("summaryLabel"))
                summary = label->text();
        });
        QCOMPARE(shown, caption);
        QVERIFY(Dialogs::shown().isEmpty());
        // The module's windows see the program's session, with its open database.
        if (action == "Backtest1")
            QVERIFY2(summary.startsWith("ga.c3d: "), qPrintable(summary));
        QVERIFY(mapped("quor3-chart-windows.so"));
        QVERIFY(mapped("libQt6Charts.so"));
    }
};

QTEST_MAIN(ChartWindowsModuleTest)
#include "ChartWindowsModuleTest.moc"
