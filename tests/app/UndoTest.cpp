#include "GuiTestSupport.h"

#include "app/MainWindow.h"
#include "engine/Backups.h"
#include "engine/FileIo.h"
#include "entry/AddDrawsWindow.h"
#include "entry/ImportWindow.h"
#include "entry/RestoreBackupWindow.h"
#include "platform/Dialogs.h"
#include "platform/Guard.h"
#include "platform/ProfileFile.h"
#include "platform/Session.h"

#include <QAction>
#include <QClipboard>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QTableWidget>
#include <QtTest>

#include <memory>

namespace fs = std::filesystem;

class UndoTest : public QObject
{
    Q_OBJECT

    std::unique_ptr<GuiTestEnvironment> env;
    std::unique_ptr<MainWindow> window;

    fs::path data(const std::string& name) const { return env->dataPath() / name; }

    void open(const std::string& name)
    {
        Dialogs::queueFile(QString::fromStdString(data(name).string()));
        if (!quor3::fileExists(data(name)))
            Dialogs::queueButton(QMessageBox::Yes);
        window->findChild<QAction*>("OpenDatabase1")->trigger();
    }

    // Enters the draw in the add window as a user does: a digit typed into
    // each box, then "&Enter Entry".
    void enter(int a, int b, int c)
    {
        AddDrawsWindow add(window.get());
        add.show();
        QVERIFY(QTest::qWaitForWindowExposed(&add));
        runGuarded(&add, [&] { add.refresh(); });
        const char* boxes[] = {"SpinEdit1", "SpinEdit2", "SpinEdit3"};
        const int digits[] = {a, b, c};
        for (int i = 0; i < 3; ++i) {
            auto* box = child<QSpinBox>(&add, boxes[i]);
            box->setFocus();
            QTest::keyClick(box, static_cast<char>('0' + digits[i]));
            QCOMPARE(box->value(), digits[i]);
        }
        QTest::mouseClick(child<QPushButton>(&add, "Button1"), Qt::LeftButton);
    }

    void undo(QMessageBox::StandardButton answer)
    {
        Dialogs::clearShown();
        Dialogs::queueButton(answer);
        window->findChild<QAction*>("UndoLastEntry1")->trigger();
    }

  private slots:
    void init()
    {
        env = std::make_unique<GuiTestEnvironment>();
        Session::instance().lastEntry.reset();
        window = std::make_unique<MainWindow>();
        Settings::writeInteger("QCheck", 0);
    }
    void cleanup()
    {
        window.reset();
        env.reset();
    }

    void undoAfterAnAppendRemovesTheDrawAfterAsking()
    {
        env->writeDatabase("ga.c3d", 10);
        const std::string before = quor3::readWholeFile(data("ga.c3d"));
        open("ga.c3d");
        enter(4, 0, 7);
        QCOMPARE(quor3::countDraws(data("ga.c3d")), 11LL);
        QCOMPARE(window->statusText(0), QString("Total Draws: 11"));

        undo(QMessageBox::No);
        QCOMPARE(Dialogs::shown().size(), 1);
        QCOMPARE(Dialogs::shown()[0].text, QString("Remove the last entry, 4  0  7 of 1/11/2002, from ga.c3d?"));
        QCOMPARE(quor3::countDraws(data("ga.c3d")), 11LL);

        undo(QMessageBox::Yes);
        QCOMPARE(quor3::readWholeFile(data("ga.c3d")), before);
        QCOMPARE(window->statusText(0), QString("Total Draws: 10"));
        QCOMPARE(Session::instance().totalDraws, 10LL);
        QCOMPARE(quor3::listBackups(data("ga.c3d")).size(), std::size_t(1));

        // Once only: the entry is taken back.
        undo(QMessageBox::Yes);
        QVERIFY(!Dialogs::shown().isEmpty());
        QVERIFY(Dialogs::shown()[0].text.startsWith("There is no entry to undo"));
        QCOMPARE(quor3::readWholeFile(data("ga.c3d")), before);
    }

