#include "GuiTestSupport.h"

#include "../engine/TestHttpServer.h"

#include "app/MainWindow.h"
#include "engine/DatabaseLock.h"
#include "engine/Dates.h"
#include "engine/FileIo.h"
#include "engine/ResultsSource.h"
#include "engine/Tickets.h"
#include "entry/ArrivalsDialog.h"
#include "entry/ResultsFetch.h"
#include "platform/Dialogs.h"

#include <QCoreApplication>
#include <QLabel>
#include <QProcess>
#include <QScopeGuard>
#include <QtTest>

#include <atomic>
#include <fcntl.h>
#include <memory>
#include <sys/file.h>
#include <sys/inotify.h>
#include <unistd.h>

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
    ResultsFetch* fetcher() const { return window->findChild<ResultsFetch*>(); }
    void setSource(const std::string& address, const std::string& databaseName = "ga.c3d", bool checkAtOpen = true)
    {
        quor3::ResultsSource source;
        source.address = address;
        source.checkAtOpen = checkAtOpen;
        quor3::writeResultsSource(quor3::settingsFilePath(), databaseName, source);
    }
    void open(const std::filesystem::path& file) { window->openDatabaseFile(QString::fromStdString(file.string())); }
    // An answer that never completes: the fetch runs until it is cancelled.
    static TestHttpServer::Answer hanging(const std::string&)
    {
        return TestHttpServer::Answer{"HTTP/1.1 200 OK\r\nContent-Length: 9000\r\n\r\nDate,", true};
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
    // The check of the database opened while another's fetch still ran
    // waits for it, runs once, and is the last fetch until the user asks.
    void aCheckQueuedAtOpenRunsOnceAndNothingFetchesByItselfAfterwards()
    {
        TestHttpServer slow(&ResultsFetchTest::hanging);
        const std::string file = resultsWithThreeNew({1, 2, 3});
        TestHttpServer counting([&](const std::string&) { return TestHttpServer::reply(200, "OK", file); });
        const fs::path other = env->writeDatabase("gb.c3d", 10);
        setSource(slow.url("/ga.csv"));
        setSource(counting.url("/gb.csv"), "gb.c3d");
        open(database);
        QTRY_VERIFY(fetchStatus().startsWith("Getting new results from " + QString::fromStdString(slow.url(""))));
        open(other);
        QTRY_VERIFY(arrivals().contains("gb.c3d: 3 new draws added:"));
        QTRY_VERIFY(!fetcher()->running());
        QCoreApplication::processEvents(); // a fetch started by itself would be under way now
        QVERIFY(!fetcher()->running());
        QCOMPARE(counting.requests().size(), std::size_t(1));
        QCOMPARE(slow.requests().size(), std::size_t(1));
        QCOMPARE(quor3::countDraws(other), 13LL);
    }

    void aSlowFetchOfOneDatabaseNeverReportsIntoAnotherOpenedMeanwhile()
    {
        std::atomic<bool> answer{false};
        const std::string file = resultsWithThreeNew({1, 2, 3});
        TestHttpServer late([&](const std::string&) {
            for (int i = 0; i < 500 && !answer; ++i)
                usleep(10000); // the server's own pace, not the test's
            return TestHttpServer::reply(200, "OK", file);
        });
        const fs::path other = env->writeDatabase("gb.c3d", 5);
        setSource(late.url("/ga.csv"), "ga.c3d", false);
        open(database);
        QTest::keyClick(window.get(), Qt::Key_F5);
        QTRY_VERIFY(fetchStatus().startsWith("Getting new results from"));
        const std::string before = quor3::readWholeFile(other);
        Dialogs::clearShown();
        open(other);
        answer = true;
        QTRY_VERIFY(!fetcher()->running());
        QCoreApplication::processEvents();
        QCOMPARE(fetchStatus(), QString());
        QCOMPARE(window->statusText(0), QString("Total Draws: 5"));
        QVERIFY(Dialogs::shown().isEmpty());
        QCOMPARE(quor3::readWholeFile(other), before);
    }

    // Another process changes the database while it holds the folder's lock:
    // the window cannot read it then, and shows it as soon as the lock is free.
    void aChangeMadeUnderAnotherProcesssLockShowsOnceTheLockIsReleased()
    {
        open(database);
        QCOMPARE(window->statusText(0), QString("Total Draws: 10"));
        quor3::setLockWaitForTesting(std::chrono::milliseconds(20));
        const std::string lockFile = quor3::lockFileFor(env->dataPath()).string();
        int held = ::open(lockFile.c_str(), O_RDWR | O_CREAT | O_CLOEXEC, 0644);
        // A take of the lock ends with the lock file closed: seen, the window has tried.
        const int notify = inotify_init1(IN_NONBLOCK | IN_CLOEXEC);
        const auto restore = qScopeGuard([&held, notify] {
            if (held >= 0)
                ::close(held);
            ::close(notify);
            quor3::setLockWaitForTesting(std::chrono::milliseconds(5000));
        });
        QCOMPARE(::flock(held, LOCK_EX), 0);
        QVERIFY(inotify_add_watch(notify, lockFile.c_str(), IN_CLOSE) >= 0);
        bool closed = false;
        auto triedToRead = [notify, &closed] {
            char events[4096];
            closed = closed || ::read(notify, events, sizeof events) > 0;
            return closed;
        };
        std::vector<quor3::DrawRecord> draws = quor3::readDraws(database);
        draws.push_back(draws.back());
        draws.back().DrawDate += 1;
        quor3::writeWholeFile(database, quor3::encodeDraws(draws));
        QTRY_VERIFY(triedToRead());
        QCOMPARE(window->statusText(0), QString("Total Draws: 10"));
        ::close(held);
        held = -1;
        QTRY_COMPARE(window->statusText(0), QString("Total Draws: 11"));
    }

    // The first language listed that is English or translated is the one
    // spoken, by the program and by the command line alike.
    void theProgramAndTheCommandLineSpeakTheFirstLanguageListed()
    {
        const std::string refused = "http://127.0.0.1:" + std::to_string(TestHttpServer::refusedPort()) + "/p3.csv";
        setSource(refused);
        const struct {
            const char* language;
            QString usage, failure;
        } cases[] = {
            {"en:es", "Usage: quor3",
             "quor3-engine: ga.c3d: Cannot fetch \"" + QString::fromStdString(refused) +
                 "\": the connection was refused or the network is down ("},
            {"es:en", "Uso: quor3",
             "quor3-engine: ga.c3d: No se puede obtener \"" + QString::fromStdString(refused) +
                 "\": se rechazó la conexión o la red no funciona ("},
        };
        const QString folder = QCoreApplication::applicationDirPath();
        for (const auto& c : cases) {
            QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
            environment.remove("LC_ALL");
            environment.remove("LC_MESSAGES");
            environment.insert("LANG", "es_ES.UTF-8");
            environment.insert("LANGUAGE", c.language);
            QProcess program, engine;
            program.setProcessEnvironment(environment);
            engine.setProcessEnvironment(environment);
            program.start(folder + "/quor3", {"--help"});
            engine.start(folder + "/quor3-engine", {"fetch", QString::fromStdString(database.string())});
            QVERIFY(program.waitForFinished() && engine.waitForFinished());
            QVERIFY2(QString::fromUtf8(program.readAllStandardOutput()).startsWith(c.usage), c.language);
            const QString said = QString::fromUtf8(engine.readAllStandardError());
            QVERIFY2(said.startsWith(c.failure), qPrintable(said));
            QCOMPARE(engine.exitCode(), 1);
        }
    }
};

QTEST_MAIN(ResultsFetchTest)
#include "ResultsFetchTest.moc"
