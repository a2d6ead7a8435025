#include "GuiTestSupport.h"

#include "engine/FileIo.h"
#include "entry/DeleteFileDialog.h"
#include "platform/Dialogs.h"
#include "platform/Help.h"
#include "platform/Session.h"

#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include <memory>

namespace fs = std::filesystem;

namespace
{

QString warningFor(const QString& name)
{
    return "You have chosen to delete this database file:  " + name + "\r\nDo you wish to proceed?";
}

QStringList listed(DeleteFileDialog& window)
{
    QStringList names;
    auto* list = child<QListWidget>(&window, "FileListBox1");
    for (int i = 0; list && i < list->count(); ++i)
        names.append(list->item(i)->text());
    return names;
}

} // namespace

class DeleteTest : public QObject
{
    Q_OBJECT

  private:
    std::unique_ptr<GuiTestEnvironment> env;
    int resets = 0;

    fs::path data(const std::string& name) const { return env->dataPath() / name; }

    // Shows the window as the main window does and answers the warning.
    void deleteWith(const QString& name, QMessageBox::StandardButton answer)
    {
        DeleteFileDialog window;
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        child<QLineEdit>(&window, "Edit1")->setText(name);
        Dialogs::queueButton(answer);
        QTest::mouseClick(child<QPushButton>(&window, "BitBtn1"), Qt::LeftButton);
        QVERIFY(!window.isVisible());
        QCOMPARE(window.result(), int(QDialog::Accepted));
        QCOMPARE(Dialogs::shown().size(), 1);
        QCOMPARE(Dialogs::shown()[0].text, warningFor(name));
    }

  private slots:
    void init()
    {
        env = std::make_unique<GuiTestEnvironment>();
        resets = 0;
        Session::instance().resetToNoDatabase = [this] { ++resets; };
    }
    void cleanup()
    {
        Session::instance().resetToNoDatabase = nullptr;
        env.reset();
    }

    void windowOpensWithTheMaskInTheFilenameBox()
    {
        DeleteFileDialog window;
        QCOMPARE(window.windowTitle(), QString("Delete Data File"));
        QCOMPARE(window.size(), QSize(427, 276));
        auto* edit = child<QLineEdit>(&window, "Edit1");
        auto* list = child<QListWidget>(&window, "FileListBox1");
        auto* ok = child<QPushButton>(&window, "BitBtn1");
        auto* cancel = child<QPushButton>(&window, "BitBtn2");
        QVERIFY(edit && list && ok && cancel);
        QCOMPARE(child<QLabel>(&window, "Label1")->text(), QString("Filename: "));
        QCOMPARE(edit->text(), QString("*.c3d"));
        QCOMPARE(list->size(), QSize(409, 145));
        QCOMPARE(list->selectionMode(), QAbstractItemView::SingleSelection);
        QCOMPARE(ok->text(), QString("OK"));
        QCOMPARE(cancel->text(), QString("Cancel"));
        QVERIFY(ok->isDefault());

        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        window.activateWindow();
        QTRY_COMPARE(window.focusWidget(), static_cast<QWidget*>(edit));
        QTest::keyClick(&window, Qt::Key_F1);
        QCOMPARE(Help::lastTopic(), QString("delete"));
    }

    void showingListsTheDatabasesOfTheDataFolderAndMovesThere()
    {
        env->writeDatabase("b.c3d", 3);
        env->writeDatabase("a.c3d", 3);
        env->writeDatabase("Upper.C3D", 3);
        quor3::writeWholeFile(data("notes.txt"), "x");
        fs::create_directory(data("folder.c3d"));
        const fs::path elsewhere = env->home().toStdString() + "/elsewhere";
        fs::create_directory(elsewhere);
        Session::instance().folder = elsewhere;

        DeleteFileDialog window;
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        QCOMPARE(listed(window), QStringList({"a.c3d", "b.c3d", "Upper.C3D"}));
        auto* files = child<QListWidget>(&window, "FileListBox1");
        QVERIFY(files && files->count() > 0);
        QCOMPARE(files->visualItemRect(files->item(0)).height(), 16);
        QCOMPARE(Session::instance().folder, env->dataPath());

        // Choosing a file puts its name in the box.
        auto* list = child<QListWidget>(&window, "FileListBox1");
        list->setCurrentRow(1);
        QCOMPARE(child<QLineEdit>(&window, "Edit1")->text(), QString("b.c3d"));
        list->setCurrentRow(0);
        QCOMPARE(child<QLineEdit>(&window, "Edit1")->text(), QString("a.c3d"));
        QCOMPARE(list->selectedItems().size(), 1);

        // A line that is only current, not selected, names no file.
        child<QLineEdit>(&window, "Edit1")->setText("*.c3d");
        list->clearSelection();
        list->setCurrentRow(2, QItemSelectionModel::NoUpdate);
        QCOMPARE(child<QLineEdit>(&window, "Edit1")->text(), QString("*.c3d"));
    }

