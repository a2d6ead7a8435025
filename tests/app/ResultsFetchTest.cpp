#include "GuiTestSupport.h"

#include "../engine/TestHttpServer.h"

#include "app/MainWindow.h"
#include "engine/Dates.h"
#include "engine/FileIo.h"
#include "engine/ResultsSource.h"
#include "engine/Tickets.h"
#include "entry/ArrivalsDialog.h"
#include "platform/Dialogs.h"

#include <QCoreApplication>
#include <QLabel>
#include <QProcess>
#include <QtTest>

#include <memory>

namespace fs = std::filesystem;

class ResultsFetchTest : public QObject
{
    Q_OBJECT

    std::unique_ptr<GuiTestEnvironment> env;
    std::unique_ptr<MainWindow> window;
    fs::path database;

    QString fetchStatus() const { return child<QLabel>(window.get(), "ResultsStatus")->text(); }
    QString arrivals() const
    {
        const auto* summary = window->findChild<ArrivalsDialog*>();
        return summary ? summary->text() : QString();
    }
    void setSource(const std::string& address)
    {
        quor3::ResultsSource source;
        source.address = address;
        quor3::writeResultsSource(quor3::settingsFilePath(), "ga.c3d", source);
    }
    // The stored draws and three newer ones, the first being `first`.
    std::string resultsWithThreeNew(const TestDraw& first) const
    {
        std::string text = "Date,Digit 1,Digit 2,Digit 3\n";
        std::vector<quor3::DrawRecord> draws = quor3::readDraws(database);
        const double last = draws.back().DrawDate;
        draws.push_back(toRecords({first})[0]);
        draws.back().DrawDate = last + 1;
        draws.push_back(toRecords({{0, 0, 1}})[0]);
        draws.back().DrawDate = last + 2;
        draws.push_back(toRecords({{9, 9, 8}})[0]);
        draws.back().DrawDate = last + 3;
        for (const auto& r : draws)
            text += quor3::monthDayYear(r.DrawDate) + "," + std::to_string(r.Digit1) + "," + std::to_string(r.Digit2) +
                    "," + std::to_string(r.Digit3) + "\n";
        return text;
    }

  private slots:
    void init()
    {
        env = std::make_unique<GuiTestEnvironment>();
        database = env->writeDatabase("ga.c3d", 10);
        window = std::make_unique<MainWindow>();
        window->show();
        window->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(window.get()));
    }
    void cleanup()
    {
        window.reset();
        env.reset();
    }

    void aFetchAtOpenWithTheServerDownShowsInTheStatusBar()
    {
        const std::string address = "http://127.0.0.1:" + std::to_string(TestHttpServer::refusedPort()) + "/p3.csv";
        setSource(address);
        const std::string before = quor3::readWholeFile(database);
        window->openDatabaseFile(QString::fromStdString(database.string()));
        QTRY_VERIFY(fetchStatus().contains("refused"));
        QVERIFY(fetchStatus().contains(QString::fromStdString(address)));
        QVERIFY(Dialogs::shown().isEmpty());
        QCOMPARE(quor3::readWholeFile(database), before);
        QCOMPARE(window->statusText(0), QString("Total Draws: 10"));
    }

    void f5AddsTheNewDrawsAndAnnouncesTheirMatchesInOneMessage()
    {
        window->openDatabaseFile(QString::fromStdString(database.string()));
        // The first new draw is the first hot choice on offer.
        const std::string hot = readFileText(env->dataPath() / "hot.dat");
        const std::string file = resultsWithThreeNew({hot[0] - '0', hot[3] - '0', hot[6] - '0'});
        quor3::writeWholeFile(env->dataPath() / "p3.csv", file);
        setSource((env->dataPath() / "p3.csv").string());
        QTest::keyClick(window.get(), Qt::Key_F5);
        QTRY_COMPARE(window->statusText(0), QString("Total Draws: 13"));
        QTRY_VERIFY(arrivals().startsWith("ga.c3d: 3 new draws added"));
        const QString log = QString::fromStdString(readFileText(env->dataPath() / "quor3 winners.txt"));
        QVERIFY(log.contains("Hot Category ga.c3d"));
        QVERIFY(Dialogs::shown().isEmpty());
        QVERIFY(arrivals().contains("Hot Category ga.c3d"));
    }

    void f5NamesTheTicketsTheNewDrawsMakeWinners()
    {
        window->openDatabaseFile(QString::fromStdString(database.string()));
        const double last = quor3::readDraws(database).back().DrawDate;
        quor3::addTicket(database, {{4, 5, 1}, quor3::BetType::Box, 100, last + 1, 2});
        quor3::addTicket(database, {{0, 0, 1}, quor3::BetType::Straight, 100, last + 2, 1});
        quor3::writeWholeFile(env->dataPath() / "p3.csv", resultsWithThreeNew({1, 4, 5}));
        setSource((env->dataPath() / "p3.csv").string());
        QTest::keyClick(window.get(), Qt::Key_F5);
        QTRY_VERIFY(arrivals().startsWith("ga.c3d: 3 new draws added"));
        QVERIFY(arrivals().contains("\n\nYour ticket 451 Box 6-way won $80.00\nYour ticket 001 Straight won $500.00"));
    }

    void escapeCancelsAndLeavesTheDatabaseAsItWas()
    {
        TestHttpServer server([](const std::string&) {
            return TestHttpServer::Answer{"HTTP/1.1 200 OK\r\nContent-Length: 9000\r\n\r\nDate,", true};
        });
        window->openDatabaseFile(QString::fromStdString(database.string()));
        setSource(server.url("/p3.csv"));
        const std::string before = quor3::readWholeFile(database);
        QTest::keyClick(window.get(), Qt::Key_F5);
        QTRY_VERIFY(fetchStatus().startsWith("Getting new results from " + QString::fromStdString(server.url(""))));
        QTest::keyClick(window.get(), Qt::Key_Escape);
        QTRY_VERIFY(fetchStatus().contains("cancelled"));
        QVERIFY(Dialogs::shown().isEmpty());
        QCOMPARE(quor3::readWholeFile(database), before);
    }

    void aChangeByTheCommandLineShowsWithinASecond()
    {
        window->openDatabaseFile(QString::fromStdString(database.string()));
        QCOMPARE(window->statusText(0), QString("Total Draws: 10"));
        QProcess engine;
        engine.start(QCoreApplication::applicationDirPath() + "/quor3-engine",
                     {"add", QString::fromStdString(database.string()), "12/31/2030", "3", "0", "7"});
        QVERIFY(engine.waitForFinished());
        QCOMPARE(engine.exitCode(), 0);
        QTRY_COMPARE_WITH_TIMEOUT(window->statusText(0), QString("Total Draws: 11"), 1000);
        QVERIFY(window->statusText(1).contains("30"));
    }
};

QTEST_MAIN(ResultsFetchTest)
#include "ResultsFetchTest.moc"
