#include "GuiTestSupport.h"

#include "app/AboutDialog.h"
#include "app/CommandLine.h"
#include "app/DesktopIdentity.h"
#include "app/MainWindow.h"
#include "app/RecentDatabases.h"
#include "entry/AddDrawsWindow.h"
#include "platform/Dialogs.h"
#include "platform/Help.h"
#include "platform/ProfileFile.h"
#include "platform/Session.h"
#include "platform/WebPages.h"

#include <QAction>
#include <QDir>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QPushButton>
#include <QTimer>
#include <QtTest>

#include <memory>

// What a desktop user meets around the windows: shortcuts, the program's
// identity and icon, the database reopened at start, the recent databases,
// a database named on the command line, the About box and the support page.
class DesktopTest : public QObject
{
    Q_OBJECT

    std::unique_ptr<GuiTestEnvironment> env;
    std::unique_ptr<MainWindow> window;

    QString pathOf(const QString& name) const { return env->dataFolder() + "/" + name; }
    void openThroughDialog(const QString& path)
    {
        Dialogs::queueFile(path);
        window->findChild<QAction*>("OpenDatabase1")->trigger();
    }
    // A new main window, as the next start of the program makes it.
    void restart() { window = std::make_unique<MainWindow>(); }
    void showActive()
    {
        window->show();
        QVERIFY(QTest::qWaitForWindowActive(window.get()));
    }
    // The File menu's recent databases as shown: "&1 name.c3d", ...
    QStringList recentCaptions() const
    {
        QStringList captions;
        for (QAction* action : window->findChild<QMenu*>("File1")->actions())
            if (action->objectName().startsWith("RecentDatabase") && action->isVisible())
                captions << action->text();
        return captions;
    }
    bool dataMenusEnabled() const { return window->findChild<QMenu*>("Edit1")->menuAction()->isEnabled(); }

  private slots:
    void initTestCase() { setUpDesktopIdentity(); }
    void init()
    {
        env = std::make_unique<GuiTestEnvironment>();
        window = std::make_unique<MainWindow>();
    }
    void cleanup()
    {
        WebPages::setOpenerForTesting(nullptr);
        window.reset();
        env.reset();
    }

    void theProgramNamesItselfToTheDesktop()
    {
        // The desktop finds the program's desktop entry, icon and file type by
        // the application id.
        QCOMPARE(QGuiApplication::applicationDisplayName(), QString("Quor 3"));
        QCOMPARE(QGuiApplication::desktopFileName(), QString("io.github.quor3.Quor3"));
        QCOMPARE(QCoreApplication::applicationVersion(), QString(QUOR3_VERSION));
        QVERIFY(!QCoreApplication::organizationName().isEmpty());
        QList<int> widths;
        for (const QSize& size : QApplication::windowIcon().availableSizes())
            widths << size.width();
        QCOMPARE(widths, (QList<int>{48, 128, 256}));
    }

    void everyWindowShowsTheIconAndTheMainWindowTheDatabase()
    {
        QCOMPARE(window->windowTitle(), QString("Quor 3"));
        QVERIFY(!window->windowIcon().isNull());
        env->writeDatabase("ga.c3d", 30);
        openThroughDialog(pathOf("ga.c3d"));
        QCOMPARE(window->windowTitle(), QString("ga.c3d — Quor 3"));
        bool childHasIcon = false;
        whenModalActive<AddDrawsWindow>([&](AddDrawsWindow* add) {
            childHasIcon = add->windowIcon().cacheKey() == QApplication::windowIcon().cacheKey();
            add->close();
        });
        window->findChild<QAction*>("AddDraw1")->trigger();
        QVERIFY(childHasIcon);
    }