    void undoAfterACutBackBringsTheOlderDrawsBack()
    {
        env->writeDatabase("ga.c3d", 731);
        const std::string full = quor3::readWholeFile(data("ga.c3d"));
        open("ga.c3d");
        Dialogs::queueButton(QMessageBox::Yes); // the cut-back's question
        enter(1, 2, 3);
        QCOMPARE(quor3::countDraws(data("ga.c3d")), 91LL);
        const auto backups = quor3::listBackups(data("ga.c3d"));
        QCOMPARE(backups.size(), std::size_t(1));
        QCOMPARE(quor3::readWholeFile(backups[0].file), full);
        const QString backupName = QString::fromStdString(backups[0].file.filename().string());
        QCOMPARE(window->statusText(4), "Older draws kept in backups/" + backupName);

        undo(QMessageBox::Yes);
        QVERIFY(!Dialogs::shown().isEmpty());
        QVERIFY2(Dialogs::shown()[0].text.contains("from backups/" + backupName), qPrintable(Dialogs::shown()[0].text));
        QCOMPARE(quor3::readWholeFile(data("ga.c3d")), full);
        QCOMPARE(window->statusText(0), QString("Total Draws: 731"));
        QCOMPARE(quor3::listBackups(data("ga.c3d")).size(), std::size_t(2));
    }

    // The message naming the backup of a cut-back belongs to that moment of
    // that database: taking the entry back, opening another database or
    // closing this one gives the date panel back.
    void theBackupMessageEndsWithItsDatabase_data()
    {
        QTest::addColumn<QString>("then");
        QTest::newRow("undo") << "undo";
        QTest::newRow("another database") << "open";
        QTest::newRow("close") << "close";
    }
    void theBackupMessageEndsWithItsDatabase()
    {
        QFETCH(QString, then);
        env->writeDatabase("ga.c3d", 731);
        env->writeDatabase("other.c3d", 5);
        open("ga.c3d");
        Dialogs::queueButton(QMessageBox::Yes); // the cut-back's question
        enter(1, 2, 3);
        QVERIFY(window->statusText(4).startsWith("Older draws kept in backups/"));
        if (then == "undo") {
            undo(QMessageBox::No);
            QVERIFY(window->statusText(4).startsWith("Older draws kept in backups/"));
            undo(QMessageBox::Yes);
        } else if (then == "open") {
            open("other.c3d");
        } else {
            window->findChild<QAction*>("CloseDatabase1")->trigger();
        }
        QCOMPARE(window->statusText(4),
                 "Todays Date: " + QLocale::system().toString(QDate::currentDate(), QLocale::ShortFormat));
    }

    void undoOfTheFirstDrawLeavesNoDatabase()
    {
        open("new.c3d");
        enter(5, 5, 5);
        QVERIFY(quor3::fileExists(data("new.c3d")));
        undo(QMessageBox::Yes);
        QVERIFY(!quor3::fileExists(data("new.c3d")));
        QCOMPARE(window->statusText(0), QString("Total Draws: 0"));
    }

    void nothingToUndoWithoutAnEntryOfThisRun()
    {
        env->writeDatabase("ga.c3d", 10);
        const std::string before = quor3::readWholeFile(data("ga.c3d"));
        open("ga.c3d");
        undo(QMessageBox::Yes);
        QCOMPARE(Dialogs::shown().size(), 1);
        QVERIFY(Dialogs::shown()[0].text.startsWith("There is no entry to undo"));
        QCOMPARE(quor3::readWholeFile(data("ga.c3d")), before);
        QVERIFY(quor3::listBackups(data("ga.c3d")).empty());
    }

