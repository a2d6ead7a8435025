#include "GuiTestSupport.h"

#include "app/MainWindow.h"
#include "engine/FileIo.h"
#include "engine/History.h"
#include "entry/ImportWindow.h"
#include "platform/Dialogs.h"
#include "platform/Session.h"

#include <QAction>
#include <QDir>
#include <QPushButton>
#include <QRadioButton>
#include <QtTest>

#include <memory>

namespace fs = std::filesystem;

class ExportDrawsTest : public QObject
{
    Q_OBJECT

    std::unique_ptr<GuiTestEnvironment> env;
    std::unique_ptr<MainWindow> window;

    fs::path data(const std::string& name) const { return env->dataPath() / name; }
    QString dataFile(const std::string& name) const { return QString::fromStdString(data(name).string()); }

    void open(const std::string& name)
    {
        Dialogs::queueFile(dataFile(name));
        if (!quor3::fileExists(data(name)))
            Dialogs::queueButton(QMessageBox::Yes);
        window->findChild<QAction*>("OpenDatabase1")->trigger();
    }

  private slots:
    void init()
    {
        env = std::make_unique<GuiTestEnvironment>();
        window = std::make_unique<MainWindow>();
    }
    void cleanup()
    {
        window.reset();
        env.reset();
    }

    void theFileMenuItemsWaitForADatabase()
    {
        for (const char* name : {"ImportDraws1", "ExportDraws1", "RestoreBackup1"})
            QVERIFY2(!window->findChild<QAction*>(name)->isEnabled(), name);
        env->writeDatabase("ga.c3d", 3);
        open("ga.c3d");
        for (const char* name : {"ImportDraws1", "ExportDraws1", "RestoreBackup1", "UndoLastEntry1"})
            QVERIFY2(window->findChild<QAction*>(name)->isEnabled(), name);
        window->findChild<QAction*>("CloseDatabase1")->trigger();
        QVERIFY(!window->findChild<QAction*>("ExportDraws1")->isEnabled());
    }

    void exportWritesTheCsvTheUserNames()
    {
        env->writeDatabase("ga.c3d", {{4, 5, 1, 2026, 12, 6}, {3, 0, 7, 2002, 1, 1}});
        open("ga.c3d");
        Dialogs::clearShown();
        Dialogs::queueFile(dataFile("history")); // typed without the suffix
        window->findChild<QAction*>("ExportDraws1")->trigger();
        QCOMPARE(quor3::readWholeFile(data("history.csv")),
                 std::string("date,digit1,digit2,digit3\n2026-12-06,4,5,1\n2002-01-01,3,0,7\n"));
        QCOMPARE(Dialogs::shown().size(), 1);
        QCOMPARE(Dialogs::shown()[0].text, "Exported 2 draws to " + dataFile("history.csv") + ".");

        // Cancelled: nothing written, nothing said.
        Dialogs::clearShown();
        window->findChild<QAction*>("ExportDraws1")->trigger();
        QVERIFY(Dialogs::shown().isEmpty());
    }

    void theFullHistoryIsOfferedWhenItHoldsMore()
    {
        env->writeDatabase("ga.c3d", {{3, 0, 7, 2002, 1, 1}});
        open("ga.c3d");
        quor3::DrawRecord older;
        older.DrawDate = 37256; // 12/31/2001
        older.Digit1 = 9;
        quor3::keepInHistory(data("ga.c3d"), {older});
        Dialogs::clearShown();
        Dialogs::queueButton(QMessageBox::Yes);
        Dialogs::queueFile(dataFile("all.csv"));
        window->findChild<QAction*>("ExportDraws1")->trigger();
        QCOMPARE(quor3::readWholeFile(data("all.csv")),
                 std::string("date,digit1,digit2,digit3\n2001-12-31,9,0,0\n2002-01-01,3,0,7\n"));
        QCOMPARE(Dialogs::shown()[0].text,
                 QString("Export the full history (2 draws)?\n\nNo exports the working database (1 draw)."));

        Dialogs::queueButton(QMessageBox::No);
        Dialogs::queueFile(dataFile("working.csv"));
        window->findChild<QAction*>("ExportDraws1")->trigger();
        QCOMPARE(quor3::readWholeFile(data("working.csv")),
                 std::string("date,digit1,digit2,digit3\n2002-01-01,3,0,7\n"));
    }

    void theSaveDialogProposesTheDatabaseNameWithCsv()
    {
        const std::pair<std::string, QString> cases[] = {
            {"ga.c3d", "ga.csv"}, {"Pick3.C3D", "Pick3.csv"}, {"draws.2024", "draws.2024.csv"}};
        for (const auto& [database, proposed] : cases) {
            env->writeDatabase(database, 3);
            open(database);
            Dialogs::queueFile(QString()); // cancelled
            window->findChild<QAction*>("ExportDraws1")->trigger();
            QCOMPARE(Dialogs::lastSaveStart(), QDir(dataFile("")).filePath(proposed));
        }
    }

    void exportNeverWritesOverTheDatabase()
    {
        env->writeDatabase("ga.c3d", 3);
        const std::string before = quor3::readWholeFile(data("ga.c3d"));
        open("ga.c3d");
        Dialogs::clearShown();
        Dialogs::queueFile(dataFile("ga.c3d"));
        window->findChild<QAction*>("ExportDraws1")->trigger();
        QCOMPARE(quor3::readWholeFile(data("ga.c3d")), before);
        QCOMPARE(Dialogs::shown().size(), 1);
        QVERIFY2(Dialogs::shown()[0].text.contains("it is a draw database"), qPrintable(Dialogs::shown()[0].text));
    }

    void aDatabaseNotYetMadeHasNothingToExport()
    {
        open("new.c3d");
        Dialogs::clearShown();
        Dialogs::queueFile(dataFile("new.csv"));
        window->findChild<QAction*>("ExportDraws1")->trigger();
        QCOMPARE(Dialogs::shown().size(), 1);
        QCOMPARE(Dialogs::shown()[0].text, QString("There are no draws to export: new.c3d holds none yet."));
        QVERIFY(!quor3::fileExists(data("new.csv")));
    }

    void exportThenImportWithReplaceGivesTheSameBytes()
    {
        env->writeDatabase("ga.c3d", 731);
        const std::string original = quor3::readWholeFile(data("ga.c3d"));
        open("ga.c3d");
        Dialogs::queueFile(dataFile("ga.csv"));
        window->findChild<QAction*>("ExportDraws1")->trigger();
        env->writeDatabase("other.c3d", 5);
        open("other.c3d");

        ImportWindow import(window.get());
        import.show();
        QVERIFY(QTest::qWaitForWindowExposed(&import));
        Dialogs::queueFile(dataFile("ga.csv"));
        QTest::mouseClick(child<QPushButton>(&import, "chooseFileButton"), Qt::LeftButton);
        // The window reads the file in the background.
        QTRY_VERIFY(!import.isReading());
        QTest::mouseClick(child<QRadioButton>(&import, "replaceButton"), Qt::LeftButton);
        Dialogs::queueButton(QMessageBox::Yes);
        QTest::mouseClick(child<QPushButton>(&import, "importButton"), Qt::LeftButton);
        QCOMPARE(quor3::readWholeFile(data("other.c3d")), original);
        QCOMPARE(window->statusText(0), QString("Total Draws: 731"));
    }
};

QTEST_MAIN(ExportDrawsTest)
#include "ExportDrawsTest.moc"