    void shortcutsOpenAddCloseAndExit()
    {
        env->writeDatabase("ga.c3d", 30);
        showActive();

        // Ctrl+N needs an open database, as the Add menu does.
        QTest::keyClick(window.get(), Qt::Key_N, Qt::ControlModifier);
        QVERIFY(!QApplication::activeModalWidget());

        Dialogs::queueFile(pathOf("ga.c3d"));
        QTest::keyClick(window.get(), Qt::Key_O, Qt::ControlModifier);
        QCOMPARE(window->windowTitle(), QString("ga.c3d — Quor 3"));
        QVERIFY(dataMenusEnabled());
        QCOMPARE(window->statusText(0), QString("Total Draws: 30"));

        QString shown;
        whenModalActive<AddDrawsWindow>([&](AddDrawsWindow* add) {
            shown = add->windowTitle();
            QTest::keyClick(add, Qt::Key_Escape);
        });
        QTest::keyClick(window.get(), Qt::Key_N, Qt::ControlModifier);
        QCOMPARE(shown, QString("Add Winning Entries"));
        window->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(window.get()));

        QTest::keyClick(window.get(), Qt::Key_W, Qt::ControlModifier);
        QCOMPARE(window->windowTitle(), QString("Quor 3"));
        QVERIFY(!dataMenusEnabled());
        QCOMPARE(window->statusText(0), QString("Total Draws: "));

