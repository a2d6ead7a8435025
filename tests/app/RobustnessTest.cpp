#include "GuiTestSupport.h"

#include "app/MainWindow.h"
#include "engine/DataFiles.h"
#include "engine/FileIo.h"
#include "platform/Dialogs.h"
#include "platform/Session.h"

#include <QAction>
#include <QDialog>
#include <QtTest>

#include <random>

// Every window opened from the menu over damaged files: each either shows what
// it can or reports the damage in a message box, and the program goes on.
class RobustnessTest : public QObject
{
    Q_OBJECT

    std::unique_ptr<GuiTestEnvironment> env;
    std::unique_ptr<MainWindow> window;

    void openAll()
    {
        int closed = 0;
        for (const char* name :
             {"GraphTotals1", "OddEvenRatio1", "PercentageRepeats1", "HotColdNumbers1", "Sums1", "SetsGraph1",
              "Totals1", "Pairs1", "Frequency1", "Ordinal1", "Display1", "Search1", "Picks1", "Add1"}) {
            whenModalActive<QDialog>([&closed](QDialog* dialog) {
                ++closed;
                dialog->close();
            });
            window->findChild<QAction*>(name)->trigger();
            QVERIFY2(!QApplication::activeModalWidget(), name);
        }
        QCOMPARE(closed, 14);
    }

  private slots:
    void init()
    {
        env = std::make_unique<GuiTestEnvironment>();
        window = std::make_unique<MainWindow>();
        window->show();
    }
    void cleanup()
    {
        window.reset();
        env.reset();
    }

    void damagedFilesAreReportedNotFatal_data()
    {
        QTest::addColumn<int>("seed");
        for (int seed = 1; seed <= 4; ++seed)
            QTest::newRow(qPrintable(QString::number(seed))) << seed;
    }

    void damagedFilesAreReportedNotFatal()
    {
        QFETCH(int, seed);
        std::mt19937 random(static_cast<unsigned>(seed));
        auto bytes = [&](std::size_t n) {
            std::string s(n, '\0');
            for (auto& c : s)
                c = static_cast<char>(random() & 0xFF);
            return s;
        };
        // A database of random records: any digits, any day numbers.
        quor3::writeWholeFile(env->dataPath() / "ga.c3d", bytes(24 * (1 + random() % 40) + random() % 24));
        for (const char* name : {quor3::files::Freq, quor3::files::Hottest, quor3::files::Warm,
                                 quor3::files::WarmChoices, quor3::files::Hot, quor3::files::Cold,
                                 quor3::files::OddEven, quor3::files::Order, quor3::files::Ordinal, quor3::files::Pair,
                                 quor3::files::PairChoices, quor3::files::Repeat, quor3::files::Repeats, "setscfg.ini"})
            quor3::writeWholeFile(env->dataPath() / name, bytes(random() % 500));
        Session& session = Session::instance();
        session.folder = env->dataPath();
        session.databaseName = "ga.c3d";
        openAll();
        QVERIFY(!Dialogs::shown().isEmpty()); // the damage was noticed somewhere
    }

    void anEmptyDatabaseIsReportedNotFatal()
    {
        quor3::writeWholeFile(env->dataPath() / "ga.c3d", "");
        Session::instance().databaseName = "ga.c3d";
        openAll();
        QVERIFY(!QGuiApplication::overrideCursor());
    }
};

QTEST_MAIN(RobustnessTest)
#include "RobustnessTest.moc"