    void theMaskDeletesNothing()
    {
        env->writeDatabase("draws.c3d", 5);
        env->openDatabase("draws.c3d");
        deleteWith("*.c3d", QMessageBox::Yes);
        QVERIFY(quor3::fileExists(data("draws.c3d")));
        QCOMPARE(resets, 0);
    }

    void answeringNoDeletesNothing()
    {
        env->writeDatabase("draws.c3d", 5);
        env->openDatabase("draws.c3d");
        deleteWith("draws.c3d", QMessageBox::No);
        QVERIFY(quor3::fileExists(data("draws.c3d")));
        QCOMPARE(resets, 0);
    }

    void deletingTheOpenDatabaseResetsTheMainWindow()
    {
        env->writeDatabase("draws.c3d", 5);
        env->openDatabase("draws.c3d");
        deleteWith("draws.c3d", QMessageBox::Yes);
        QVERIFY(!quor3::fileExists(data("draws.c3d")));
        QCOMPARE(resets, 1);
        // Only the database goes; its derived files and the name stay.
        QVERIFY(quor3::fileExists(data("freq.dat")));
        QVERIFY(quor3::fileExists(data("hot.dat")));
        QCOMPARE(Session::instance().databaseName, std::string("draws.c3d"));
    }

    void deletingAnotherDatabaseLeavesTheMainWindowAlone()
    {
        env->writeDatabase("draws.c3d", 5);
        env->writeDatabase("other.c3d", 5);
        env->openDatabase("draws.c3d");
        deleteWith("other.c3d", QMessageBox::Yes);
        QVERIFY(!quor3::fileExists(data("other.c3d")));
        QVERIFY(quor3::fileExists(data("draws.c3d")));
        QCOMPARE(resets, 0);
    }

    void aNameDifferingInLetterCaseIsAnotherFile()
    {
        env->writeDatabase("draws.c3d", 5);
        env->writeDatabase("Draws.c3d", 5);
        env->openDatabase("draws.c3d");
        deleteWith("Draws.c3d", QMessageBox::Yes);
        QVERIFY(!quor3::fileExists(data("Draws.c3d")));
        QVERIFY(quor3::fileExists(data("draws.c3d")));
        QCOMPARE(resets, 0);
    }

    void namesReachingOutsideTheFolderDeleteNothing()
    {
        const fs::path outside = env->home().toStdString() + "/x.c3d";
        quor3::writeWholeFile(outside, "keep");
        fs::create_directory(data("sub"));
        quor3::writeWholeFile(data("sub") / "y.c3d", "keep");
        env->writeDatabase("draws.c3d", 5);
        env->writeDatabase("d.c3d", 5);
        fs::create_directory(data("empty.c3d"));
        Session::instance().folder = env->dataPath();

        // "[d].c3d" and "..\\x.c3d" are names of their own, not a pattern or a path.
        const QString outsidePath = QString::fromStdString(outside.string());
        const QStringList names = {"../x.c3d", "..\\x.c3d", outsidePath, "sub/y.c3d", "?.c3d",    "[d].c3d",
                                   "*",        "..",        ".",         "",          "empty.c3d"};
        for (const QString& name : names) {
            QVERIFY2(!deleteDatabaseFile(env->dataPath(), name), qPrintable(name));
        }
        QVERIFY(quor3::fileExists(outside));
        QVERIFY(quor3::fileExists(data("sub") / "y.c3d"));
        QVERIFY(quor3::fileExists(data("d.c3d")));
        QVERIFY(quor3::fileExists(data("draws.c3d")));
        QVERIFY(fs::is_directory(data("empty.c3d")));
        QVERIFY(!deleteDatabaseFile(env->dataPath(), "missing.c3d"));
        QVERIFY(deleteDatabaseFile(env->dataPath(), "d.c3d"));

        // Through the window, too.
        deleteWith("../x.c3d", QMessageBox::Yes);
        QVERIFY(quor3::fileExists(outside));
    }