        QTest::keyClick(window.get(), Qt::Key_Q, Qt::ControlModifier);
        QTRY_VERIFY_WITH_TIMEOUT(!window->isVisible(), 5000);
    }

    void theShortcutsAreShownInTheMenus()
    {
        const std::pair<const char*, QKeySequence> expected[] = {
            {"OpenDatabase1", QKeySequence("Ctrl+O")},  {"CloseDatabase1", QKeySequence("Ctrl+W")},
            {"Exit1", QKeySequence("Ctrl+Q")},          {"AddDraw1", QKeySequence("Ctrl+N")},
            {"UndoLastEntry1", QKeySequence("Ctrl+Z")},
        };
        for (const auto& [name, keys] : expected)
            QCOMPARE(window->findChild<QAction*>(name)->shortcut(), keys);
        // Within the menu bar and within each menu, one letter opens one thing.
        QList<QList<QAction*>> groups{window->menuBar()->actions()};
        for (QAction* menu : window->menuBar()->actions())
            groups << menu->menu()->actions();
        for (const QList<QAction*>& group : groups) {
            QStringList letters;
            for (QAction* action : group) {
                const QString letter = QKeySequence::mnemonic(action->text()).toString();
                QVERIFY2(letter.isEmpty() || !letters.contains(letter), qPrintable(action->text()));
                letters << letter;
            }
        }
        QCOMPARE(window->findChild<QAction*>("AddDraw1")->text(), QString("&Add Draw..."));
        // The update sub-menu stays where it was.
        QVERIFY(window->findChild<QMenu*>("Edit1")->actions().contains(window->findChild<QAction*>("Add1")));
    }

    void theLastDatabaseIsReopenedAtStart()
    {
        env->writeDatabase("ga.c3d", 30);
        openThroughDialog(pathOf("ga.c3d"));
        QCOMPARE(Settings::readText("Last Database"), pathOf("ga.c3d"));

        Session::instance().databaseName.clear();
        restart();
        window->openAtStart(QString());
        QCOMPARE(window->windowTitle(), QString("ga.c3d — Quor 3"));
        QCOMPARE(Session::instance().databaseNameText(), QString("ga.c3d"));
        QVERIFY(dataMenusEnabled());
        QCOMPARE(window->statusText(0), QString("Total Draws: 30"));
        QVERIFY(Dialogs::shown().isEmpty());
    }

    void aMissingLastDatabaseIsSilentlyForgotten()
    {
        env->writeDatabase("ga.c3d", 30);
        openThroughDialog(pathOf("ga.c3d"));
        QVERIFY(QFile::remove(pathOf("ga.c3d")));

        restart();
        window->openAtStart(QString());
        QCOMPARE(window->windowTitle(), QString("Quor 3"));
        QVERIFY(!dataMenusEnabled());
        QVERIFY(Dialogs::shown().isEmpty());
        QCOMPARE(Settings::readText("Last Database"), QString());
        QVERIFY(recentCaptions().isEmpty());
    }

    void reopeningCanBeTurnedOffAndClosingForgetsTheLastDatabase()
    {
        env->writeDatabase("ga.c3d", 30);
        openThroughDialog(pathOf("ga.c3d"));
        Settings::writeInteger("Reopen Last", 0);
        restart();
        window->openAtStart(QString());
        QCOMPARE(window->windowTitle(), QString("Quor 3"));

        Settings::writeInteger("Reopen Last", 1);
        window->openAtStart(QString());
        QCOMPARE(window->windowTitle(), QString("ga.c3d — Quor 3"));
        window->findChild<QAction*>("CloseDatabase1")->trigger();
        restart();
        window->openAtStart(QString());
        QCOMPARE(window->windowTitle(), QString("Quor 3"));
        // Still among the recent ones.
        QCOMPARE(recentCaptions(), QStringList{"&1 ga.c3d"});
    }

    void theRecentListKeepsTheFiveNewestThatStillExist()
    {
        for (const char* name : {"a.c3d", "b.c3d", "c.c3d", "d.c3d", "e.c3d", "f.c3d", "g.c3d"}) {
            env->writeDatabase(name, 3);
            openThroughDialog(pathOf(name));
        }
        QCOMPARE(recentCaptions(), (QStringList{"&1 g.c3d", "&2 f.c3d", "&3 e.c3d", "&4 d.c3d", "&5 c.c3d"}));

        // Opening one again moves it to the front without a second entry.
        openThroughDialog(pathOf("e.c3d"));
        QCOMPARE(recentCaptions(), (QStringList{"&1 e.c3d", "&2 g.c3d", "&3 f.c3d", "&4 d.c3d", "&5 c.c3d"}));

        // A file that has gone disappears the next time the File menu opens,
        // and from the settings file too.
        QVERIFY(QFile::remove(pathOf("f.c3d")));
        showActive();
        QTest::keyClick(window.get(), Qt::Key_F, Qt::AltModifier);
        auto* fileMenu = window->findChild<QMenu*>("File1");
        QTRY_VERIFY_WITH_TIMEOUT(fileMenu->isVisible(), 5000);
        QCOMPARE(recentCaptions(), (QStringList{"&1 e.c3d", "&2 g.c3d", "&3 d.c3d", "&4 c.c3d"}));
        QCOMPARE(RecentDatabases::existing(),
                 (QStringList{pathOf("e.c3d"), pathOf("g.c3d"), pathOf("d.c3d"), pathOf("c.c3d")}));
        QCOMPARE(Settings::readText("Recent 5"), QString());

        // Choosing one from the keyboard opens it: "3" is d.c3d's mnemonic.
        QTest::keyClick(fileMenu, Qt::Key_3);
        QTRY_VERIFY_WITH_TIMEOUT(!fileMenu->isVisible(), 5000);
        QCOMPARE(window->windowTitle(), QString("d.c3d — Quor 3"));
        QCOMPARE(recentCaptions().first(), QString("&1 d.c3d"));
    }

    // A new name is open before its file exists (a draw stored or imported
    // makes it): the File menu opened meanwhile must not forget it. One never
    // made is forgotten once it is closed.
    void aNewDatabaseIsRememberedBeforeItsFileExists()
    {
        showActive();
        auto* fileMenu = window->findChild<QMenu*>("File1");
        for (const char* name : {"first.c3d", "second.c3d", "never.c3d"}) {
            Dialogs::queueButton(QMessageBox::Yes);
            openThroughDialog(pathOf(name));
            QTest::keyClick(window.get(), Qt::Key_F, Qt::AltModifier);
            QTRY_VERIFY_WITH_TIMEOUT(fileMenu->isVisible(), 5000);
            QTest::keyClick(fileMenu, Qt::Key_Escape);
            QTRY_VERIFY_WITH_TIMEOUT(!fileMenu->isVisible(), 5000);
            if (QString(name) != "never.c3d")
                env->writeDatabase(name, 3);
        }
        QCOMPARE(recentCaptions(), (QStringList{"&1 never.c3d", "&2 second.c3d", "&3 first.c3d"}));
        window->findChild<QAction*>("CloseDatabase1")->trigger();
        QCOMPARE(recentCaptions(), (QStringList{"&1 second.c3d", "&2 first.c3d"}));
        QCOMPARE(Settings::readText("Recent 1"), pathOf("second.c3d"));
        QCOMPARE(Settings::readText("Recent 2"), pathOf("first.c3d"));
    }

    void withNewestMovesToTheFrontAndCutsAtFive()
    {
        using RecentDatabases::withNewest;
        QCOMPARE(withNewest({}, "/a"), QStringList{"/a"});
        QCOMPARE(withNewest({"/a", "/b", "/c"}, "/c"), (QStringList{"/c", "/a", "/b"}));
        QCOMPARE(withNewest({"/a", "/b", "/c", "/d", "/e"}, "/f"), (QStringList{"/f", "/a", "/b", "/c", "/d"}));
    }

    void recentPathsWithAnyLettersSurviveTheSettingsFile()
    {
        // The settings file keeps its other lines byte for byte around our text keys.
        const QString ini = Settings::filePath();
        QDir().mkpath(QFileInfo(ini).absolutePath());
        QFile file(ini);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write("; kept\r\n[Config]\r\nQCheck=1\r\nOdd=\xe9t\xe9\r\n[Other]\r\nRecent 1=elsewhere\r\n");
        file.close();
        const QString name = QString::fromUtf8("Zürich & Łódź.c3d");
        env->writeDatabase(name.toStdString(), 3);
        openThroughDialog(pathOf(name));
        QCOMPARE(recentCaptions(), QStringList{QString::fromUtf8("&1 Zürich && Łódź.c3d")});
        QCOMPARE(Settings::readText("Last Database"), pathOf(name));
        QCOMPARE(Settings::readInteger("QCheck", 0), 1);
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QByteArray bytes = file.readAll();
        QVERIFY(bytes.startsWith("; kept\r\n[Config]\r\nQCheck=1\r\nOdd=\xe9t\xe9\r\n"));
        QVERIFY(bytes.contains("[Other]\r\nRecent 1=elsewhere"));
    }

    void aDatabaseNamedOnTheCommandLineIsOpened()
    {
        env->writeDatabase("ga.c3d", 30);
        const CommandLine line = parseCommandLine({"quor3", pathOf("ga.c3d")});
        QVERIFY(line.error.isEmpty());
        window->openAtStart(line.file);
        QCOMPARE(window->windowTitle(), QString("ga.c3d — Quor 3"));
        QCOMPARE(window->statusText(0), QString("Total Draws: 30"));
        QCOMPARE(Settings::readText("Last Database"), pathOf("ga.c3d"));
    }

    void theCommandLineFileWinsOverTheLastDatabase()
    {
        env->writeDatabase("ga.c3d", 30);
        env->writeDatabase("gb.c3d", 4);
        openThroughDialog(pathOf("ga.c3d"));
        restart();
        // A relative name is found from the current folder, and ".c3d" is added.
        const QString before = QDir::currentPath();
        QVERIFY(QDir::setCurrent(env->dataFolder()));
        window->openAtStart(parseCommandLine({"quor3", "gb"}).file);
        QDir::setCurrent(before);
        QCOMPARE(window->windowTitle(), QString("gb.c3d — Quor 3"));
        QCOMPARE(window->statusText(0), QString("Total Draws: 4"));
    }

    void aNewFileOnTheCommandLineIsCreatedOnlyWhenConfirmed()
    {
        window->openAtStart(pathOf("new.c3d")); // no answer queued: No
        QCOMPARE(window->windowTitle(), QString("Quor 3"));
        QCOMPARE(Dialogs::shown().size(), 1);
        QVERIFY(Dialogs::shown().first().text.startsWith(pathOf("new.c3d") + "\nThis file does not exist."));

        Dialogs::queueButton(QMessageBox::Yes);
        window->openAtStart(pathOf("new.c3d"));
        QCOMPARE(window->windowTitle(), QString("new.c3d — Quor 3"));
        QVERIFY(dataMenusEnabled());
    }

    void aCommandLineFolderIsRefused()
    {
        window->openAtStart(env->dataFolder());
        QCOMPARE(window->windowTitle(), QString("Quor 3"));
        QCOMPARE(Dialogs::shown().size(), 1);
        QVERIFY(Dialogs::shown().first().text.contains("folder"));
        window->openAtStart(env->home() + "/no such folder/x.c3d");
        QCOMPARE(window->windowTitle(), QString("Quor 3"));
        QCOMPARE(Dialogs::shown().size(), 2);
    }

    void theCommandLineIsRead()
    {
        QVERIFY(parseCommandLine({"quor3", "--version"}).version);
        QVERIFY(parseCommandLine({"quor3", "-h"}).help);
        const CommandLine plain = parseCommandLine({"quor3"});
        QVERIFY(plain.file.isEmpty() && plain.error.isEmpty() && !plain.version && !plain.help);
        QCOMPARE(parseCommandLine({"quor3", "--", "-odd.c3d"}).file, QString("-odd.c3d"));
        QVERIFY(!parseCommandLine({"quor3", "--frobnicate"}).error.isEmpty());
        QVERIFY(!parseCommandLine({"quor3", "a.c3d", "b.c3d"}).error.isEmpty());
        QVERIFY(commandLineUsage().contains("quor3 [FILE.c3d]"));
    }

    void theAboutBoxNamesVersionLicenceAndSupportPage()
    {
        Settings::writeText("Support Page", "https://support.example.org/quor3");
        QString asked;
        WebPages::setOpenerForTesting([&](const QString& address) {
            asked = address;
            return true;
        });
        AboutDialog about(window.get());
        QCOMPARE(about.findChild<QLabel*>("ProductName")->text(), QString("Quor 3   v" QUOR3_VERSION));
        QVERIFY(about.findChild<QLabel*>("LicenceLine")->text().contains("GNU General Public License"));
        auto* support = about.findChild<QLabel*>("SupportLink");
        QVERIFY(support->text().contains("https://support.example.org/quor3"));
        emit support->linkActivated("https://support.example.org/quor3");
        QCOMPARE(asked, QString("https://support.example.org/quor3"));

        // "About Qt" opens Qt's own box.
        QString aboutQtTitle;
        QTimer::singleShot(0, [&] {
            if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
                aboutQtTitle = box->windowTitle();
                box->close();
            }
        });
        about.findChild<QPushButton*>("AboutQtButton")->click();
        QCOMPARE(aboutQtTitle, QString("About Qt"));
        // Every text fits: the box grows with its texts instead of cutting them.
        for (QLabel* label : about.findChildren<QLabel*>())
            QVERIFY2(label->width() >= label->minimumSizeHint().width(), qPrintable(label->objectName()));
    }

    void theSupportPageComesFromTheSettings()
    {
        QStringList asked;
        WebPages::setOpenerForTesting([&](const QString& address) {
            asked << address;
            return true;
        });
        // Without a page of its own the program shows its help.
        window->findChild<QAction*>("Quor3WebSupport1")->trigger();
        QVERIFY(asked.isEmpty());
        QCOMPARE(Help::lastTopic(), QString("contents"));
        QVERIFY(Help::viewer() && Help::viewer()->isVisible());
        Help::viewer()->close();
        Settings::writeText("Support Page", "https://distributor.example.net/help");
        window->findChild<QAction*>("Quor3WebSupport1")->trigger();
        QCOMPARE(asked, QStringList{"https://distributor.example.net/help"});

        // A page that cannot be opened is reported with its address.
        WebPages::setOpenerForTesting([](const QString&) { return false; });
        window->findChild<QAction*>("Quor3WebSupport1")->trigger();
        QCOMPARE(Dialogs::shown().size(), 1);
        QVERIFY(Dialogs::shown().first().text.endsWith("\nhttps://distributor.example.net/help"));
    }
};

QTEST_MAIN(DesktopTest)
#include "DesktopTest.moc"