    void undoTakesTheEntrysWinnersLogLinesWithIt()
    {
        env->writeDatabase("ga.c3d", 10);
        open("ga.c3d");
        Settings::writeInteger("QCheck", 1);
        const fs::path log = data("quor3 winners.txt");
        // Only the hot choices are compared, and 4-0-7 matches two of them.
        const auto onlyHotChoices = [&] {
            for (const char* file : {"cold.dat", "wm.dat", "oddeven.dat", "ordinal.dat", "pr.dat", "repeats.dat"})
                fs::remove(data(file));
            quor3::writeTextLines(data("hot.dat"), {"4  0  7", "9  9  9", "7  0  4", "9  9  8", "9  8  8"});
        };
        // The entry began the log: the log goes with it.
        onlyHotChoices();
        enter(4, 0, 7);
        QCOMPARE(quor3::readTextLines(log).size(), std::size_t(3));
        undo(QMessageBox::Yes);
        QVERIFY(Dialogs::shown()[0].text.endsWith("\nWhat it wrote in \"quor3 winners.txt\" goes with it."));
        QVERIFY(!quor3::fileExists(log));

        // An older log keeps every byte it had, also an older line like the entry's.
        const std::string older = "Log began on: 1/2/2001\r\n"
                                  "1/11/2002[Quor3 Picked: 4  0  7] [Actual: 407] Hot Category ga.c3d\r\n"
                                  "a line of the user's own\r\n";
        quor3::writeWholeFile(log, older);
        onlyHotChoices();
        enter(4, 0, 7);
        QCOMPARE(quor3::readTextLines(log).size(), std::size_t(5));
        undo(QMessageBox::Yes);
        QCOMPARE(quor3::readWholeFile(log), older);
        QCOMPARE(quor3::countDraws(data("ga.c3d")), 10LL);
    }

    // Import and restore replace what the last entry left: it is no longer
    // theirs to take back.
    void nothingToUndoAfterAnImportOrARestore()
    {
        env->writeDatabase("ga.c3d", 10);
        open("ga.c3d");
        quor3::backupDatabase(data("ga.c3d"));
        for (const bool restoring : {false, true}) {
            enter(4, 0, 7);
            if (restoring) {
                whenModalActive<RestoreBackupWindow>([](RestoreBackupWindow* w) {
                    auto* grid = child<QTableWidget>(w, "backupGrid");
                    QTest::mouseClick(grid->viewport(), Qt::LeftButton, {},
                                      grid->visualItemRect(grid->item(0, 0)).center());
                    Dialogs::queueButton(QMessageBox::Yes);
                    QTest::mouseClick(child<QPushButton>(w, "restoreButton"), Qt::LeftButton);
                });
                window->findChild<QAction*>("RestoreBackup1")->trigger();
            } else {
                whenModalActive<ImportWindow>([](ImportWindow* w) {
                    auto* box = child<QPlainTextEdit>(w, "sourceText");
                    box->setFocus();
                    QApplication::clipboard()->setText("Date,Result\n2/1/2002,123\n");
                    QTest::keyClick(box, Qt::Key_V, Qt::ControlModifier);
                    QTest::mouseClick(child<QPushButton>(w, "importButton"), Qt::LeftButton);
                });
                window->findChild<QAction*>("ImportDraws1")->trigger();
            }
            QVERIFY(!Dialogs::shown().isEmpty());
            const std::string after = quor3::readWholeFile(data("ga.c3d"));
            undo(QMessageBox::Yes);
            QVERIFY2(Dialogs::shown()[0].text.startsWith("There is no entry to undo"),
                     qPrintable(Dialogs::shown()[0].text));
            QCOMPARE(quor3::readWholeFile(data("ga.c3d")), after);
        }
    }

    void anEntryIntoAnotherDatabaseIsNotUndoneHere()
    {
        env->writeDatabase("ga.c3d", 10);
        env->writeDatabase("other.c3d", 5);
        open("ga.c3d");
        enter(4, 0, 7);
        open("other.c3d");
        const std::string other = quor3::readWholeFile(data("other.c3d"));
        undo(QMessageBox::Yes);
        QVERIFY(!Dialogs::shown().isEmpty());
        QVERIFY(Dialogs::shown()[0].text.startsWith("There is no entry to undo"));
        QCOMPARE(quor3::readWholeFile(data("other.c3d")), other);
        QCOMPARE(quor3::countDraws(data("ga.c3d")), 11LL);
    }
};

QTEST_MAIN(UndoTest)
#include "UndoTest.moc"
