#include "GuiTestSupport.h"

#include "../engine/TestHttpServer.h"

#include "app/MainWindow.h"
#include "engine/Backups.h"
#include "engine/Dates.h"
#include "engine/FileIo.h"
#include "engine/ResultsSource.h"
#include "engine/Tickets.h"
#include "entry/AddDrawsWindow.h"
#include "entry/ArrivalsDialog.h"
#include "entry/CutBackQuestion.h"
#include "platform/Dialogs.h"
#include "platform/StatusBarSink.h"
#include "tickets/TicketsWindow.h"

#include <QCoreApplication>
#include <QLabel>
#include <QProcess>
#include <QPushButton>
#include <QSpinBox>
#include <QTableWidget>
#include <QtTest>

#include <memory>

namespace fs = std::filesystem;

// "What Arrived": the one summary of what came into the database, after a
// fetch and at open for what another process did meanwhile.
class ArrivalsTest : public QObject
{
    Q_OBJECT

    std::unique_ptr<GuiTestEnvironment> env;
    std::unique_ptr<MainWindow> window;
    fs::path database;
    double last = 0; // the last stored draw's date

    void openWindow()
    {
        window = std::make_unique<MainWindow>();
        window->show();
        window->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(window.get()));
        window->openDatabaseFile(QString::fromStdString(database.string()));
    }
    ArrivalsDialog* summary() const { return ArrivalsDialog::current(window.get()); }
    QString summaryText() const { return summary() ? summary()->text() : QString(); }
    void closeSummary()
    {
        QTRY_VERIFY(summary() && summary()->isActiveWindow());
        QTest::keyClick(summary(), Qt::Key_Return);
        QTRY_VERIFY(!summary());
        // The desktop gives the main window the focus back; the offscreen one does not.
        window->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(window.get()));
    }
    // The stored draws, then 451, 001 and 998 on the three days after the last.
    std::string resultsWithThreeNew() const
    {
        std::string text = "Date,Digit 1,Digit 2,Digit 3\n";
        std::vector<quor3::DrawRecord> draws = quor3::readDraws(database);
        for (const TestDraw& d : std::vector<TestDraw>{{4, 5, 1}, {0, 0, 1}, {9, 9, 8}}) {
            draws.push_back(toRecords({d})[0]);
            draws.back().DrawDate = draws[draws.size() - 2].DrawDate + 1;
        }
        for (const auto& r : draws)
            text += quor3::monthDayYear(r.DrawDate) + "," + std::to_string(r.Digit1) + "," + std::to_string(r.Digit2) +
                    "," + std::to_string(r.Digit3) + "\n";
        return text;
    }
    // The lines that list the three new draws.
    QString threeNewLines() const
    {
        return QString("  %1: 4 5 1\n  %2: 0 0 1\n  %3: 9 9 8")
            .arg(shortDateText(last + 1), shortDateText(last + 2), shortDateText(last + 3));
    }
    void setSource(const std::string& address)
    {
        quor3::ResultsSource source;
        source.address = address;
        quor3::writeResultsSource(quor3::settingsFilePath(), "ga.c3d", source);
    }
    void runEngine(const QStringList& arguments)
    {
        QProcess engine;
        engine.start(QCoreApplication::applicationDirPath() + "/quor3-engine", arguments);
        QVERIFY(engine.waitForFinished(30000));
        QVERIFY2(engine.exitCode() == 0, engine.readAllStandardError().constData());
    }

  private slots:
    void init()
    {
        env = std::make_unique<GuiTestEnvironment>();
        database = env->writeDatabase("ga.c3d", 10);
        last = quor3::readDraws(database).back().DrawDate;
    }
    void cleanup()
    {
        window.reset();
        env.reset();
    }

    void f5TellsWhatArrivedInOneWindow()
    {
        const std::string file = resultsWithThreeNew();
        TestHttpServer server([&](const std::string&) { return TestHttpServer::reply(200, "OK", file); });
        quor3::addTicket(database, {{4, 5, 1}, quor3::BetType::Box, 100, last + 1, 2});
        setSource(server.url("/p3.csv"));
        openWindow();
        QVERIFY(!summary()); // the first look at a database is no news
        QTest::keyClick(window.get(), Qt::Key_F5);
        QTRY_VERIFY(summary());
        const QString text = summaryText();
        QVERIFY2(text.startsWith("ga.c3d: 3 new draws added:\n" + threeNewLines() + "\n"), qPrintable(text));
        QVERIFY2(text.endsWith("\n\nYour ticket 451 Box 6-way won $80.00"), qPrintable(text));
        // Read out whole, as a message is; nothing else is shown.
        QCOMPARE(child<QLabel>(summary(), "ArrivalsText")->accessibleDescription(), text);
        QVERIFY(Dialogs::shown().isEmpty());
        // The status bar keeps the count and the last draw; the digits are on the window.
        QCOMPARE(child<QLabel>(window.get(), "ResultsStatus")->text(), QString());
        QCOMPARE(window->statusText(0), QString("Total Draws: 13"));
        QTRY_COMPARE(child<QLabel>(window.get(), "LastDrawLabel")->text(),
                     QString("Last draw %1:   9 9 8").arg(shortDateText(last + 3)));
        QVERIFY(!child<QLabel>(window.get(), "LastDrawLabel")->accessibleName().isEmpty());
        closeSummary();
        // Up to date: F5 says so in the same window.
        QTest::keyClick(window.get(), Qt::Key_F5);
        QTRY_COMPARE(summaryText(), QString("ga.c3d is up to date: no new draw."));
        closeSummary();
    }

    void atOpenTheSummaryTellsWhatAnotherProcessChanged_data()
    {
        QTest::addColumn<QString>("change");
        QTest::newRow("a fetch by the command line") << "fetch";
        QTest::newRow("a restore by the command line") << "restore";
    }
    void atOpenTheSummaryTellsWhatAnotherProcessChanged()
    {
        QFETCH(QString, change);
        const fs::path backup = quor3::backupDatabase(database); // the 10 draws
        const fs::path results = env->dataPath() / "p3.csv";
        quor3::writeWholeFile(results, resultsWithThreeNew());
        setSource(results.string());
        quor3::addTicket(database, {{4, 5, 1}, quor3::BetType::Box, 100, last + 1, 2});
        openWindow();
        if (change == "restore") {
            QTest::keyClick(window.get(), Qt::Key_F5);
            closeSummary();
        }
        window.reset();

        if (change == "fetch")
            runEngine({"fetch", QString::fromStdString(database.string())});
        else
            runEngine({"restore", QString::fromStdString(database.string()), QString::fromStdString(backup.string())});
        openWindow();
        QTRY_VERIFY(summary());
        const QString expected =
            change == "fetch"
                ? "ga.c3d: 3 new draws since the program last showed it:\n" + threeNewLines() +
                      "\n\nYour ticket 451 Box 6-way won $80.00"
                : QString("ga.c3d now holds 10 draws, the last on %1; when the program last showed it, it held 13, "
                          "the last on %2.")
                      .arg(shortDateText(last), shortDateText(last + 3));
        QCOMPARE(summaryText(), expected);
        closeSummary();
        // Told once: the next open has nothing to say.
        window.reset();
        openWindow();
        QVERIFY(!summary());
    }

    // Another process's draw is told as it comes; the program's own entry is
    // no news, then or at the next open.
    void whileOpenOnlyAnotherProcessesDrawsAreNews()
    {
        openWindow();
        runEngine({"add", QString::fromStdString(database.string()),
                   QString::fromStdString(quor3::monthDayYear(last + 1)), "4", "5", "1"});
        QTRY_COMPARE(
            summaryText(),
            QString("ga.c3d: 1 new draw since the program last showed it:\n  %1: 4 5 1").arg(shortDateText(last + 1)));
        closeSummary();
        bool entered = false;
        whenModalActive<AddDrawsWindow>([&](AddDrawsWindow* add) {
            child<QSpinBox>(add, "SpinEdit1")->setFocus();
            QTest::keyClicks(add->focusWidget(), "307");
            QTest::mouseClick(child<QPushButton>(add, "Button1"), Qt::LeftButton);
            entered = quor3::countDraws(database) == 12;
            add->close();
        });
        window->findChild<QAction*>("AddDraw1")->trigger();
        QVERIFY(entered);
        QVERIFY(!summary());
        window.reset();
        openWindow();
        QVERIFY(!summary());
    }

    // A fetch past the database's limit asks first, as the add window does,
    // and follows the answer the add window remembers.
    void aFetchIntoAFullDatabaseAsksFirst_data()
    {
        QTest::addColumn<int>("answer");
        QTest::addColumn<bool>("dontAskAgain");
        QTest::addColumn<bool>("rememberedBefore");
        QTest::addColumn<int>("totalAfter");
        QTest::newRow("cancel stores nothing") << int(QMessageBox::Cancel) << true << false << 731;
        QTest::newRow("yes") << int(QMessageBox::Yes) << false << false << 93;
        QTest::newRow("yes, and not again") << int(QMessageBox::Yes) << true << false << 93;
        QTest::newRow("the add window's answer") << int(QMessageBox::NoButton) << false << true << 93;
    }
    void aFetchIntoAFullDatabaseAsksFirst()
    {
        QFETCH(int, answer);
        QFETCH(bool, dontAskAgain);
        QFETCH(bool, rememberedBefore);
        QFETCH(int, totalAfter);
        database = env->writeDatabase("ga.c3d", 731);
        last = quor3::readDraws(database).back().DrawDate;
        quor3::writeWholeFile(env->dataPath() / "p3.csv", resultsWithThreeNew());
        setSource((env->dataPath() / "p3.csv").string());
        if (rememberedBefore) {
            // The question of the add window, answered for good.
            Dialogs::queueButton(QMessageBox::Yes);
            Dialogs::queueCheckBox(true);
            QVERIFY(askCutBack(nullptr, "Store it?", database));
        }
        openWindow();
        Dialogs::clearShown();
        const std::string before = quor3::readWholeFile(database);
        if (answer != QMessageBox::NoButton) {
            Dialogs::queueButton(QMessageBox::StandardButton(answer));
            Dialogs::queueCheckBox(dontAskAgain);
        }
        QTest::keyClick(window.get(), Qt::Key_F5);
        if (totalAfter == 731) {
            QTRY_COMPARE(child<QLabel>(window.get(), "ResultsStatus")->text(),
                         QString("Get New Results stored nothing."));
            QCOMPARE(quor3::readWholeFile(database), before);
            // Nor is the check saved: the next fetch finds the draws again.
            QVERIFY(quor3::readResultsSource(quor3::settingsFilePath(), "ga.c3d")->lastChecked.empty());
            QVERIFY(!summary());
        } else {
            QTRY_VERIFY(summary());
            QCOMPARE(window->statusText(0), QString("Total Draws: %1").arg(totalAfter));
            QVERIFY2(summaryText().contains("The database was full: it keeps the newest 90 draws for the reports. "
                                            "Every draw stays in the full history, and the older ones are also in "
                                            "the backup backups/"),
                     qPrintable(summaryText()));
            closeSummary();
        }
        const bool asked = answer != QMessageBox::NoButton;
        QCOMPARE(Dialogs::shown().size(), asked ? 1 : 0);
        if (asked) {
            QVERIFY2(Dialogs::shown()[0].text.startsWith("ga.c3d holds 731 draws, its limit is 731. Storing the 3 new "
                                                         "draws keeps the newest 90 or more"),
                     qPrintable(Dialogs::shown()[0].text));
            QCOMPARE(Dialogs::shown()[0].checkBox, QString("&Don't ask again for this database"));
        }
        QCOMPARE(cutBackAnswerRemembered(database), rememberedBefore || (answer == QMessageBox::Yes && dontAskAgain));
    }

    // The command line adds a ticket, then the draw that makes it win, while
    // My Tickets is open: the window shows each as it comes.
    void myTicketsFollowsTheCommandLine()
    {
        openWindow();
        const QString db = QString::fromStdString(database.string());
        const QString nextDay = QString::fromStdString(quor3::monthDayYear(last + 1));
        bool followed = false;
        whenModalActive<TicketsWindow>([&](TicketsWindow* tickets) {
            auto* table = child<QTableWidget>(tickets, "ticketTable");
            runEngine({"tickets", db, "add", nextDay, "451", "box", "1"});
            QTRY_COMPARE(table->rowCount(), 1);
            runEngine({"add", db, nextDay, "1", "4", "5"});
            QTRY_COMPARE(cell(table, 8, 0), QString("$80.00"));
            followed = true;
            tickets->close();
        });
        window->findChild<QAction*>("MyTickets1")->trigger();
        QVERIFY(followed);
    }
};

QTEST_MAIN(ArrivalsTest)
#include "ArrivalsTest.moc"