    void keysPressTheButtons()
    {
        env->writeDatabase("draws.c3d", 5);
        {
            // Enter in the filename box presses OK.
            DeleteFileDialog window;
            window.show();
            QVERIFY(QTest::qWaitForWindowExposed(&window));
            auto* edit = child<QLineEdit>(&window, "Edit1");
            edit->setText("draws.c3d");
            Dialogs::queueButton(QMessageBox::No);
            QTest::keyClick(edit, Qt::Key_Return);
            QCOMPARE(Dialogs::shown().size(), 1);
            QVERIFY(!window.isVisible());
        }
        {
            // So does Enter in the list.
            DeleteFileDialog window;
            window.show();
            QVERIFY(QTest::qWaitForWindowExposed(&window));
            auto* list = child<QListWidget>(&window, "FileListBox1");
            list->setFocus();
            list->setCurrentRow(0);
            Dialogs::queueButton(QMessageBox::No);
            QTest::keyClick(list, Qt::Key_Return);
            QCOMPARE(Dialogs::shown().size(), 2);
            QCOMPARE(Dialogs::shown()[1].text, warningFor("draws.c3d"));
            QVERIFY(!window.isVisible());
        }
        {
            // Escape cancels without asking.
            DeleteFileDialog window;
            window.show();
            QVERIFY(QTest::qWaitForWindowExposed(&window));
            QTest::keyClick(child<QLineEdit>(&window, "Edit1"), Qt::Key_Escape);
            QVERIFY(!window.isVisible());
            QCOMPARE(window.result(), int(QDialog::Rejected));
            QCOMPARE(Dialogs::shown().size(), 2);
        }
        QVERIFY(quor3::fileExists(data("draws.c3d")));
    }

    void aModalShowingDeletesTheChosenFile()
    {
        env->writeDatabase("draws.c3d", 5);
        env->writeDatabase("old.c3d", 5);
        env->openDatabase("draws.c3d");
        DeleteFileDialog window;
        ModalSafetyNet net;
        QTimer::singleShot(0, this, [] {
            auto* modal = qobject_cast<DeleteFileDialog*>(QApplication::activeModalWidget());
            QVERIFY(modal);
            auto* list = child<QListWidget>(modal, "FileListBox1");
            QVERIFY(list);
            const auto items = list->findItems("old.c3d", Qt::MatchExactly);
            QCOMPARE(items.size(), 1);
            list->setCurrentItem(items[0]);
            Dialogs::queueButton(QMessageBox::Yes);
            QTest::mouseClick(child<QPushButton>(modal, "BitBtn1"), Qt::LeftButton);
        });
        QCOMPARE(window.exec(), int(QDialog::Accepted));
        QVERIFY(!quor3::fileExists(data("old.c3d")));
        QVERIFY(quor3::fileExists(data("draws.c3d")));
        QCOMPARE(resets, 0);
    }

    void aMissingDataFolderIsReportedAndTheWindowCloses()
    {
        fs::remove_all(env->dataPath());
        const fs::path before = env->home().toStdString();
        Session::instance().folder = before;
        DeleteFileDialog window;
        QTimer::singleShot(5000, &window, &QDialog::reject); // a safety net only
        QCOMPARE(window.exec(), int(QDialog::Rejected));
        QCOMPARE(Dialogs::shown().size(), 1);
        QVERIFY(Dialogs::shown()[0].text.contains("quor3box"));
        QCOMPARE(Session::instance().folder, before);
        QVERIFY(listed(window).isEmpty());
    }
};

QTEST_MAIN(DeleteTest)
#include "DeleteFileDialogTest.moc"
