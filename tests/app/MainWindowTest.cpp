#include "GuiTestSupport.h"

#include "app/AboutDialog.h"
#include "app/MainWindow.h"
#include "app/StartPanel.h"
#include "engine/Dates.h"
#include "engine/FileIo.h"
#include "engine/Rebuild.h"
#include "entry/ImportWindow.h"
#include "platform/Dialogs.h"
#include "platform/Help.h"
#include "platform/Session.h"
#include "platform/StatusBarSink.h"
#include "platform/WebPages.h"
#include "platform/WindowKit.h"

#include <QAction>
#include <QLabel>
#include <QMenu>
#include <QPushButton>
#include <QTextBrowser>
#include <QTimer>
#include <QtTest>

#include <memory>

class MainWindowTest : public QObject
{
    Q_OBJECT

    std::unique_ptr<GuiTestEnvironment> env;
    std::unique_ptr<MainWindow> window;

    QStringList panels() const
    {
        QStringList texts;
        for (int i = 0; i < 4; ++i)
            texts << window->statusText(i);
        return texts;
    }
    bool dataMenusEnabled() const
    {
        bool all = true, none = true;
        for (const char* name : {"Edit1", "Analysis1", "Reports1", "DataBase1", "Computer1"}) {
            const bool on = window->findChild<QMenu*>(name)->menuAction()->isEnabled();
            all = all && on;
            none = none && !on;
        }
        if (!all && !none)
            qWarning("data menus partly enabled");
        return all;
    }
    void openThroughDialog(const QString& path, bool confirmCreate = false)
    {
        Dialogs::queueFile(path);
        if (confirmCreate)
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

    void startsWithoutADatabase()
    {
        QCOMPARE(window->windowTitle(), QString("Quor 3"));
        QCOMPARE(panels(), (QStringList{"Total Draws:", "Last Draw Date:", "Hottest Number:", "Coldest Number:"}));
        QVERIFY(window->statusText(4).startsWith("Todays Date: "));
        QVERIFY(!dataMenusEnabled());
        for (const char* name :
             {"OpenDatabase1", "CloseDatabase1",     "DeleteDatabase1", "Exit1",      "Add1",       "GraphTotals1",
              "OddEvenRatio1", "PercentageRepeats1", "HotColdNumbers1", "Sums1",      "SetsGraph1", "Totals1",
              "Pairs1",        "Frequency1",         "Ordinal1",        "Display1",   "Search1",    "Picks1",
              "Contents1",     "Quor3WebSupport1",   "ResultsSite1",    "AboutQuor31"})
            QVERIFY2(window->findChild<QAction*>(name), name);
        QCOMPARE(window->findChild<QAction*>("Display1")->text(), QString("&Display "));
    }

    void openingAnExistingDatabaseShowsTheRebuildsTexts()
    {
        env->writeDatabase("ga.c3d", {{3, 0, 7}, {1, 1, 2, 2002, 3, 1}});
        openThroughDialog(env->dataFolder() + "/ga.c3d");
        QCOMPARE(window->windowTitle(), QString("ga.c3d — Quor 3"));
        QVERIFY(dataMenusEnabled());
        QCOMPARE(window->statusText(0), QString("Total Draws: 2"));
        QCOMPARE(window->statusText(1), "Last Draw Date: " + shortDateText(quor3::encodeDate(2002, 3, 1)));
        QCOMPARE(window->statusText(2), QString("Hottest Number: 1"));
        QCOMPARE(window->statusText(3), QString("Coldest Number: 9"));
        QCOMPARE(QString::fromStdString(Session::instance().folder.string()), env->dataFolder());
        QVERIFY(quor3::fileExists(env->dataPath() / "ordinal.dat"));
    }

    void aNewNameIsConfirmedAndEnablesTheMenus()
    {
        openThroughDialog(env->dataFolder() + "/fresh", true);
        QCOMPARE(Dialogs::shown().size(), 1);
        QVERIFY(Dialogs::shown().first().text.contains("fresh.c3d"));
        QCOMPARE(window->windowTitle(), QString("fresh.c3d — Quor 3"));
        QVERIFY(dataMenusEnabled());
        QCOMPARE(panels(), (QStringList{"Total Draws: 0", "Last Draw Date: ", "Hottest Number: ", "Coldest Number: "}));
        QVERIFY(!quor3::fileExists(env->dataPath() / "fresh.c3d"));
        QVERIFY(!quor3::fileExists(env->dataPath() / "freq.dat"));
    }

    void refusingToCreateOrCancellingChangesNothing()
    {
        openThroughDialog(env->dataFolder() + "/fresh.c3d");     // the confirmation is answered No
        window->findChild<QAction*>("OpenDatabase1")->trigger(); // no file queued: cancelled
        QCOMPARE(window->windowTitle(), QString("Quor 3"));
        QVERIFY(!dataMenusEnabled());
        QCOMPARE(window->statusText(0), QString("Total Draws:"));
        QVERIFY(Session::instance().databaseName.empty());
    }

    void closeThenReopenGivesTheSameTexts()
    {
        env->writeDatabase("ga.c3d", 40);
        openThroughDialog(env->dataFolder() + "/ga.c3d");
        const QStringList first = panels();
        window->findChild<QAction*>("CloseDatabase1")->trigger();
        QCOMPARE(window->windowTitle(), QString("Quor 3"));
        QVERIFY(!dataMenusEnabled());
        QCOMPARE(panels(), (QStringList{"Total Draws: ", "Last Draw Date: ", "Hottest Number: ", "Coldest Number: "}));
        QCOMPARE(Session::instance().databaseName, std::string("ga.c3d"));
        openThroughDialog(env->dataFolder() + "/ga.c3d");
        QCOMPARE(panels(), first);
    }

    void aLongNameIsCutAndLookedUpCut()
    {
        const std::string longName = "abcdefghijklmnopqrstuvwxyz12.c3d";
        env->writeDatabase(longName, 5);
        // The file opened is the one of the cut name, new: the question names it.
        Dialogs::clearShown();
        Dialogs::queueButton(QMessageBox::Yes);
        openThroughDialog(env->dataFolder() + "/" + QString::fromStdString(longName));
        QVERIFY(Dialogs::shown().value(0).text.startsWith("abcdefghijklmnopqrstuvwxy\n"));
        QCOMPARE(window->windowTitle(), QString("abcdefghijklmnopqrstuvwxy — Quor 3"));
        QCOMPARE(window->statusText(0), QString("Total Draws: 0"));
    }

    // A long news text keeps its end in sight, and goes with its database.
    void aLongStatusTextKeepsItsEndAndGoesWithItsDatabase()
    {
        env->writeDatabase("a.c3d", 5);
        env->writeDatabase("b.c3d", 5);
        window->show();
        QVERIFY(QTest::qWaitForWindowExposed(window.get()));
        openThroughDialog(env->dataFolder() + "/a.c3d");
        const QString news = "Older draws kept in backups/" + QString(300, 'x') + "-end.c3d";
        Session::instance().setStatus(4, news);
        auto* panel = dynamic_cast<MiddleElidedLabel*>(window->findChild<QLabel*>("StatusPanel4"));
        QVERIFY(panel);
        QCOMPARE(window->statusText(4), news);
        QTRY_VERIFY(panel->mapTo(window.get(), QPoint(panel->width(), 0)).x() <= window->width());
        QVERIFY2(panel->shownText().endsWith("-end.c3d") && panel->shownText().size() < news.size(),
                 qPrintable(panel->shownText()));
        openThroughDialog(env->dataFolder() + "/b.c3d");
        QVERIFY(!window->statusText(4).contains("Older draws"));
    }

    void anEmptyDatabaseFileReportsAndGoesOn()
    {
        quor3::writeWholeFile(env->dataPath() / "empty.c3d", "");
        openThroughDialog(env->dataFolder() + "/empty.c3d");
        QCOMPARE(Dialogs::shown().size(), 1);
        QVERIFY(Dialogs::shown().first().text.contains("empty.c3d"));
        QCOMPARE(window->statusText(0), QString("Total Draws: 0"));
        QVERIFY(!QGuiApplication::overrideCursor());
    }

    // Without a database the window says what to do first; every step is a
    // button reached from the keyboard, and the panel goes while a database
    // is open.
    void theStartPanelLeadsToADatabase()
    {
        env->writeDatabase("ga.c3d", 30);
        window->show();
        QVERIFY(QTest::qWaitForWindowActive(window.get()));
        auto* panel = window->findChild<QWidget*>("StartPanel");
        QVERIFY(panel && panel->isVisible());
        QStringList reached;
        for (int i = 0; i < 3; ++i) {
            auto* focused = qobject_cast<QPushButton*>(QApplication::focusWidget());
            QVERIFY(focused && panel->isAncestorOf(focused));
            reached << focused->text().remove('&');
            QTest::keyClick(focused, Qt::Key_Tab);
        }
        QCOMPARE(reached, (QStringList{"Create a database", "Import results...", "Open..."}));

        Dialogs::queueFile(env->dataFolder() + "/ga.c3d");
        QTest::keyClick(window.get(), Qt::Key_O, Qt::AltModifier);
        QTRY_COMPARE(window->windowTitle(), QString("ga.c3d — Quor 3"));
        QVERIFY(!panel->isVisible());

        window->findChild<QAction*>("CloseDatabase1")->trigger();
        QVERIFY(panel->isVisible());
        auto* recent = panel->findChild<QPushButton*>("StartRecent1");
        QVERIFY(recent && recent->isVisible());
        QCOMPARE(recent->text(), QString("&1 ga.c3d"));
        recent->setFocus();
        QTest::keyClick(recent, Qt::Key_Space);
        QCOMPARE(window->windowTitle(), QString("ga.c3d — Quor 3"));
    }

    // "Create a database" proposes a name not taken yet and asks nothing more;
    // "Import results..." goes on into the import window of the new database.
    void creatingProposesAFreeNameAndImportFollows()
    {
        env->writeDatabase("draws.c3d", 3);
        auto* panel = window->findChild<QWidget*>("StartPanel");
        Dialogs::queueFile(env->dataFolder() + "/mine.c3d");
        panel->findChild<QPushButton*>("CreateDatabaseButton")->click();
        QCOMPARE(Dialogs::lastOpenStart().name, QString("draws 2.c3d"));
        QVERIFY(Dialogs::shown().isEmpty());
        QCOMPARE(window->windowTitle(), QString("mine.c3d — Quor 3"));
        QVERIFY(dataMenusEnabled());

        window->closeDatabase();
        QString opened;
        whenModalActive<QDialog>([&](QDialog* import) {
            opened = import->objectName();
            import->close();
        });
        Dialogs::queueFile(env->dataFolder() + "/results.c3d");
        panel->findChild<QPushButton*>("ImportResultsButton")->click();
        QCOMPARE(window->windowTitle(), QString("results.c3d — Quor 3"));
        QCOMPARE(opened, ImportWindow().objectName());
    }

    // Beside the picture, never over it, and inside the gradient.
    void theStartPanelStandsBesideThePicture_data()
    {
        QTest::addColumn<QSize>("area");
        QTest::addColumn<int>("screenWidth");
        QTest::newRow("800 x 600") << QSize(800, 500) << 800;
        QTest::newRow("1024 x 768") << QSize(1024, 660) << 1024;
        QTest::newRow("1280 x 1024") << QSize(1280, 900) << 1280;
        QTest::newRow("a narrow window") << QSize(480, 700) << 800;
    }
    void theStartPanelStandsBesideThePicture()
    {
        QFETCH(QSize, area);
        QFETCH(int, screenWidth);
        StartPanel panel(nullptr);
        panel.setRecent({"/a/one.c3d", "/a/two.c3d", "/a/three.c3d", "/a/four.c3d", "/a/five.c3d"});
        const QRect picture(productPicturePlace(screenWidth), QSize(112, 111));
        const QRect gradient(QPoint(0, 41), area);
        panel.placeBeside(picture, gradient);
        QVERIFY2(!panel.geometry().intersects(picture), qPrintable(QString("%1,%2").arg(panel.x()).arg(panel.y())));
        QVERIFY(gradient.contains(panel.geometry()));
    }

    void pictureStandsByScreenWidth()
    {
        QCOMPARE(productPicturePlace(1280), QPoint(584, 416));
        QCOMPARE(productPicturePlace(800), QPoint(344, 205));
        QCOMPARE(productPicturePlace(1024), QPoint(456, 288));
        QCOMPARE(productPicturePlace(1152), QPoint(344, 205));
        auto* image = window->findChild<QLabel*>("Image1");
        window->placeProductPicture(1024);
        QCOMPARE(image->pos(), QPoint(456, 288));
        window->placeProductPicture(1152);
        QCOMPARE(image->pos(), QPoint(344, 205));
        QVERIFY(!image->pixmap().isNull());
    }

    void webPagesReportFailuresInPlainWords()
    {
        WebPages::setOpenerForTesting([](const QString&) { return false; });
        window->findChild<QAction*>("ResultsSite1")->trigger();
        QCOMPARE(Dialogs::shown().size(), 1);
        QCOMPARE(Dialogs::shown().first().title, QString("Error ExploreWeb"));
        QCOMPARE(Dialogs::shown().first().text,
                 QString("No program on this desktop could open the page.\n\n") + WebPages::ResultsAddress);
        WebPages::setOpenerForTesting([](const QString&) { return true; });
        window->findChild<QAction*>("ResultsSite1")->trigger();
        QCOMPARE(Dialogs::shown().size(), 1);
        WebPages::setOpenerForTesting(nullptr);
    }

    void f1OpensTheHelpAtTheMainTopic()
    {
        window->show();
        QVERIFY(QTest::qWaitForWindowActive(window.get()));
        QTest::keyClick(window.get(), Qt::Key_F1);
        QTRY_COMPARE(Help::lastTopic(), QString("description"));
        QVERIFY(Help::viewer() && Help::viewer()->isVisible());
        auto* browser = Help::viewer()->findChild<QTextBrowser*>("HelpBrowser");
        QVERIFY(browser->toPlainText().contains("Quor 3"));
        window->findChild<QAction*>("Contents1")->trigger();
        QCOMPARE(Help::lastTopic(), QString("contents"));
        Help::viewer()->close();
    }

    void everyMenuItemOpensItsWindow_data()
    {
        QTest::addColumn<QString>("action");
        QTest::addColumn<QString>("caption");
        const char* const items[][2] = {
            {"DeleteDatabase1", "Delete Data File"},
            {"Add1", "Update Database Sub-Menu"},
            {"GraphTotals1", "Totals Bar Graph"},
            {"OddEvenRatio1", "Odd / Even "},
            {"PercentageRepeats1", "% Repeats"},
            {"HotColdNumbers1", "Hot/Cold Numbers"},
            {"Sums1", "Sums Graph"},
            {"SetsGraph1", "Graph Sets"},
            {"Totals1", "Totals Report"},
            {"Pairs1", "Pairs Report"},
            {"Frequency1", "Skip/Trace Chart"},
            {"Ordinal1", "Ordinal Report"},
            {"Display1", "Winning Lotto Entries"},
            {"Search1", "Search Database"},
            {"Picks1", "Computer Choices"},
        };
        for (const auto& item : items)
            QTest::newRow(item[0]) << QString(item[0]) << QString(item[1]);
    }

    void everyMenuItemOpensItsWindow()
    {
        QFETCH(QString, action);
        QFETCH(QString, caption);
        env->writeDatabase("ga.c3d", 30);
        openThroughDialog(env->dataFolder() + "/ga.c3d");
        auto* item = window->findChild<QAction*>(action);
        QVERIFY(item);
        QCOMPARE(titleOfWindowOpenedBy(item), caption);
        QVERIFY(!QApplication::activeModalWidget());
        QVERIFY(Dialogs::shown().isEmpty());
    }

    void aboutBoxShowsTheProduct()
    {
        ModalSafetyNet net;
        QTimer::singleShot(0, [] {
            auto* box = qobject_cast<QDialog*>(QApplication::activeModalWidget());
            QVERIFY(box);
            QCOMPARE(box->windowTitle(), QString("About"));
            auto* product = box->findChild<QLabel*>("ProductName");
            QVERIFY(product);
            QCOMPARE(product->text(), QString("Quor 3   v7.0"));
            QTest::keyClick(box, Qt::Key_Return); // OK is the default button
        });
        auto* about = window->findChild<QAction*>("AboutQuor31");
        QVERIFY(about);
        about->trigger();
        QVERIFY(!QApplication::activeModalWidget());
    }
};

QTEST_MAIN(MainWindowTest)
#include "MainWindowTest.moc"
